// The loads of one case as the engine takes them: each member's fixed-end
// actions in its own axes (self-weight included where the case has it),
// the joint loads, the displacements it prescribes at supports, and the
// load vector of the free equations.
#pragma once

#include <array>
#include <vector>

#include "engine/member_stiffness.h"
#include "engine/numbering.h"

namespace quill {

struct CaseLoads {
    // Per member (1-based), space order, before any release is condensed
    // out of them.
    std::vector<Vector12> fea;
    std::vector<std::array<double, 6>> joint;   // per joint (1-based), the type's directions
    std::vector<std::array<double, 6>> settled; // per joint: prescribed displacements (inches, radians)
    bool settles = false;                       // any prescribed at all
};

// axes: every member's axes (1-based), in double precision. Only the
// end actions the type has are kept.
CaseLoads case_loads(const Model& s, const LoadCase& c, const std::vector<Axes>& axes);

// The joint loads at the free equations less the actions the members
// exert on the joints when these are held where they are free and moved
// where the case prescribes it (K_fr u_r, formed member by member): each
// member's (condensed) fixed-end actions and the end actions of the
// prescribed displacements, turned into global axes, reversed; into b.
void load_vector(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l, double* b);

// Member i's end displacements in global axes, space order, from the
// joint displacements D (per joint, the type's directions).
Vector12 member_end_displacements(const Model& s, int i, const std::vector<std::array<double, 6>>& D);

} // namespace quill
