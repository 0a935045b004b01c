#include "span_deflection.h"

namespace qm {

// With the load's moments about the start and about the end,
//   integral of q*x     = L^2*(qa/6 + qb/3) = -(V2*L + M1 + M2),
//   integral of q*(L-x) = L^2*(qa/3 + qb/6) =  M1 + M2 - V1*L,
// both sums use all four end actions and give qa and qb alike.
LinearLoad balancing_linear_load(const SpanEndActions& f, double L)
{
    if (!(L > 0))
        return {};
    double about_end = (f.M1 + f.M2 - f.V1 * L) / (L * L);
    double about_start = -(f.V2 * L + f.M1 + f.M2) / (L * L);
    return {4 * about_end - 2 * about_start, 4 * about_start - 2 * about_end};
}

// EI*v'''' = q with v = v' = 0 at both ends: a load rising from 0 at the
// start to q at the end gives v = q*L^4/(120*EI) * t^2*(1-t)^2*(2+t), one
// falling to 0 at the end the mirror image with 3-t; their sum is the
// uniform load's q*L^4/(24*EI) * t^2*(1-t)^2.
double fixed_end_deflection(const LinearLoad& q, double L, double EI, double t)
{
    if (!(EI > 0) || !(L > 0))
        return 0;
    double shape = t * t * (1 - t) * (1 - t);
    return L * L * L * L / (120 * EI) * shape * (q.qa * (3 - t) + q.qb * (2 + t));
}

} // namespace qm
