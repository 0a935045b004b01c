// Gauss-Jordan elimination of the free block of K without forming B: what it
// keeps (the factors of every pass, the pre-normalisation divisors and the
// diagonal before the final normalisation) is all any column of B needs, and
// inverse_columns.h forms the columns from it.
//
// Every value kept is the one the plain triple loop (plain_gauss_jordan.h)
// computes, through the same sequence of single-precision roundings. Left
// out is only work whose result cannot be seen:
//  - rows whose factor is 0, and columns where the pivot row holds an exact 0
//    (x - 0*f is x for a finite f; a factor that is not finite ends the
//    elimination, for the caller to fall back on the plain loop);
//  - entries of K never read again: of an eliminated column, rows above the
//    current pivot need only their own diagonal, which the final
//    normalisation divides by. Rows below keep it all: they are pivot rows
//    to come, and the rounding left in their eliminated columns reaches the
//    diagonals above;
//  - the final normalisation of K, which nothing reads.
// Signed zeros may differ from the plain loop's; no other value does.
#pragma once

#include <cstddef>
#include <vector>

namespace qm {

struct EliminationRecord {
    int n = 0;
    float* factors = nullptr;        // the factors of pass q, rows 1..last[q], one pass after another
    std::vector<std::size_t> offset; // factors + offset[q] is pass q's, indexed by row
    std::vector<int> last;           // below it no row of the envelope reaches column q: no factor
    std::vector<float> reciprocal;   // B[i][i] after pre-normalisation, 1/K[i][i]
    std::vector<float> diagonal;     // K[i][i] when the final normalisation divides row i by it
    std::vector<int> top, bottom;    // rows with a non-zero factor in pass q lie in top[q]..bottom[q]

    const float* factor_row(int q) const { return factors + offset[q]; }
};

enum class Elimination { done, pivot_failed, not_finite };

// Eliminates K (1-based, rows `stride` floats apart) in place; K's free block
// is scratch afterwards, rows above n are not touched. first[i]..last[i]
// must hold every non-zero of row i of the free block. Factors go to
// `factors`, room for n * (n + 1) of them. pivot_failed sets *failed as the
// plain loop would; not_finite means a divisor, factor, pivot row or final
// diagonal the fast path cannot follow exactly (zero, infinite or NaN).
Elimination eliminate(float* K, std::size_t stride, int n, float pivot_tolerance, const int first[], const int last[],
                      float* factors, int threads, EliminationRecord& rec, int* failed);

} // namespace qm
