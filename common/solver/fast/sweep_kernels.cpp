#include "solver/fast/sweep_kernels.h"

namespace qm {

namespace {

// W floats side by side, loaded and stored wherever they lie.
template <int W>
struct Lanes {
    typedef float type __attribute__((vector_size(W * sizeof(float)), aligned(sizeof(float)), may_alias));
};

// Vectors in flight per row: enough independent subtractions to hide their
// latency, few enough to stay in registers.
template <int M>
constexpr int vectors_per_row = M == 1 ? 4 : 2;

template <int W, int M>
[[gnu::always_inline]] inline void sweep_lanes(float* const x[], const float* const f[], const float* const s[],
                                               int count, int c0, int c1)
{
    using V = typename Lanes<W>::type;
    constexpr int E = vectors_per_row<M>;
    int c = c0;
    for (; c + W * E - 1 <= c1; c += W * E) {
        V v[M][E];
        for (int r = 0; r < M; ++r)
            for (int e = 0; e < E; ++e)
                v[r][e] = *reinterpret_cast<const V*>(x[r] + c + e * W);
        for (int t = 0; t < count; ++t) {
            V st[E];
            for (int e = 0; e < E; ++e)
                st[e] = *reinterpret_cast<const V*>(s[t] + c + e * W);
            for (int r = 0; r < M; ++r) {
                float frt = f[r][t];
                for (int e = 0; e < E; ++e)
                    v[r][e] = v[r][e] - st[e] * frt;
            }
        }
        for (int r = 0; r < M; ++r)
            for (int e = 0; e < E; ++e)
                *reinterpret_cast<V*>(x[r] + c + e * W) = v[r][e];
    }
    for (; c + W - 1 <= c1; c += W)
        for (int r = 0; r < M; ++r) {
            V v = *reinterpret_cast<const V*>(x[r] + c);
            for (int t = 0; t < count; ++t)
                v = v - *reinterpret_cast<const V*>(s[t] + c) * f[r][t];
            *reinterpret_cast<V*>(x[r] + c) = v;
        }
    for (; c <= c1; ++c)
        for (int r = 0; r < M; ++r) {
            float v = x[r][c];
            for (int t = 0; t < count; ++t)
                v = v - s[t][c] * f[r][t];
            x[r][c] = v;
        }
}

template <int W>
[[gnu::always_inline]] inline void sweep_rows(float* const x[], const float* const f[], int rows,
                                              const float* const s[], int count, int c0, int c1)
{
    static_assert(sweep_rows_at_most == 4);
    switch (rows) {
    case 1:
        return sweep_lanes<W, 1>(x, f, s, count, c0, c1);
    case 2:
        return sweep_lanes<W, 2>(x, f, s, count, c0, c1);
    case 3:
        return sweep_lanes<W, 3>(x, f, s, count, c0, c1);
    default:
        return sweep_lanes<W, 4>(x, f, s, count, c0, c1);
    }
}

template <int W>
[[gnu::always_inline]] inline void subtract_lanes(float* x, const float* s, float f, int width)
{
    using V = typename Lanes<W>::type;
    int c = 0;
    for (; c + W <= width; c += W)
        *reinterpret_cast<V*>(x + c) = *reinterpret_cast<const V*>(x + c) - *reinterpret_cast<const V*>(s + c) * f;
    for (; c < width; ++c)
        x[c] = x[c] - s[c] * f;
}

template <int W, int M>
[[gnu::always_inline]] inline void panel_lanes(float* const x[], float* const f[], const float* const s[],
                                               const float pivot[], int count, int first, int width)
{
    for (int t = 0; t < count; ++t)
        for (int r = 0; r < M; ++r) {
            float frt = x[r][first + t] / pivot[t];
            f[r][t] = frt;
            if (frt != 0.0f)
                subtract_lanes<W>(x[r], s[t], frt, width);
        }
}

template <int W>
[[gnu::always_inline]] inline void panel_rows(float* const x[], float* const f[], int rows, const float* const s[],
                                              const float pivot[], int count, int first, int width)
{
    switch (rows) {
    case 1:
        return panel_lanes<W, 1>(x, f, s, pivot, count, first, width);
    case 2:
        return panel_lanes<W, 2>(x, f, s, pivot, count, first, width);
    case 3:
        return panel_lanes<W, 3>(x, f, s, pivot, count, first, width);
    default:
        return panel_lanes<W, 4>(x, f, s, pivot, count, first, width);
    }
}

void panel_sse(float* const x[], float* const f[], int rows, const float* const s[], const float pivot[], int count,
               int first, int width)
{
    panel_rows<4>(x, f, rows, s, pivot, count, first, width);
}

__attribute__((target("avx2"))) void panel_avx2(float* const x[], float* const f[], int rows,
                                                const float* const s[], const float pivot[], int count, int first,
                                                int width)
{
    panel_rows<8>(x, f, rows, s, pivot, count, first, width);
}

void sweep_sse(float* const x[], const float* const f[], int rows, const float* const s[], int count, int c0, int c1)
{
    sweep_rows<4>(x, f, rows, s, count, c0, c1);
}

__attribute__((target("avx2"))) void sweep_avx2(float* const x[], const float* const f[], int rows,
                                                const float* const s[], int count, int c0, int c1)
{
    sweep_rows<8>(x, f, rows, s, count, c0, c1);
}

void subtract_sse(float* x, const float* s, float f, int width) { subtract_lanes<4>(x, s, f, width); }

__attribute__((target("avx2"))) void subtract_avx2(float* x, const float* s, float f, int width)
{
    subtract_lanes<8>(x, s, f, width);
}

// Asked during static initialisation, hence the explicit init.
const bool has_avx2 = (__builtin_cpu_init(), __builtin_cpu_supports("avx2"));

} // namespace

void sweep(float* const x[], const float* const f[], int rows, const float* const s[], int count, int c0, int c1)
{
    (has_avx2 ? sweep_avx2 : sweep_sse)(x, f, rows, s, count, c0, c1);
}

void subtract_multiple(float* x, const float* s, float f, int width)
{
    (has_avx2 ? subtract_avx2 : subtract_sse)(x, s, f, width);
}

void eliminate_panel_columns(float* const x[], float* const f[], int rows, const float* const s[],
                             const float pivot[], int count, int first, int width)
{
    (has_avx2 ? panel_avx2 : panel_sse)(x, f, rows, s, pivot, count, first, width);
}

} // namespace qm
