// The actions and deflections along a member between its ends: from its end
// actions, its end displacements and its loads, exact piecewise polynomials
// between the load discontinuities. The same closed forms the fixed-end
// actions come from, followed along the member.
//
// Conventions, in member axes (s from the start joint, inches):
//   N(s)   axial force, tension positive:      N(0) = -Fx1, N(L) = Fx2;
//   Vy(s)  shear along y, Vy = dMz/ds:         Vy(0) = Fy1, Vy(L) = -Fy2;
//   Mz(s)  moment about z, EIz v'' = Mz:       Mz(0) = -Mz1, Mz(L) = Mz2
//          (positive bends the member concave towards +y, its middle
//          moving towards -y: tension on its -y side);
//   Vz(s)  shear along z, Vz = -dMy/ds:        Vz(0) = Fz1, Vz(L) = -Fz2;
//   My(s)  moment about y, -EIy w'' = My:      My(0) = -My1, My(L) = My2
//          (positive bends the member concave towards -z, its middle
//          moving towards +z: tension on its +z side);
//   T(s)   torque:                             T(0) = -Mx1, T(L) = Mx2;
//   v(s), w(s)  the member's deflection along y and z, its end
//          displacements at s = 0 and L, its curvature M/EI between them.
// with Fx1 ... Mz2 the end actions the joints exert on the member. N, T,
// My and Mz are what the member's far side exerts on its start side across
// the section; Vy and Vz the sum of the forces on the start side, along y
// and z. Passing a point force P or moment M, Vy and Vz jump by +P, N by
// -P, T, My and Mz by -M.
#pragma once

#include <array>
#include <vector>

#include "loads/member_loads.h"

namespace quill {

// c[0] + c[1] t + ... + c[5] t^5 with t = s - s0, on [s0, s1].
struct Piece {
    double s0 = 0, s1 = 0;
    std::array<double, 6> c{};
    double at(double s) const;
};

struct Extreme {
    double value = 0;
    double s = 0; // where along the member
};

// A function along a member: one polynomial between consecutive breaks,
// free to jump at a break.
struct Piecewise {
    std::vector<Piece> pieces; // contiguous from 0 to L, ascending

    // The value at s; at a break, the value just after it. At s = L the
    // far end's own value: with a point load standing at an end, a piece
    // of no length there holds the end's value beside the one just inside.
    double at(double s) const;
    // The value just before s; at s = 0 the start's own value.
    double before(double s) const;
    // The largest and the smallest value along the member, both sides of
    // every jump included, found exactly: at the breaks and at the real
    // roots of the derivative inside each piece.
    Extreme max() const;
    Extreme min() const;
    // Where the value is extreme inside a piece: the real roots of the
    // derivative strictly inside each piece.
    std::vector<double> turning_points() const;
};

// What the actions along one member need.
struct SpanData {
    double L = 0;               // inches
    double EIy = 0, EIz = 0;    // kip*in^2; 0: the member does not bend in that plane
    bool bending = true;        // false for a truss member: axial force alone
    std::array<double, 12> actions{}; // end actions, member axes, space order
    std::array<double, 12> ends{};    // end displacements, member axes, space order
    std::vector<AxisLoad> loads;      // the member's loads in member axes, factored
};

struct SpanActions {
    double L = 0;
    Piecewise N, Vy, Vz, T, My, Mz; // kips, inch-kips
    Piecewise v, w;                 // inches
    std::vector<double> breaks;     // 0, every load discontinuity, L; ascending, each once
    // False for a member whose loads are known only by their fixed-end
    // actions: its actions are known at its ends alone (drawn straight
    // between them), its deflection between them not at all.
    bool known_between = true;

    // Deflection relative to the chord between the member's ends.
    double v_chord(double s) const;
    double w_chord(double s) const;
};

// The actions from the start's end actions and the loads, by equilibrium
// (the far end's actions come out of it); the deflections from the end
// displacements and the curvature, so that an end free to turn gets its own
// rotation. A truss member (bending false) carries its axial force and, across
// it, its start's transverse forces unchanged; in a plane of no stiffness
// (EI 0) the member deflects as the straight line between its ends.
SpanActions actions_along(const SpanData& d);

// A member whose loads are known only by their fixed-end actions: each
// action straight from its start value to its end value (from the start
// and end actions both), each deflection the cubic of the end displacements
// and rotations; known_between false.
SpanActions end_values_only(const SpanData& d);

// The real roots of a polynomial c[0] + c[1] t + ... + c[n] t^n (n <= 5)
// strictly inside (t0, t1), ascending.
std::vector<double> real_roots(const double* c, int n, double t0, double t1);

// Stations along the member for a table of its actions: both ends, every
// break, every extremum of an action or a deflection, and `even` + 1
// evenly spaced points; ascending, each once. Both ends alone where the
// actions are not known between them.
std::vector<double> stations(const SpanActions& a, int even = 20);

} // namespace quill
