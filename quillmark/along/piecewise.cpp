// Values and extremes of a function along a member. The pieces are short
// polynomials in the distance from their own start, so the extremes come
// exactly from the piece ends and the roots of each piece's derivative.
#include <algorithm>
#include <cmath>

#include "along/polynomial.h"
#include "along/span_actions.h"
#include "along/turning.h"

namespace quill {

double Piece::at(double s) const
{
    return polynomial_at(c.data(), max_degree, s - s0);
}

double Piecewise::at(double s) const
{
    if (pieces.empty())
        return 0;
    // The last piece starting at or before s: past a jump at s, and at the
    // far end the end's own value (a piece of no length holds it when a
    // point load stands there).
    auto p = std::upper_bound(pieces.begin(), pieces.end(), s, [](double x, const Piece& q) { return x < q.s0; });
    return (p == pieces.begin() ? *p : *(p - 1)).at(s);
}

double Piecewise::before(double s) const
{
    if (pieces.empty())
        return 0;
    auto p = std::lower_bound(pieces.begin(), pieces.end(), s, [](const Piece& q, double x) { return q.s1 < x; });
    return (p == pieces.end() ? pieces.back() : *p).at(s);
}

int turning_points(const Piece& q, double* out)
{
    double h = q.s1 - q.s0;
    if (!(h > 0))
        return 0;
    // A piece that changes by rounding alone has no turning point: its
    // derivative is noise.
    double change = 0, size = std::fabs(q.c[0]), hk = 1;
    for (int k = 1; k <= max_degree; ++k) {
        hk *= h;
        change += std::fabs(q.c[k]) * hk;
    }
    if (change <= 1e-12 * (size + change))
        return 0;
    double d[max_degree];
    for (int k = 1; k <= max_degree; ++k)
        d[k - 1] = k * q.c[k];
    int n = roots_inside(d, max_degree - 1, 0, h, out);
    for (int i = 0; i < n; ++i)
        out[i] += q.s0;
    return n;
}

namespace {

// The extreme of sign `sense` (+1 largest, -1 smallest).
Extreme extreme(const Piecewise& f, double sense)
{
    Extreme e{0, 0};
    bool first = true;
    auto consider = [&](const Piece& q, double s) {
        double v = q.at(s);
        if (first || sense * v > sense * e.value) {
            e = {v, s};
            first = false;
        }
    };
    double t[max_degree];
    for (const Piece& q : f.pieces) {
        consider(q, q.s0);
        int n = turning_points(q, t);
        for (int i = 0; i < n; ++i)
            consider(q, t[i]);
        consider(q, q.s1);
    }
    return e;
}

} // namespace

Extreme Piecewise::max() const
{
    return extreme(*this, 1);
}

Extreme Piecewise::min() const
{
    return extreme(*this, -1);
}

std::vector<double> Piecewise::turning_points() const
{
    std::vector<double> out;
    double t[max_degree];
    for (const Piece& q : pieces) {
        int n = quill::turning_points(q, t);
        out.insert(out.end(), t, t + n);
    }
    return out;
}

} // namespace quill
