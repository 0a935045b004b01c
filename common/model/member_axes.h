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

#include <cmath>

namespace qm {

// Q, each step stored as Real (float in the programs).
template <class Real> Real horizontal_projection(Real xcl, Real zcl)
{
    return std::sqrt(xcl * xcl + zcl * zcl);
}

// Whether a member whose horizontal projection is q counts as vertical.
template <class Real> bool counts_as_vertical(Real q)
{
    return !(q >= static_cast<Real>(0.001f));
}

// The three member axes as the rows 1..3 of R (columns 1..3), in global
// components, so that member = R * global; each step stored as Real.
template <class Real> void space_member_axes(Real xcl, Real ycl, Real zcl, Real R[4][4])
{
    Real q = horizontal_projection(xcl, zcl);
    if (!counts_as_vertical(q)) {
        R[1][1] = xcl;
        R[1][2] = ycl;
        R[1][3] = zcl;
        R[2][1] = -xcl * ycl / q;
        R[2][2] = q;
        R[2][3] = -ycl * zcl / q;
        R[3][1] = -zcl / q;
        R[3][2] = 0;
        R[3][3] = xcl / q;
    } else {
        R[1][1] = 0;
        R[1][2] = ycl;
        R[1][3] = 0;
        R[2][1] = -ycl;
        R[2][2] = 0;
        R[2][3] = 0;
        R[3][1] = 0;
        R[3][2] = 0;
        R[3][3] = 1;
    }
}

} // namespace qm
