// Stations for a table of the actions along a member. Where a computed
// extremum falls on a break or an even station (a midspan maximum found at
// L/2 up to rounding), the exact point stands for both.
#include <algorithm>

#include "along/polynomial.h"
#include "along/span_actions.h"
#include "along/turning.h"

namespace quill {

namespace {

struct Candidate {
    double s;
    int rank; // 0 ends and breaks, 1 even stations, 2 computed extrema
};

void add_turning(const Piecewise& f, double chord_slope, std::vector<Candidate>& out)
{
    double t[max_degree];
    for (Piece q : f.pieces) {
        // The chord's straight line has no part in where the offset from it turns.
        q.c[1] -= chord_slope;
        int n = turning_points(q, t);
        for (int i = 0; i < n; ++i)
            out.push_back({t[i], 2});
    }
}

double chord_slope(const Piecewise& v, double L)
{
    return L > 0 ? (v.at(L) - v.before(0)) / L : 0;
}

} // namespace

std::vector<double> stations(const SpanActions& a, int even)
{
    const double L = a.L, tol = 1e-9 * L;
    if (!a.known_between)
        return {0, L};
    std::vector<Candidate> c;
    c.reserve(a.breaks.size() + static_cast<size_t>(std::max(even, 0)) + 1 + 8 * a.N.pieces.size());
    for (double b : a.breaks)
        c.push_back({b, 0});
    c.push_back({0, 0});
    c.push_back({L, 0});
    for (int i = 0; i <= even && even > 0; ++i)
        c.push_back({L * i / even, 1});
    for (const Piecewise* f : {&a.N, &a.Vy, &a.Vz, &a.T, &a.My, &a.Mz})
        add_turning(*f, 0, c);
    add_turning(a.v, chord_slope(a.v, L), c);
    add_turning(a.w, chord_slope(a.w, L), c);
    std::sort(c.begin(), c.end(), [](const Candidate& x, const Candidate& y) { return x.s < y.s; });
    std::vector<double> out;
    out.reserve(c.size());
    size_t i = 0;
    while (i < c.size()) {
        // A cluster of points within tol of its first; its best-ranked one stands.
        size_t best = i, j = i;
        for (; j < c.size() && c[j].s - c[i].s <= tol; ++j)
            if (c[j].rank < c[best].rank)
                best = j;
        out.push_back(std::min(std::max(c[best].s, 0.0), L));
        i = j;
    }
    return out;
}

} // namespace quill
