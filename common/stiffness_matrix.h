// The structure stiffness matrix K and its inverse B, dense, single precision,
// 1-based, allocated once at the program's capacity C (rows and columns 1..C).
//
// K holds rows 1..n+nr and columns 1..n: the free-free block, then the support
// rows used for the reactions. The inversion works on rows and columns 1..n
// only, so the support rows survive it untouched.
//
// Every result is bit for bit the plain Gauss-Jordan loop's
// (plain_gauss_jordan.h). The inversion keeps B as the record of its
// elimination (elimination.h) and forms only the columns of B that meet a
// non-zero load (inverse_columns.h). Where it cannot vouch for that shortcut
// (a zero, infinite or NaN divisor, factor or pivot row, an inverse that may
// overflow) it runs the plain loop on the matrix as assembled; loads that
// are not finite meet all of B. Debug builds run the plain loop as well and
// assert that every result agrees with it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

#include "dof_numbering.h"
#include "elimination.h"
#include "plain_gauss_jordan.h"

namespace qm {

// Storage from calloc, whose fresh pages cost nothing until written.
struct FreeFloats {
    void operator()(float* p) const { std::free(p); }
};
using ZeroedFloats = std::unique_ptr<float[], FreeFloats>;

// One member's stiffness in global axes, rows and columns 1..nd (up to 12).
struct MemberMatrix {
    int nd = 0;
    float a[13][13] = {};

    // The matrix of order N written out row by row, rows[0] being row 1.
    template <int N> void set_rows(const float (&rows)[N][N])
    {
        static_assert(N <= 12);
        nd = N;
        for (int r = 1; r <= N; ++r)
            for (int c = 1; c <= N; ++c)
                a[r][c] = rows[r - 1][c - 1];
    }
};

class StiffnessMatrix {
public:
    explicit StiffnessMatrix(int capacity);

    int capacity() const { return C_; }
    // An entry of K, within the span of its row that the next clear_matrix
    // clears.
    float& k(int i, int j)
    {
        if (j < written_lo_[i] || j > written_hi_[i])
            write_zeros_to(i, j);
        return K_[static_cast<std::size_t>(i) * stride_ + j];
    }
    // An entry of B after invert(); the first call forms all of B, which the
    // solution itself never needs.
    float b(int i, int j);

    // Zeros wherever K has been written since the last clear (it starts zero,
    // and memory never written is never touched).
    void clear_matrix();

    // Adds the member's global stiffness at the equation numbers of its raw
    // degrees of freedom raw[1..nd]. Columns of restrained degrees of freedom
    // are never formed. Every entry is added, coupling entries included, so
    // two members joining the same pair of joints both count.
    void assemble_member(const MemberMatrix& sms, const int raw[], const DofNumbering& dofs);

    // Gauss-Jordan inversion of the n x n block, without pivoting.
    // over_capacity when n exceeds the capacity (nothing changed); unstable
    // when a pivot is not finite, not positive or below pivot_tolerance times
    // the diagonal it started from, *failed then holding its equation.
    // K's free block is scratch afterwards.
    Inversion invert(int n, float pivot_tolerance, int* failed);

    // D = B * AC over 1..n, summed over j in increasing order. Needs an
    // inversion that ended done.
    void solve_displacements(int n, const float AC[], float D[]);
    // out = B * r over 1..n in double precision (corrections of the
    // displacements); its rounding follows no other computation.
    void apply_inverse(const double r[], double out[], int n);
    // AR[r] = -AC[r] + sum of K[r][j] * D[j], r = n+1..n+nr.
    void support_reactions(int n, int nr, const float AC[], const float D[], float AR[]);

private:
    // What B_ holds: nothing usable, the elimination record's factors, or B.
    enum class Inverse { none, recorded, formed };

    float* row(int i) { return K_.get() + static_cast<std::size_t>(i) * stride_; }
    void write_zeros_to(int i, int j);
    void keep_assembled(int n);
    void restore_assembled(float* K, int n) const;
    void form_inverse();
    void replay_plain(int n, float pivot_tolerance, Inversion outcome, int failed);
    void check_displacements(int n, const float AC[], const float D[]) const;

    int C_;
    std::size_t stride_;
    ZeroedFloats K_, B_; // B_ holds the record's factors while inverse_ is recorded
    // Columns of row i written since the last clear; K is zero outside and
    // its memory there untouched.
    std::vector<int> written_lo_, written_hi_;
    Inverse inverse_ = Inverse::none;
    EliminationRecord record_;
    std::vector<int> first_, last_;      // non-zeros of row i of the free block lie in first_[i]..last_[i]
    struct Entry {
        int i, j;
        float value;
    };
    std::vector<Entry> assembled_;       // the free block's non-zeros as assembled (-0 included)
    std::vector<int> loaded_;            // equations with a non-zero load
    std::vector<float> columns_;         // B's columns at those equations
    std::vector<float> plain_K_, plain_B_; // debug builds: the plain loop's own run
};

// D and AR in raw (joint) order from Deq and AReq in equation order:
// restrained degrees of freedom get displacement 0, free ones reaction 0.
void expand_to_joints(const DofNumbering& dofs, const float Deq[], const float AReq[], float D[], float AR[]);

} // namespace qm
