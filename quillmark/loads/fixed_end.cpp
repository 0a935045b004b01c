// The fixed-end actions are the work-equivalent end loads with their sign
// turned: for bending the cubic deflection shapes of a built-in member,
//   N1 = 1 - 3t^2 + 2t^3, N2 = L (t - 2t^2 + t^3), N3 = 3t^2 - 2t^3,
//   N4 = L (t^3 - t^2),   t = s / L,
// for axial force and torsion the straight ones 1 - t and t. A force P at
// a gives -P N(a) (P b^2 (3a + b) / L^3, P a b^2 / L^2, ...), a moment M at
// a gives -M N'(a), and a distributed load -integral of N q ds, integrated
// exactly from the polynomials.
#include "loads/fixed_end.h"

namespace quill {

namespace {

// Coefficients of a polynomial in t, lowest power first.
struct Poly {
    double c[4];
};

const Poly cubic[4] = {{{1, 0, -3, 2}}, {{0, 1, -2, 1}}, {{0, 0, 3, -2}}, {{0, 0, -1, 1}}};
const int cubic_scale[4] = {0, 1, 0, 1}; // powers of L: N2 and N4 carry one
const Poly straight[2] = {{{1, -1, 0, 0}}, {{0, 1, 0, 0}}};

double value(const Poly& p, double t)
{
    return p.c[0] + t * (p.c[1] + t * (p.c[2] + t * p.c[3]));
}

double slope(const Poly& p, double t)
{
    return p.c[1] + t * (2 * p.c[2] + t * 3 * p.c[3]);
}

// Integral from ta to tb of p(t) t^k dt.
double moment_integral(const Poly& p, int k, double ta, double tb)
{
    double sum = 0;
    double pa = ta, pb = tb; // powers t^(i+k+1)
    for (int i = 0; i < k; ++i) {
        pa *= ta;
        pb *= tb;
    }
    for (int i = 0; i < 4; ++i) {
        sum += p.c[i] * (pb - pa) / (i + k + 1);
        pa *= ta;
        pb *= tb;
    }
    return sum;
}

// Work-equivalent end load of shape N (scaled by L^scale) for the profile.
double equivalent(const Poly& N, int scale, const Profile& p, double L)
{
    double f = scale ? L : 1.0;
    double ta = p.a / L;
    switch (p.form) {
    case Profile::force: return p.q1 * f * value(N, ta);
    case Profile::moment: return p.q1 * f * slope(N, ta) / L;
    case Profile::distributed: break;
    }
    // q(s) = q1 + (q2 - q1)(s - a)/(b - a) = alpha + beta t, with t = s/L.
    double tb = p.b / L;
    double beta = (p.q2 - p.q1) / (tb - ta);
    double alpha = p.q1 - beta * ta;
    return f * L * (alpha * moment_integral(N, 0, ta, tb) + beta * moment_integral(N, 1, ta, tb));
}

} // namespace

BeamEnds bending(const Profile& p, double L)
{
    double e[4];
    for (int i = 0; i < 4; ++i)
        e[i] = -equivalent(cubic[i], cubic_scale[i], p, L);
    return {e[0], e[1], e[2], e[3]};
}

BarEnds bar(const Profile& p, double L)
{
    return {-equivalent(straight[0], 0, p, L), -equivalent(straight[1], 0, p, L)};
}

} // namespace quill
