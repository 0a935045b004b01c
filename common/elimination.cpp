#include "elimination.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <cstring>
#include <system_error>
#include <thread>

#include "plain_gauss_jordan.h"

namespace qm {

namespace {

// Passes per panel. The panel's pivot rows, copied as they stood at their
// pass, stay in cache while every other row takes all of the panel's passes
// in one sweep over its columns.
constexpr int panel_width = 32;
// Rows a thread takes at a time; rows differ a lot in length.
constexpr int rows_per_grab = 4;
// Four elements side by side in one SSE register. Lanes are independent
// elements, so each keeps its own order of updates.
typedef float lanes __attribute__((vector_size(16)));
constexpr int lane_count = 4;
// Vectors swept together: enough independent subtractions in flight to hide
// their latency.
constexpr int sweep_vectors = 8;

lanes load(const float* p)
{
    lanes v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

void store(float* p, lanes v) { std::memcpy(p, &v, sizeof v); }

// x[c] = x[c] - s[t][c]*f[t] for t = 0..count-1 in that order, c = c0..c1.
// Each element gets its subtractions in pass order; the vectorisation runs
// across elements only.
void sweep(float* x, const float* const s[], const float f[], int count, int c0, int c1)
{
    constexpr int block = lane_count * sweep_vectors;
    int c = c0;
    for (; c + block - 1 <= c1; c += block) {
        lanes v[sweep_vectors];
        for (int e = 0; e < sweep_vectors; ++e)
            v[e] = load(x + c + e * lane_count);
        for (int t = 0; t < count; ++t) {
            const float* st = s[t] + c;
            float ft = f[t];
            for (int e = 0; e < sweep_vectors; ++e)
                v[e] = v[e] - load(st + e * lane_count) * ft;
        }
        for (int e = 0; e < sweep_vectors; ++e)
            store(x + c + e * lane_count, v[e]);
    }
    for (; c + lane_count - 1 <= c1; c += lane_count) {
        lanes v = load(x + c);
        for (int t = 0; t < count; ++t)
            v = v - load(s[t] + c) * f[t];
        store(x + c, v);
    }
    for (; c <= c1; ++c) {
        float v = x[c];
        for (int t = 0; t < count; ++t)
            v = v - s[t][c] * f[t];
        x[c] = v;
    }
}

// x[c] = x[c] - s[c]*f over the panel's columns.
void update_panel_columns(float* x, const float* s, float f, int width)
{
    if (width == panel_width) {
        for (int e = 0; e < panel_width / lane_count; ++e)
            store(x + e * lane_count, load(x + e * lane_count) - load(s + e * lane_count) * f);
        return;
    }
    for (int c = 0; c < width; ++c)
        x[c] = x[c] - s[c] * f;
}

class PanelElimination {
public:
    PanelElimination(float* K, std::size_t stride, int n, float pivot_tolerance, const int first[], const int last[],
                     float* factors)
        : K_(K), stride_(stride), n_(n), tolerance_(pivot_tolerance), F_(factors), lo_(first, first + n + 1),
          hi_(last, last + n + 1), pivot_(n + 1), snap_(static_cast<std::size_t>(panel_width) * (n + 1), 0.0f),
          snap_lo_(panel_width, 1), snap_hi_(panel_width, 0)
    {
    }

    Elimination run(int threads, EliminationRecord& rec, int* failed);

private:
    float* row(int j) const { return K_ + j * stride_; }
    float* snapshot(int p) { return snap_.data() + static_cast<std::size_t>(p - from_) * (n_ + 1); }

    bool prenormalise(EliminationRecord& rec);
    void work(std::barrier<>& sync, bool leader, Elimination& outcome, int* failed);
    bool bring_pivot_rows(int* failed);
    void share_rows();
    void apply_passes(int j, int from, int to);
    void take_snapshot(int p);

    float* K_;
    std::size_t stride_;
    int n_;
    float tolerance_;
    float* F_;
    // Row j's non-zeros lie in lo_[j]..hi_[j]; left of its own pivot only
    // while the row is still below the current pass.
    std::vector<int> lo_, hi_;
    std::vector<float> pivot_;
    std::vector<float> snap_; // the panel's pivot rows at their pass, zero outside snap_lo_..snap_hi_
    std::vector<int> snap_lo_, snap_hi_;
    int from_ = 1, to_ = 1; // passes of the current panel
    bool stop_ = false;
    std::atomic<int> next_row_{1};
    std::atomic<bool> not_finite_{false};
};

// As the plain loop does, every row divided by its own diagonal; B's
// pre-normalisation leaves only its diagonal non-zero.
bool PanelElimination::prenormalise(EliminationRecord& rec)
{
    for (int i = 1; i <= n_; ++i) {
        float* Ki = row(i);
        float d = Ki[i];
        if (d == 0.0f || !std::isfinite(d))
            return false;
        for (int c = lo_[i]; c <= hi_[i]; ++c)
            Ki[c] = Ki[c] / d;
        rec.reciprocal[i] = 1.0f / d;
    }
    return true;
}

// Applies passes from..to-1 of the panel to row j, which lies outside them.
// The panel's own columns are updated pass by pass, since each factor needs
// its column as it stands at its pass; the rest in one sweep. A row below
// the passes needs every column the pivot rows hold. A row above needs only
// the columns still to be eliminated and its own diagonal: what the panel's
// passes leave in its eliminated columns is never read, so those columns
// may take the same update as the others.
void PanelElimination::apply_passes(int j, int from, int to)
{
    float* Kj = row(j);
    bool below = j >= to;
    int width = to_ - from_;
    const float* s[panel_width];
    float f[panel_width];
    int count = 0;
    int lo = n_ + 1, hi = 0; // the columns the passes taken reach
    for (int p = from; p < to; ++p) {
        bool reached = p >= std::min(lo_[j], lo) && p <= std::max(hi_[j], hi);
        float fp = reached ? Kj[p] / pivot_[p] : 0.0f;
        F_[p * stride_ + j] = fp;
        if (fp == 0.0f)
            continue;
        if (!std::isfinite(fp)) {
            not_finite_.store(true, std::memory_order_relaxed);
            return;
        }
        const float* sp = snapshot(p);
        update_panel_columns(Kj + from_, sp + from_, fp, width);
        s[count] = sp;
        f[count] = fp;
        ++count;
        int k = p - from_;
        lo = std::min(lo, snap_lo_[k]);
        hi = std::max(hi, snap_hi_[k]);
    }
    if (count == 0)
        return;
    if (below) {
        sweep(Kj, s, f, count, lo, from_ - 1);
        lo_[j] = std::min(lo_[j], lo);
    } else if (j < from_) {
        float x = Kj[j];
        for (int t = 0; t < count; ++t)
            x = x - s[t][j] * f[t];
        Kj[j] = x;
    }
    sweep(Kj, s, f, count, to_, hi);
    hi_[j] = std::max(hi_[j], hi);
}

void PanelElimination::take_snapshot(int p)
{
    const float* Kp = row(p);
    int lo = lo_[p], hi = hi_[p];
    while (lo < p && Kp[lo] == 0.0f)
        ++lo;
    while (hi > p && Kp[hi] == 0.0f)
        --hi;
    lo_[p] = lo;
    hi_[p] = hi;
    int k = p - from_;
    float* sp = snapshot(p);
    std::fill(sp + snap_lo_[k], sp + snap_hi_[k] + 1, 0.0f);
    std::copy(Kp + lo, Kp + hi + 1, sp + lo);
    snap_lo_[k] = lo;
    snap_hi_[k] = hi;
}

// The panel's pivot rows one after another, each brought to its pass by the
// panel's earlier passes, tested and copied. False when a pivot fails.
bool PanelElimination::bring_pivot_rows(int* failed)
{
    for (int p = from_; p < to_; ++p) {
        if (p > from_)
            apply_passes(p, from_, p);
        if (not_finite_.load(std::memory_order_relaxed))
            return true;
        float pivot = row(p)[p];
        if (!pivot_holds(pivot, tolerance_)) {
            *failed = p;
            return false;
        }
        pivot_[p] = pivot;
        F_[p * stride_ + p] = 0.0f;
        take_snapshot(p);
    }
    return true;
}

// Every row takes the panel's passes it has not seen yet; rows are
// independent here, so the threads share them.
void PanelElimination::share_rows()
{
    for (;;) {
        int j0 = next_row_.fetch_add(rows_per_grab, std::memory_order_relaxed);
        if (j0 > n_)
            return;
        for (int j = j0; j < j0 + rows_per_grab && j <= n_; ++j) {
            int from = j >= from_ && j < to_ ? j + 1 : from_;
            if (from < to_)
                apply_passes(j, from, to_);
        }
    }
}

void PanelElimination::work(std::barrier<>& sync, bool leader, Elimination& outcome, int* failed)
{
    for (int from = 1; from <= n_; from += panel_width) {
        if (leader) {
            from_ = from;
            to_ = std::min(from + panel_width, n_ + 1);
            if (!bring_pivot_rows(failed)) {
                outcome = Elimination::pivot_failed;
                stop_ = true;
            } else if (not_finite_.load(std::memory_order_relaxed)) {
                outcome = Elimination::not_finite;
                stop_ = true;
            }
            next_row_.store(1, std::memory_order_relaxed);
        }
        sync.arrive_and_wait();
        if (stop_)
            return;
        share_rows();
        sync.arrive_and_wait();
        if (not_finite_.load(std::memory_order_relaxed)) {
            if (leader)
                outcome = Elimination::not_finite;
            return;
        }
    }
}

Elimination PanelElimination::run(int threads, EliminationRecord& rec, int* failed)
{
    if (!prenormalise(rec))
        return Elimination::not_finite;

    Elimination outcome = Elimination::done;
    std::barrier<> sync(std::max(threads, 1));
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back([&] { work(sync, false, outcome, failed); });
        } catch (const std::system_error&) {
            sync.arrive_and_drop(); // one helper fewer; the others still share the rows
        }
    }
    work(sync, true, outcome, failed);
    for (std::thread& h : helpers)
        h.join();
    if (outcome != Elimination::done)
        return outcome;

    for (int i = 1; i <= n_; ++i) {
        float d = row(i)[i];
        if (d == 0.0f || !std::isfinite(d))
            return Elimination::not_finite;
        rec.diagonal[i] = d;
    }
    for (int q = 1; q <= n_; ++q) {
        const float* Fq = F_ + q * stride_;
        int top = 1, bottom = n_;
        while (top <= n_ && Fq[top] == 0.0f)
            ++top;
        while (bottom >= top && Fq[bottom] == 0.0f)
            --bottom;
        rec.top[q] = top;
        rec.bottom[q] = bottom;
    }
    return Elimination::done;
}

} // namespace

Elimination eliminate(float* K, std::size_t stride, int n, float pivot_tolerance, const int first[], const int last[],
                      float* factors, int threads, EliminationRecord& rec, int* failed)
{
    rec.n = n;
    rec.factors = factors;
    rec.stride = stride;
    for (auto* v : {&rec.reciprocal, &rec.diagonal})
        v->assign(n + 1, 0.0f);
    for (auto* v : {&rec.top, &rec.bottom})
        v->assign(n + 1, 0);
    PanelElimination e(K, stride, n, pivot_tolerance, first, last, factors);
    return e.run(threads, rec, failed);
}

} // namespace qm
