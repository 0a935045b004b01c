// Equilibrium of the member from its start to a section, piece by piece:
// the start's end actions, then each piece's distributed load integrated
// in closed form (a linear load gives a quadratic shear and a cubic
// moment), and at each break the jumps of the point loads standing there.
// The deflection integrates the curvature twice from the start's
// displacement; the start slope that meets the far end's displacement
// follows at the end, as a straight line added to the whole member.
#include <algorithm>
#include <cmath>

#include "along/polynomial.h"
#include "along/span_actions.h"

namespace quill {

namespace {

// The six actions at a section, in the order of the end actions.
enum { N_, Vy_, Vz_, T_, My_, Mz_ };
using Actions = std::array<double, 6>;

// A point load's jump in the actions as the section passes it: the load
// lies on the member's start side of the section from then on.
void pass(const AxisLoad& l, Actions& x)
{
    double P = l.p.q1;
    if (l.p.form == Profile::force) {
        if (l.axis == 0)
            x[N_] -= P;
        else
            x[l.axis == 1 ? Vy_ : Vz_] += P;
    } else {
        x[l.axis == 0 ? T_ : l.axis == 1 ? My_ : Mz_] -= P;
    }
}

double clamp_to(double s, double L)
{
    return std::min(std::max(s, 0.0), L);
}

// 0, L and every load discontinuity, ascending; points closer than tol
// merged into the first of them (0 and L kept exact).
void find_breaks(const SpanData& d, double tol, std::vector<double>& breaks)
{
    breaks.reserve(2 + 2 * d.loads.size());
    breaks.push_back(0);
    for (const AxisLoad& l : d.loads) {
        breaks.push_back(clamp_to(l.p.a, d.L));
        if (l.p.form == Profile::distributed)
            breaks.push_back(clamp_to(l.p.b, d.L));
    }
    breaks.push_back(d.L);
    std::sort(breaks.begin(), breaks.end());
    size_t n = 1;
    for (size_t i = 1; i < breaks.size(); ++i)
        if (breaks[i] - breaks[n - 1] > tol)
            breaks[n++] = breaks[i];
    breaks.resize(n);
    if (n > 1)
        breaks.back() = d.L;
    else if (d.L > 0)
        breaks.push_back(d.L);
}

// The index of the break nearest s.
size_t nearest(const std::vector<double>& breaks, double s)
{
    size_t i = static_cast<size_t>(std::lower_bound(breaks.begin(), breaks.end(), s) - breaks.begin());
    if (i == breaks.size() || (i > 0 && s - breaks[i - 1] < breaks[i] - s))
        --i;
    return i;
}

// The distributed load along each axis over [s0, s1], q0 + q1 t in t = s - s0.
struct Load {
    double q0[3] = {}, q1[3] = {};
};

Load load_on(const SpanData& d, double s0, double s1)
{
    Load q;
    double mid = 0.5 * (s0 + s1);
    for (const AxisLoad& l : d.loads) {
        const Profile& p = l.p;
        if (p.form != Profile::distributed)
            continue;
        double a = std::min(p.a, p.b), b = std::max(p.a, p.b);
        if (!(mid > a && mid < b))
            continue;
        double slope = (p.q2 - p.q1) / (p.b - p.a);
        q.q0[l.axis] += p.q1 + slope * (s0 - p.a);
        q.q1[l.axis] += slope;
    }
    return q;
}

struct Functions {
    Piecewise* f[6];
};

void add_piece(const Functions& out, double s0, double s1, const std::array<Piece, 6>& p)
{
    for (int k = 0; k < 6; ++k) {
        out.f[k]->pieces.push_back(p[static_cast<size_t>(k)]);
        out.f[k]->pieces.back().s0 = s0;
        out.f[k]->pieces.back().s1 = s1;
    }
}

std::array<Piece, 6> constants(const Actions& x)
{
    std::array<Piece, 6> p{};
    for (size_t k = 0; k < 6; ++k)
        p[k].c[0] = x[k];
    return p;
}

// The actions over one piece of length h from their values x at its start,
// and x carried to its end.
std::array<Piece, 6> integrate(const Load& q, Actions& x, double h, bool bending)
{
    std::array<Piece, 6> p = constants(x);
    p[N_].c = {x[N_], -q.q0[0], -q.q1[0] / 2};
    if (bending) {
        // Vy' = qy, Mz' = Vy; Vz' = qz, My' = -Vz.
        p[Vy_].c = {x[Vy_], q.q0[1], q.q1[1] / 2};
        p[Mz_].c = {x[Mz_], x[Vy_], q.q0[1] / 2, q.q1[1] / 6};
        p[Vz_].c = {x[Vz_], q.q0[2], q.q1[2] / 2};
        p[My_].c = {x[My_], -x[Vz_], -q.q0[2] / 2, -q.q1[2] / 6};
    }
    for (int k = 0; k < 6; ++k)
        x[static_cast<size_t>(k)] = polynomial_at(p[static_cast<size_t>(k)].c.data(), max_degree, h);
    return p;
}

// The deflection from its curvature (M times curvature_per_M) and its
// values at the ends.
Piecewise deflection(const Piecewise& M, double curvature_per_M, double v0, double vL, double L)
{
    Piecewise v;
    if (curvature_per_M == 0 || !(L > 0)) {
        v.pieces.push_back({0, std::max(L, 0.0), {v0, L > 0 ? (vL - v0) / L : 0}});
        return v;
    }
    v.pieces.reserve(M.pieces.size());
    double y = v0, slope = 0;
    for (const Piece& m : M.pieces) {
        double h = m.s1 - m.s0;
        if (!(h > 0))
            continue;
        Piece p{m.s0, m.s1, {y, slope}};
        for (size_t k = 0; k < 4; ++k)
            p.c[k + 2] = m.c[k] * curvature_per_M / static_cast<double>((k + 1) * (k + 2));
        y = p.at(m.s1);
        slope = p.c[1] + h * (2 * p.c[2] + h * (3 * p.c[3] + h * (4 * p.c[4] + h * 5 * p.c[5])));
        v.pieces.push_back(p);
    }
    double theta = (vL - y) / L;
    for (Piece& p : v.pieces) {
        p.c[0] += theta * p.s0;
        p.c[1] += theta;
    }
    return v;
}

double chord_offset(const Piecewise& v, double s, double L)
{
    if (!(L > 0))
        return 0;
    double v0 = v.before(0), vL = v.at(L);
    return v.at(s) - (v0 + (vL - v0) * s / L);
}

} // namespace

SpanActions actions_along(const SpanData& d)
{
    SpanActions r;
    const double L = d.L;
    r.L = L;
    find_breaks(d, 1e-9 * L, r.breaks);
    const size_t nb = r.breaks.size();
    Functions out{{&r.N, &r.Vy, &r.Vz, &r.T, &r.My, &r.Mz}};
    for (Piecewise* f : out.f)
        f->pieces.reserve(nb + 1);
    const std::array<double, 12>& A = d.actions;
    Actions x = {-A[0], A[1], A[2], -A[3], -A[4], -A[5]};
    if (!d.bending)
        x[T_] = x[My_] = x[Mz_] = 0;
    for (size_t i = 0; i < nb; ++i) {
        const double s = r.breaks[i];
        const Actions start = x;
        bool jumped = false;
        for (const AxisLoad& l : d.loads) {
            bool acts = d.bending || (l.axis == 0 && l.p.form == Profile::force);
            if (l.p.form != Profile::distributed && acts && nearest(r.breaks, clamp_to(l.p.a, L)) == i) {
                pass(l, x);
                jumped = true;
            }
        }
        // A point load at an end: a piece of no length keeps the end's own
        // actions beside those just inside the member.
        if (jumped && i == 0)
            add_piece(out, 0, 0, constants(start));
        if (i + 1 == nb) {
            if (jumped || nb == 1)
                add_piece(out, s, s, constants(x));
            break;
        }
        const double s1 = r.breaks[i + 1];
        add_piece(out, s, s1, integrate(load_on(d, s, s1), x, s1 - s, d.bending));
    }
    const std::array<double, 12>& D = d.ends;
    r.v = deflection(r.Mz, d.bending && d.EIz > 0 ? 1 / d.EIz : 0, D[1], D[7], L);
    r.w = deflection(r.My, d.bending && d.EIy > 0 ? -1 / d.EIy : 0, D[2], D[8], L);
    return r;
}

double SpanActions::v_chord(double s) const
{
    return chord_offset(v, s, L);
}

double SpanActions::w_chord(double s) const
{
    return chord_offset(w, s, L);
}

} // namespace quill
