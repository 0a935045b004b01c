#include "stiffness_matrix.h"

#include <algorithm>
#include <cmath>

namespace qm {

StiffnessMatrix::StiffnessMatrix(int capacity)
    : C_(capacity), stride_(static_cast<std::size_t>(capacity) + 1), K_(stride_ * stride_, 0.0f),
      B_(stride_ * stride_, 0.0f)
{
}

void StiffnessMatrix::clear_matrix()
{
    std::fill(K_.begin(), K_.end(), 0.0f);
}

void StiffnessMatrix::assemble_member(const MemberMatrix& sms, const int raw[], const DofNumbering& dofs)
{
    for (int c = 1; c <= sms.nd; ++c) {
        if (dofs.rl[raw[c]] != 0)
            continue;
        int ec = dofs.equation(raw[c]);
        for (int r = 1; r <= sms.nd; ++r)
            k(dofs.equation(raw[r]), ec) += sms.a[r][c];
    }
}

int StiffnessMatrix::invert(int n, float pivot_tolerance, int* failed)
{
    if (n > C_)
        return 1;
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            b(i, j) = i == j ? 1.0f : 0.0f;

    // Pre-normalisation: every row divided by its own diagonal, so each pivot
    // starts at 1 and what is left of it when its turn comes measures how much
    // stiffness the equation keeps once the earlier equations are taken out.
    for (int i = 1; i <= n; ++i) {
        float d = k(i, i);
        for (int j = 1; j <= n; ++j) {
            k(i, j) = k(i, j) / d;
            b(i, j) = b(i, j) / d;
        }
    }

    for (int i = 1; i <= n; ++i) {
        float pivot = k(i, i);
        if (!(pivot > pivot_tolerance) || !std::isfinite(pivot)) {
            *failed = i;
            return 2;
        }
        float* Ki = &k(i, 0);
        float* Bi = &b(i, 0);
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            float f = k(j, i) / pivot;
            // A zero factor leaves the row as it is (x - y*0 = x for finite y).
            if (f == 0.0f)
                continue;
            float* Kj = &k(j, 0);
            float* Bj = &b(j, 0);
            for (int c = 1; c <= n; ++c) {
                Kj[c] = Kj[c] - Ki[c] * f;
                Bj[c] = Bj[c] - Bi[c] * f;
            }
        }
    }

    for (int i = 1; i <= n; ++i) {
        float d = k(i, i);
        for (int j = 1; j <= n; ++j) {
            k(i, j) = k(i, j) / d;
            b(i, j) = b(i, j) / d;
        }
    }
    return 0;
}

void StiffnessMatrix::apply_inverse(int n, const double r[], double out[]) const
{
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int j = 1; j <= n; ++j)
            sum += b(i, j) * r[j];
        out[i] = sum;
    }
}

void StiffnessMatrix::solve_displacements(int n, const float AC[], float D[])
{
    for (int i = 1; i <= n; ++i) {
        float sum = 0.0f;
        const float* Bi = &b(i, 0);
        for (int j = 1; j <= n; ++j)
            sum = sum + Bi[j] * AC[j];
        D[i] = sum;
    }
}

void StiffnessMatrix::support_reactions(int n, int nr, const float AC[], const float D[], float AR[])
{
    for (int r = n + 1; r <= n + nr; ++r) {
        float sum = -AC[r];
        const float* Kr = &k(r, 0);
        for (int j = 1; j <= n; ++j)
            sum = sum + Kr[j] * D[j];
        AR[r] = sum;
    }
}

void expand_to_joints(const DofNumbering& dofs, float D[], float AR[])
{
    int total = dofs.n + dofs.nr;
    int c = dofs.n;
    for (int q = total; q >= 1; --q) {
        if (dofs.rl[q] != 0) {
            D[q] = 0.0f;
        } else {
            D[q] = D[c];
            --c;
        }
    }
    c = dofs.n;
    for (int q = 1; q <= total; ++q) {
        if (dofs.rl[q] == 1) {
            AR[q] = AR[c + 1];
            ++c;
        } else {
            AR[q] = 0.0f;
        }
    }
}

} // namespace qm
