// A member's stiffness in its own axes and the turn between its axes and the
// global ones, in double precision, for every structure type: each type is
// the member in space restricted to the type's joint directions, with the
// rigidities its section record gives.
//
// Everything stands in the order of a member in space (start translations
// x, y, z, rotations x, y, z, then the same at the end), entries a type
// lacks 0, so that a released end action can be condensed out of the
// twelve and their fixed-end actions alike.
#pragma once

#include <array>

#include "file/model.h"
#include "loads/member_loads.h"

namespace quill {

using Vector12 = std::array<double, 12>;
using Matrix12 = std::array<Vector12, 12>;

// Where joint direction k of a type ("x" ... "rz") stands among the six of
// a joint in space.
int space_direction(const TypeTable& t, int k);

// The end actions of member i (kips, inch-kips) per unit end displacement
// (inches, radians), all in member axes.
Matrix12 local_stiffness(const Model& s, int i);

// The twelve of a member turned from global axes into the member axes ax,
// each triple by R, and back by R transposed.
Vector12 to_member(const Axes& ax, const Vector12& global);
Vector12 to_global(const Axes& ax, const Vector12& member);

// The member's stiffness in global axes, Tᵀ k T, 3 by 3 block by block.
Matrix12 global_stiffness(const Matrix12& k, const Axes& ax);

} // namespace quill
