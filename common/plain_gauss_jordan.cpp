#include "plain_gauss_jordan.h"

namespace qm {

static void normalise_rows(float* K, float* B, std::size_t stride, int n)
{
    for (int i = 1; i <= n; ++i) {
        float* Ki = K + i * stride;
        float* Bi = B + i * stride;
        float d = Ki[i];
        for (int j = 1; j <= n; ++j) {
            Ki[j] = Ki[j] / d;
            Bi[j] = Bi[j] / d;
        }
    }
}

Inversion plain_invert(float* K, float* B, std::size_t stride, int n, float pivot_tolerance, int* failed,
                 bool skip_zero_factors)
{
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            B[i * stride + j] = i == j ? 1.0f : 0.0f;

    // Pre-normalisation: every pivot starts at 1, so what is left of it when
    // its turn comes measures the stiffness its equation keeps.
    normalise_rows(K, B, stride, n);

    for (int i = 1; i <= n; ++i) {
        const float* Ki = K + i * stride;
        const float* Bi = B + i * stride;
        float pivot = Ki[i];
        if (!pivot_holds(pivot, pivot_tolerance)) {
            *failed = i;
            return Inversion::unstable;
        }
        for (int j = 1; j <= n; ++j) {
            if (j == i)
                continue;
            float* Kj = K + j * stride;
            float* Bj = B + j * stride;
            float f = Kj[i] / pivot;
            if (skip_zero_factors && f == 0.0f)
                continue;
            for (int c = 1; c <= n; ++c) {
                Kj[c] = Kj[c] - Ki[c] * f;
                Bj[c] = Bj[c] - Bi[c] * f;
            }
        }
    }

    normalise_rows(K, B, stride, n);
    return Inversion::done;
}

void plain_solve(const float* B, std::size_t stride, int n, const float AC[], float D[])
{
    for (int i = 1; i <= n; ++i) {
        const float* Bi = B + i * stride;
        float sum = 0.0f;
        for (int j = 1; j <= n; ++j)
            sum = sum + Bi[j] * AC[j];
        D[i] = sum;
    }
}

} // namespace qm
