// Member loads turned into the fixed-end actions of a type's input file:
// in member axes, in the order and sign of the member-load record.
#pragma once

#include <array>
#include <vector>

#include "file/model.h"
#include "loads/fixed_end.h"

namespace quill {

// A member's axes: rows x, y, z in global components (member = R global).
struct Axes {
    double R[3][3];
};
// As the programs form them from the joint coordinates, in single
// precision: the axes the fixed-end actions of their input files are in.
Axes member_axes(const Model& s, int member);
// The same axes in double precision, for quillmark's own analysis.
Axes exact_member_axes(const Model& s, int member);

// One member load, or a part of it, along one member axis: a force along
// member axis `axis` (0, 1, 2: x, y, z) or a moment about it (a moment about
// x is a torque), distributed or at a point as the profile says.
struct AxisLoad {
    int axis;
    Profile p;
};
// A load resolved into the member axes ax: one entry per axis it has a
// component along. A load given as fixed-end actions has none: its
// distribution is not known.
std::vector<AxisLoad> axis_loads(const MemberLoad& load, const Axes& ax);

// Fixed-end actions of one load in the member axes ax, all twelve in the
// order of a member in space (start Fx, Fy, Fz, Mx, My, Mz, then the end).
// A truss member takes transverse loads as a pin-ended member does.
std::array<double, 12> member_fixed_end_actions(const Model& s, const MemberLoad& load, const Axes& ax);

// Fixed-end actions of one load as the type's input file holds them (index
// k of the type's end actions), in the programs' member axes.
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
