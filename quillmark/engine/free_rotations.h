// Joint rotations that nothing holds because every member end at the joint
// is released for them (every beam pinned at a column, every brace pinned
// at its gusset): such a rotation moves no member, so it is left out of
// the equations rather than called a mechanism. Told apart from a joint
// that turns freely because its members have no bending stiffness at all,
// which stays a mechanism.
#pragma once

#include <array>
#include <vector>

#include "engine/numbering.h"
#include "loads/member_loads.h"

namespace quill {

// Per joint (1-based), in the type's directions: the rotations to leave
// out. held: the equations of the supports alone; axes: every member's
// (1-based). Where the members leave a rotation free in a direction that
// is not a global axis, one of the global rotations it has a part in is
// left out: the others then turn as the members need. Throws EngineStop,
// naming the joint and the direction, where a load case applies a moment
// that such a rotation would have to carry.
std::vector<std::array<bool, 6>> rotations_left_out(const Model& s, const Numbering& held,
                                                    const std::vector<Axes>& axes);

} // namespace quill
