// A case's results from its displacements at the free equations.
#pragma once

#include <vector>

#include "engine/analysis.h"
#include "engine/case_loads.h"

namespace quill {

// Joint displacements (the prescribed ones at the restrained directions,
// 0 where none is, 0 at a rotation left out); each member's end
// displacements (its own at a released end) and end actions in member
// axes, k*·u + its condensed fixed-end actions; the reactions, the members'
// end actions in global axes summed at each restrained direction less the
// joint load there, and each spring's force −k·u.
Solution solution_of(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l,
                     const double* x);

} // namespace quill
