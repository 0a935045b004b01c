// The sweep of a symmetric matrix on one pivot (Goodnight's operator).
// Swept on a set R of its entries, a matrix k becomes
//   k_rr⁻¹ (R rows, R columns),     k_rr⁻¹ k_rc (R rows, other columns),
//   −k_cr k_rr⁻¹ (other rows, R columns), k_cc − k_cr k_rr⁻¹ k_rc (the rest),
// whatever the order of the pivots: both a member's static condensation
// and the test of a joint's rotations for stiffness are this.
#pragma once

namespace quill {

// a: n by n, a[i][j]; a[r][r] must not be 0.
template <class Square> void sweep(Square& a, int n, int r)
{
    const double d = a[r][r];
    for (int j = 0; j < n; ++j)
        a[r][j] /= d;
    for (int i = 0; i < n; ++i) {
        if (i == r)
            continue;
        const double b = a[i][r];
        if (b == 0)
            continue;
        for (int j = 0; j < n; ++j)
            a[i][j] -= b * a[r][j];
        a[i][r] = -b / d;
    }
    a[r][r] = 1 / d;
}

} // namespace quill
