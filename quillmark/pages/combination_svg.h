// forces.svg: one combination on the structure, in panels one below the
// other, each the whole structure at one scale: the loads, the deflected
// shape, the bending moments on the tension side, the shears and the axial
// forces, as the structure type has them (a space frame both moments, a grid
// its moment about the members' bending axis drawn out of its plane, a
// truss its axial forces alone), with the values at the ends and at each
// peak, the combination's name and the model's units.
#pragma once

#include <string>
#include <vector>

#include "along/span_actions.h"
#include "file/model.h"
#include "outcome.h"

namespace quill {

std::string forces_svg(const Model& s, int c, const CombinationOutcome& o, const std::vector<SpanActions>& along);

} // namespace quill
