// Member loads turned into the fixed-end actions of a type's input file:
// in member axes, in the order and sign of the member-load record.
#pragma once

#include <array>
#include <vector>

#include "file/model.h"

namespace quill {

// The member axes as the program forms them from the joint coordinates:
// rows x, y, z in global components.
struct Axes {
    double R[3][3];
};
Axes member_axes(const Model& s, int member);

// Fixed-end actions of one load (index k of the type's end actions).
std::array<double, 12> fixed_end_actions(const Model& s, const MemberLoad& load);

// The self-weight of a member as a load: its unit weight times its area,
// uniform over its length, along the type's gravity.
MemberLoad self_weight(const Model& s, int member);

// The members of a truss that a combination loads across between their
// ends (self-weight included): the loads reach the joints as on a
// pin-ended member, but the bending they cause is checked nowhere.
// 1-based, ascending; empty for the other types.
std::vector<int> members_bent(const Model& s, const Combination& c);

} // namespace quill
