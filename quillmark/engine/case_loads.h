// The loads of one case as the engine takes them: each member's fixed-end
// actions in its own axes (self-weight included where the case has it),
// the joint loads, and the load vector of the free equations.
#pragma once

#include <array>
#include <vector>

#include "engine/member_stiffness.h"
#include "engine/numbering.h"

namespace quill {

struct CaseLoads {
    std::vector<Vector12> fea;                // per member (1-based), space order
    std::vector<std::array<double, 6>> joint; // per joint (1-based), the type's directions
};

// axes: every member's axes (1-based), in double precision. Only the
// end actions the type has are kept.
CaseLoads case_loads(const Model& s, const LoadCase& c, const std::vector<Axes>& axes);

// The joint loads at the free equations less each member's fixed-end
// actions turned into global axes (the joints take them reversed), into b.
void load_vector(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l, double* b);

} // namespace quill
