#include "along/span_actions.h"

namespace quill {

namespace {

Piecewise straight(double L, double a, double b)
{
    Piece p;
    p.s0 = 0;
    p.s1 = L;
    p.c[0] = a;
    p.c[1] = L > 0 ? (b - a) / L : 0;
    return {{p}};
}

// The cubic through (0, u1) and (L, u2) with slopes t1 and t2.
Piecewise cubic(double L, double u1, double t1, double u2, double t2)
{
    Piece p;
    p.s0 = 0;
    p.s1 = L;
    p.c[0] = u1;
    p.c[1] = t1;
    if (L > 0) {
        double d = (u2 - u1) / L;
        p.c[2] = (3 * d - 2 * t1 - t2) / L;
        p.c[3] = (t1 + t2 - 2 * d) / (L * L);
    }
    return {{p}};
}

} // namespace

SpanActions end_values_only(const SpanData& d)
{
    const std::array<double, 12>& A = d.actions;
    const std::array<double, 12>& u = d.ends;
    SpanActions a;
    a.L = d.L;
    a.known_between = false;
    a.breaks = {0, d.L};
    // The signs of the actions along the member at its two ends.
    a.N = straight(d.L, -A[0], A[6]);
    a.Vy = straight(d.L, A[1], -A[7]);
    a.Vz = straight(d.L, A[2], -A[8]);
    a.T = straight(d.L, -A[3], A[9]);
    a.My = straight(d.L, -A[4], A[10]);
    a.Mz = straight(d.L, -A[5], A[11]);
    a.v = cubic(d.L, u[1], u[5], u[7], u[11]);
    a.w = cubic(d.L, u[2], -u[4], u[8], -u[10]);
    return a;
}

} // namespace quill
