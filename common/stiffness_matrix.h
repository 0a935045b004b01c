// The structure stiffness matrix K and its inverse B, dense, single precision,
// 1-based, allocated once at the program's capacity C (rows and columns 1..C).
//
// K holds rows 1..n+nr and columns 1..n: the free-free block, then the support
// rows used for the reactions. The inversion works on rows and columns 1..n
// only, so the support rows survive it untouched.
#pragma once

#include <cstddef>
#include <vector>

#include "dof_numbering.h"

namespace qm {

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
    float& k(int i, int j) { return K_[static_cast<std::size_t>(i) * stride_ + j]; }
    float& b(int i, int j) { return B_[static_cast<std::size_t>(i) * stride_ + j]; }
    float b(int i, int j) const { return B_[static_cast<std::size_t>(i) * stride_ + j]; }

    void clear_matrix();

    // Adds the member's global stiffness at the equation numbers of its raw
    // degrees of freedom raw[1..nd]. Columns of restrained degrees of freedom
    // are never formed. Every entry is added, coupling entries included, so
    // two members joining the same pair of joints both count.
    void assemble_member(const MemberMatrix& sms, const int raw[], const DofNumbering& dofs);

    // Gauss-Jordan inversion of the n x n block into B, without pivoting.
    // Returns 0 on success, 1 when n exceeds the capacity (nothing changed),
    // 2 when a pivot is not finite, not positive or below pivot_tolerance
    // times the diagonal it started from; *failed then holds its equation.
    int invert(int n, float pivot_tolerance, int* failed);

    // out = B * r over 1..n, in double precision.
    void apply_inverse(int n, const double r[], double out[]) const;
    // D = B * AC over 1..n.
    void solve_displacements(int n, const float AC[], float D[]);
    // AR[r] = -AC[r] + sum of K[r][j] * D[j], r = n+1..n+nr.
    void support_reactions(int n, int nr, const float AC[], const float D[], float AR[]);

private:
    int C_;
    std::size_t stride_;
    std::vector<float> K_, B_;
};

// Rewrites D and AR from equation order into raw order (in place): restrained
// degrees of freedom get displacement 0, free ones reaction 0.
void expand_to_joints(const DofNumbering& dofs, float D[], float AR[]);

} // namespace qm
