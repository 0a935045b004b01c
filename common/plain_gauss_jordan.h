// The Gauss-Jordan inversion as its triple loop reads, and the product
// D = B * AC over every column: the results the fast elimination must give
// bit for bit, and the path it takes when it cannot promise them.
//
// K and B are 1-based with rows `stride` floats apart; only rows and columns
// 1..n are touched.
#pragma once

#include <cmath>
#include <cstddef>

namespace qm {

// How an inversion ended: B holds the inverse; the order exceeded the
// matrix's capacity and nothing was changed; or a pivot failed the test
// below and the structure is unstable (the failing equation is reported).
enum class Inversion { done, over_capacity, unstable };

// The pivot test of every elimination: finite, positive and not below the
// tolerance times the diagonal the pivot started from (pre-normalised to 1).
inline bool pivot_holds(float pivot, float tolerance)
{
    return pivot > tolerance && std::isfinite(pivot);
}

// Returns done with B the inverse, or unstable with *failed the equation
// whose pivot failed the test. skip_zero_factors leaves a row whose factor is 0 as it is,
// as the suite has always done; without it this is the textbook loop.
Inversion plain_invert(float* K, float* B, std::size_t stride, int n, float pivot_tolerance, int* failed,
                 bool skip_zero_factors = true);

// D[i] = B[i][1]*AC[1] + ... + B[i][n]*AC[n], summed in that order.
void plain_solve(const float* B, std::size_t stride, int n, const float AC[], float D[]);

} // namespace qm
