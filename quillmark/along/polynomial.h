// Polynomials c[0] + c[1] t + ... + c[n] t^n of degree n <= 5 in a member's
// local coordinate, evaluated and solved without allocating: the actions
// along every member of every combination pass through here.
#pragma once

namespace quill {

constexpr int max_degree = 5;

double polynomial_at(const double* c, int n, double t);

// The real roots strictly inside (t0, t1), ascending, written to out (room
// for n); their count. A root of even multiplicity, where the polynomial
// touches zero without crossing it, counts once.
int roots_inside(const double* c, int n, double t0, double t1, double* out);

} // namespace quill
