// Roots by monotone pieces: the roots of the derivative (found the same
// way, one degree down) split the interval into pieces on which the
// polynomial is monotone, so each piece holds at most one crossing, found
// by Newton's method kept inside a shrinking sign-change bracket. A root
// of the derivative where the polynomial is zero within its rounding error
// is a multiple root; it is taken as it is, for bisection cannot find it.
#include "along/polynomial.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "along/span_actions.h"

namespace quill {

namespace {

struct Value {
    double p, dp;
    double noise; // a bound on the rounding error of p
};

Value evaluate(const double* c, int n, double t)
{
    double p = c[n], dp = 0, size = std::fabs(c[n]), at = std::fabs(t);
    for (int k = n - 1; k >= 0; --k) {
        dp = dp * t + p;
        p = p * t + c[k];
        size = size * at + std::fabs(c[k]);
    }
    return {p, dp, 4.0 * (n + 1) * std::numeric_limits<double>::epsilon() * size};
}

// The root of a polynomial monotone on [lo, hi] whose value changes sign
// there, p(lo) of the sign of plo, to the last bit the bracket can shrink.
double crossing(const double* c, int n, double lo, double hi, double plo)
{
    double x = lo + 0.5 * (hi - lo);
    double width = hi - lo, older = width;
    for (int it = 0; it < 200; ++it) {
        Value e = evaluate(c, n, x);
        if (e.p == 0)
            return x;
        ((e.p < 0) == (plo < 0) ? lo : hi) = x;
        double mid = lo + 0.5 * (hi - lo);
        if (mid <= lo || mid >= hi)
            break;
        double next = x - e.p / e.dp;
        // Newton where it stays inside and the bracket keeps halving at
        // least every second step; bisection otherwise.
        if (!(next > lo && next < hi) || hi - lo > 0.5 * older)
            next = mid;
        if (next == x)
            return x;
        older = width;
        width = hi - lo;
        x = next;
    }
    return std::fabs(evaluate(c, n, lo).p) <= std::fabs(evaluate(c, n, hi).p) ? lo : hi;
}

} // namespace

double polynomial_at(const double* c, int n, double t)
{
    double p = c[n];
    for (int k = n - 1; k >= 0; --k)
        p = p * t + c[k];
    return p;
}

int roots_inside(const double* c, int n, double t0, double t1, double* out)
{
    while (n > 0 && c[n] == 0)
        --n;
    if (n <= 0 || !(t0 < t1))
        return 0;
    if (n == 1) {
        double r = -c[0] / c[1];
        if (r > t0 && r < t1) {
            out[0] = r;
            return 1;
        }
        return 0;
    }
    double d[max_degree];
    for (int k = 1; k <= n; ++k)
        d[k - 1] = k * c[k];
    // x[0] = t0, the derivative's roots, x[nc + 1] = t1.
    double x[max_degree + 1], p[max_degree + 1];
    bool zero[max_degree + 1] = {};
    int nc = roots_inside(d, n - 1, t0, t1, x + 1);
    x[0] = t0;
    x[nc + 1] = t1;
    for (int i = 0; i <= nc + 1; ++i) {
        Value e = evaluate(c, n, x[i]);
        p[i] = e.p;
        zero[i] = i > 0 && i <= nc && std::fabs(e.p) <= e.noise;
    }
    int m = 0;
    for (int i = 0; i <= nc; ++i) {
        if (!zero[i] && !zero[i + 1] && p[i] != 0 && p[i + 1] != 0 && (p[i] < 0) != (p[i + 1] < 0))
            out[m++] = crossing(c, n, x[i], x[i + 1], p[i]);
        if (zero[i + 1])
            out[m++] = x[i + 1];
    }
    return m;
}

std::vector<double> real_roots(const double* c, int n, double t0, double t1)
{
    if (n < 0 || n > max_degree)
        throw std::invalid_argument("real_roots: degree " + std::to_string(n) + " outside 0 to 5");
    double r[max_degree];
    int m = roots_inside(c, n, t0, t1, r);
    return std::vector<double>(r, r + m);
}

} // namespace quill
