// Member axes of a member in space: the one place where they are defined,
// for every program whose structure is not plane.
//
// Global y is vertical. Member x runs from the start joint to the end joint,
// (xcl, ycl, zcl). Q = sqrt(xcl^2 + zcl^2) is the horizontal projection of a
// unit length of the member.
//   Q >= 0.001: member y = (-xcl*ycl/Q, Q, -ycl*zcl/Q) lies in the vertical
//               plane through the member and points upwards; member z =
//               (-zcl/Q, 0, xcl/Q) is horizontal.
//   Q <  0.001: the member counts as vertical, and a near-vertical one is
//               treated as exactly vertical: member x = (0, ycl, 0), member
//               y = (-ycl, 0, 0), member z = global z.
#pragma once

namespace qm {

// Q, formed in single precision.
float horizontal_projection(float xcl, float zcl);

// Whether a member whose horizontal projection is q counts as vertical.
inline bool counts_as_vertical(float q)
{
    return !(q >= 0.001f);
}

// The three member axes as the rows 1..3 of R (columns 1..3), in global
// components, so that member = R * global.
void space_member_axes(float xcl, float ycl, float zcl, float R[4][4]);

} // namespace qm
