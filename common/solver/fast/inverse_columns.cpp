#include "solver/fast/inverse_columns.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <system_error>
#include <thread>
#include <vector>

#include "solver/fast/sweep_kernels.h"

namespace qm {

bool inverse_stays_finite(const EliminationRecord& rec)
{
    // u[r] bounds |B[r][j]| over all j: each step x - y*f rounds twice, so
    // |result| <= (|x| + |y|*|f|)(1 + 2^-24)^2 plus an underflow's worth.
    // Rows left alone grow their bound too, which keeps it a bound and the
    // loop free of branches.
    const double grow = 1.0 + std::ldexp(1.0, -20);
    const double underflow = std::ldexp(1.0, -140);
    const double limit = FLT_MAX / 2;
    int n = rec.n;
    std::vector<double> u(n + 1);
    for (int i = 1; i <= n; ++i)
        u[i] = std::fabs(static_cast<double>(rec.reciprocal[i]));
    for (int q = 1; q <= n; ++q) {
        const float* Fq = rec.factor_row(q);
        double uq = u[q];
        for (int r = rec.top[q]; r <= rec.bottom[q]; ++r)
            u[r] = (u[r] + std::fabs(static_cast<double>(Fq[r])) * uq) * grow + underflow;
    }
    for (int i = 1; i <= n; ++i) {
        double last = u[i] / std::fabs(static_cast<double>(rec.diagonal[i])) * grow + underflow;
        if (!(u[i] <= limit) || !(last <= limit))
            return false;
    }
    return true;
}

// Columns cols[t] for t = first, first + step, ...: the passes in order,
// each applied to every column that has a non-zero in the pivot row, so a
// row of factors is read once for all of them.
static void form_some(const EliminationRecord& rec, const int cols[], int count, int first, int step, float* out,
                      std::size_t out_stride)
{
    int n = rec.n;
    int start = n + 1;
    for (int t = first; t < count; t += step) {
        float* v = out + t * out_stride;
        std::fill(v, v + n + 1, 0.0f);
        v[cols[t]] = rec.reciprocal[cols[t]];
        start = std::min(start, cols[t]);
    }
    for (int q = start; q <= n; ++q) {
        const float* Fq = rec.factor_row(q);
        int top = rec.top[q], bottom = rec.bottom[q];
        for (int t = first; t < count; t += step) {
            float* v = out + t * out_stride;
            float y = v[q];
            if (y == 0.0f)
                continue;
            // Factor 0 on the pivot row itself and on rows left alone: the
            // subtraction leaves them as they are.
            if (bottom >= top)
                subtract_multiple(v + top, Fq + top, y, bottom - top + 1);
        }
    }
    for (int t = first; t < count; t += step) {
        float* v = out + t * out_stride;
        for (int r = 1; r <= n; ++r)
            v[r] = v[r] / rec.diagonal[r];
    }
}

void form_columns(const EliminationRecord& rec, const int cols[], int count, float* out, std::size_t out_stride,
                  int threads)
{
    threads = std::max(1, std::min(threads, count));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(form_some, std::cref(rec), cols, count, t, threads, out, out_stride);
        } catch (const std::system_error&) {
            form_some(rec, cols, count, t, threads, out, out_stride);
        }
    }
    form_some(rec, cols, count, 0, threads, out, out_stride);
    for (std::thread& h : helpers)
        h.join();
}

void apply_recorded_inverse(const EliminationRecord& rec, const double r[], double out[])
{
    int n = rec.n;
    for (int i = 1; i <= n; ++i)
        out[i] = r[i] * rec.reciprocal[i];
    for (int q = 1; q <= n; ++q) {
        double y = out[q];
        if (y == 0.0)
            continue;
        const float* Fq = rec.factor_row(q);
        for (int row = rec.top[q]; row <= rec.bottom[q]; ++row)
            out[row] -= y * Fq[row];
    }
    for (int i = 1; i <= n; ++i)
        out[i] /= rec.diagonal[i];
}

} // namespace qm
