// The loads of one combination drawn on the structure, each factored as the
// combination takes it: joint forces as arrows pointing at their joint,
// joint moments as turning arrows; a uniform or linear member load as a row
// of arrows along its loaded stretch, a point load as one arrow, a point
// moment as a turning arrow, each with its value in the model's units. A
// load in global directions is drawn in them, one in member axes turns with
// its member.
#pragma once

#include "pages/structure_view.h"

namespace quill {

#include <vector>

// `arrow`: the length of the largest arrow, pixels; `drawn`: the members
// whose loads are drawn (1-based).
void draw_loads(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, int combination, double arrow,
                const std::vector<bool>& drawn);

} // namespace quill
