#include "elimination.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <system_error>
#include <thread>

#include "plain_gauss_jordan.h"
#include "sweep_kernels.h"
#include "zero_scan.h"

namespace qm {

namespace {

// Passes per panel. The panel's pivot rows, copied as they stood at their
// pass, stay in cache while every other row takes all of the panel's passes
// in one sweep over its columns.
//
// One panel, passes from_..to_-1 (at most panel_width of them), in the free
// block of K:
//
//                          columns
//                1 ........ from_ ...... to_-1  to_ ............ n
//              +------------+---------------+-------------------+
//   rows above | done: only | F: factors,   | R: all the panel's|
//   1..from_-1 | the own    | pass by pass  | passes in one     |
//              | diagonal   |               | sweep             |
//              +------------+---------------+-------------------+
//   panel rows |            | P: each pivot row brought to its  |
//   from_..    |            | pass by the passes before it,     |
//   to_-1      |            | tested, copied to snapshot(p)     |
//              +------------+---------------+-------------------+
//   rows below | L: one     | F: factors,   | R: one sweep      |
//   to_..n     | sweep      | pass by pass  |                   |
//              +------------+---------------+-------------------+
//
// First the panel rows P (bring_pivot_rows), then the rows above and below,
// shared between the threads in groups of rows_per_grab (apply_passes). In
// F each factor K[j][p]/pivot needs column p as it stands at pass p, so the
// panel's columns go pass by pass; L and R then take every pass at once from
// the snapshots. Rows below are pivot rows to come and need L as well; rows
// above need only R and their own diagonal. A row whose non-zeros
// lo_[j]..hi_[j] miss the panel's columns takes no pass: its factors are 0.
constexpr int panel_width = 32;
// Rows a thread takes at a time, swept together.
constexpr int rows_per_grab = sweep_rows_at_most;

class PanelElimination {
public:
    PanelElimination(float* K, std::size_t stride, int n, float pivot_tolerance, const int first[], const int last[],
                     EliminationRecord& rec)
        : K_(K), stride_(stride), n_(n), tolerance_(pivot_tolerance), rec_(rec), lo_(first, first + n + 1),
          hi_(last, last + n + 1), pivot_(n + 1), snap_(static_cast<std::size_t>(panel_width) * (n + 1), 0.0f),
          snap_lo_(panel_width, 1), snap_hi_(panel_width, 0)
    {
    }

    Elimination run(int threads, int* failed);

private:
    float* row(int j) const { return K_ + j * stride_; }
    // Where row j's factor in pass p goes, if it may have one.
    float* factor(int p, int j) { return j <= rec_.last[p] ? rec_.factors + rec_.offset[p] + j : nullptr; }
    float* snapshot(int p) { return snap_.data() + static_cast<std::size_t>(p - from_) * (n_ + 1); }

    bool prenormalise();
    void work(std::barrier<>& sync, bool leader, Elimination& outcome, int* failed);
    bool bring_pivot_rows(int* failed);
    void share_rows();
    void apply_passes(const int j[], int m, int from, int to);
    void widen(int j, int a, int b);
    void take_snapshot(int p);

    float* K_;
    std::size_t stride_;
    int n_;
    float tolerance_;
    EliminationRecord& rec_;
    // Row j's non-zeros lie in lo_[j]..hi_[j], a span written since the
    // matrix was assembled or as assembled; left of its own pivot only while
    // the row is still below the current pass.
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
bool PanelElimination::prenormalise()
{
    for (int i = 1; i <= n_; ++i) {
        float* Ki = row(i);
        float d = Ki[i];
        if (d == 0.0f || !std::isfinite(d))
            return false;
        for (int c = lo_[i]; c <= hi_[i]; ++c)
            Ki[c] = Ki[c] / d;
        rec_.reciprocal[i] = 1.0f / d;
    }
    return true;
}

// Applies passes from..to-1 of the panel to rows j[0..m-1], which lie all
// below the passes or all above them. The panel's own columns are updated
// pass by pass, since each factor needs its column as it stands at its pass
// (the rows' chains of divisions interleave); the other columns in one sweep
// for all the rows and passes. A row below the passes needs every column the
// pivot rows hold. A row above needs only the columns still to be eliminated
// and its own diagonal: what the passes leave in its eliminated columns is
// never read, so those may take the same update as the others.
//
// The sweep also takes, for each row, the passes whose factor is 0 in it
// but not in another row of the group: x - s*0 is x, pivot rows being
// finite (take_snapshot sees to that).
void PanelElimination::apply_passes(const int j[], int m, int from, int to)
{
    constexpr int most = sweep_rows_at_most;
    bool below = j[0] >= to;
    int count = to - from;
    int rows[most], taking = 0;
    float* x[most];
    float f[most][panel_width];
    float* fr[most];
    for (int r = 0; r < m; ++r) {
        if (lo_[j[r]] >= to || hi_[j[r]] < from) { // reaches none of the passes
            for (int p = from; p < to; ++p)
                if (float* kept = factor(p, j[r]))
                    *kept = 0.0f;
            continue;
        }
        widen(j[r], below ? from_ : lo_[j[r]], to_ - 1);
        rows[taking] = j[r];
        x[taking] = row(j[r]) + from_;
        fr[taking] = f[taking];
        ++taking;
    }
    if (taking == 0)
        return;
    const float* s[panel_width];
    for (int t = 0; t < count; ++t)
        s[t] = snapshot(from + t) + from_;
    eliminate_panel_columns(x, fr, taking, s, &pivot_[from], count, from - from_, to_ - from_);

    // Keep the factors, and gather the passes some row took.
    int passes = 0, reach_lo = n_ + 1, reach_hi = 0;
    bool takes[most] = {};
    for (int t = 0; t < count; ++t) {
        int p = from + t, k = p - from_;
        bool taken = false;
        for (int r = 0; r < taking; ++r) {
            float fp = f[r][t];
            float* kept = factor(p, rows[r]);
            if (kept)
                *kept = fp;
            if (fp == 0.0f)
                continue;
            if (!std::isfinite(fp) || !kept) {
                not_finite_.store(true, std::memory_order_relaxed);
                return;
            }
            takes[r] = taken = true;
        }
        if (!taken)
            continue;
        s[passes] = snapshot(p);
        for (int r = 0; r < taking; ++r)
            f[r][passes] = f[r][t];
        ++passes;
        reach_lo = std::min(reach_lo, snap_lo_[k]);
        reach_hi = std::max(reach_hi, snap_hi_[k]);
    }
    // The sweeps run over whole vectors: stretched away from the panel to a
    // multiple of eight columns, where the pivot rows hold zeros.
    if (reach_lo < from_)
        reach_lo = std::max(1, from_ - (from_ - reach_lo + 7) / 8 * 8);
    if (reach_hi >= to_)
        reach_hi = std::min(n_, to_ - 1 + (reach_hi - to_ + 8) / 8 * 8);
    int swept = 0;
    for (int r = 0; r < taking; ++r) {
        if (!takes[r])
            continue;
        widen(rows[r], below ? reach_lo : lo_[rows[r]], reach_hi);
        rows[swept] = rows[r];
        x[swept] = row(rows[r]);
        fr[swept] = f[r];
        ++swept;
    }
    if (swept == 0)
        return;
    if (below)
        sweep(x, fr, swept, s, passes, reach_lo, from_ - 1);
    if (rows[0] < from_) { // their diagonals, the rows' chains side by side
        float d[most];
        for (int r = 0; r < swept; ++r)
            d[r] = x[r][rows[r]];
        for (int t = 0; t < passes; ++t)
            for (int r = 0; r < swept; ++r)
                d[r] = d[r] - s[t][rows[r]] * fr[r][t];
        for (int r = 0; r < swept; ++r)
            x[r][rows[r]] = d[r];
    }
    sweep(x, fr, swept, s, passes, to_, reach_hi);
}

// Extends row j's span to a..b, writing the zeros that lie there. A page the
// sweeps would first read and then write costs two faults when it is fresh
// (the zero page, then a copy); written first, it costs one.
void PanelElimination::widen(int j, int a, int b)
{
    float* Kj = row(j);
    if (a < lo_[j]) {
        std::fill(Kj + a, Kj + lo_[j], 0.0f);
        lo_[j] = a;
    }
    if (b > hi_[j]) {
        std::fill(Kj + hi_[j] + 1, Kj + b + 1, 0.0f);
        hi_[j] = b;
    }
}

// Row p as it stands at its pass, zero outside its non-zeros. A value that
// is not finite ends the fast elimination: the sweeps multiply pivot rows by
// factors of 0.
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
    if (!std::all_of(Kp + lo, Kp + hi + 1, [](float v) { return std::isfinite(v); }))
        not_finite_.store(true, std::memory_order_relaxed);
}

// The panel's pivot rows one after another, each brought to its pass by the
// panel's earlier passes, tested and copied. False when a pivot fails.
bool PanelElimination::bring_pivot_rows(int* failed)
{
    for (int p = from_; p < to_; ++p) {
        if (p > from_)
            apply_passes(&p, 1, from_, p);
        if (not_finite_.load(std::memory_order_relaxed))
            return true;
        float pivot = row(p)[p];
        if (!pivot_holds(pivot, tolerance_)) {
            *failed = p;
            return false;
        }
        pivot_[p] = pivot;
        *factor(p, p) = 0.0f;
        take_snapshot(p);
    }
    return true;
}

// Every row takes the panel's passes it has not seen yet; rows are
// independent here, so the threads share them. Rows above the panel go
// together, and so do rows below it; each of the panel's own rows has passes
// of its own left.
void PanelElimination::share_rows()
{
    for (;;) {
        int j0 = next_row_.fetch_add(rows_per_grab, std::memory_order_relaxed);
        if (j0 > n_)
            return;
        int above[rows_per_grab], below[rows_per_grab], m_above = 0, m_below = 0;
        for (int j = j0; j < j0 + rows_per_grab && j <= n_; ++j) {
            if (j < from_)
                above[m_above++] = j;
            else if (j >= to_)
                below[m_below++] = j;
            else if (j + 1 < to_)
                apply_passes(&j, 1, j + 1, to_);
        }
        if (m_above > 0)
            apply_passes(above, m_above, from_, to_);
        if (m_below > 0)
            apply_passes(below, m_below, from_, to_);
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

Elimination PanelElimination::run(int threads, int* failed)
{
    if (!prenormalise())
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
        rec_.diagonal[i] = d;
    }
    for (int q = 1; q <= n_; ++q) {
        const float* Fq = rec_.factor_row(q);
        rec_.top[q] = first_set(Fq, 1, rec_.last[q]);
        rec_.bottom[q] = last_set(Fq, rec_.top[q], rec_.last[q]);
    }
    return Elimination::done;
}

} // namespace

// Fill stays inside the envelope: row j has a factor in pass q only if its
// first non-zero lies at or left of q. Pass q keeps rows 1 up to the last
// such row, which saves the pages of the empty rest.
static void lay_out_factors(const int first[], int n, EliminationRecord& rec)
{
    rec.last.assign(n + 1, 0);
    for (int j = 1; j <= n; ++j)
        if (first[j] <= n)
            rec.last[std::max(first[j], 1)] = std::max(rec.last[std::max(first[j], 1)], j);
    rec.offset.assign(n + 1, 0);
    std::size_t at = 0;
    for (int q = 1; q <= n; ++q) {
        rec.last[q] = std::max({rec.last[q], rec.last[q - 1], q});
        rec.offset[q] = at;
        at += static_cast<std::size_t>(rec.last[q]) + 1;
    }
}

Elimination eliminate(float* K, std::size_t stride, int n, float pivot_tolerance, const int first[], const int last[],
                      float* factors, int threads, EliminationRecord& rec, int* failed)
{
    rec.n = n;
    rec.factors = factors;
    lay_out_factors(first, n, rec);
    for (auto* v : {&rec.reciprocal, &rec.diagonal})
        v->assign(n + 1, 0.0f);
    for (auto* v : {&rec.top, &rec.bottom})
        v->assign(n + 1, 0);
    PanelElimination e(K, stride, n, pivot_tolerance, first, last, rec);
    return e.run(threads, failed);
}

} // namespace qm
