// A case's results from its displacements at the free equations.
#pragma once

#include <vector>

#include "engine/analysis.h"
#include "engine/case_loads.h"

namespace quill {

// Joint displacements (0 at the restrained directions); each member's end
// displacements and end actions in member axes, k·u + its fixed-end
// actions; the reactions, the members' end actions in global axes summed
// at each restrained direction less the joint load there.
Solution solution_of(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l,
                     const double* x);

} // namespace quill
