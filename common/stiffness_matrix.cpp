#include "stiffness_matrix.h"

#include <bit>
#include <cassert>
#include <cstdint>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <thread>

#include "inverse_columns.h"
#include "plain_gauss_jordan.h"
#include "zero_scan.h"

namespace qm {

#ifdef NDEBUG
constexpr bool replaying = false;
#else
constexpr bool replaying = true;
#endif

// Below this order a second thread costs more than it saves.
static int threads_for(int n)
{
    if (n < 96)
        return 1;
    return static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 8u));
}

// Fresh pages from the system are zero already: calloc leaves them
// untouched until a run writes them, and a run writes only what it uses.
static ZeroedFloats zeroed_floats(std::size_t count)
{
    auto* p = static_cast<float*>(std::calloc(count, sizeof(float)));
    if (!p)
        throw std::bad_alloc();
    return ZeroedFloats(p);
}

StiffnessMatrix::StiffnessMatrix(int capacity)
    : C_(capacity), stride_(static_cast<std::size_t>(capacity) + 1), K_(zeroed_floats(stride_ * stride_)),
      B_(zeroed_floats(stride_ * stride_)), written_lo_(stride_, capacity + 1), written_hi_(stride_, 0)
{
}

// Widens row i's written span to take in column j, writing the zeros it
// holds there: assembly adds into K, and on a fresh page the read of a sum
// and its write cost two faults where a write first costs one.
void StiffnessMatrix::write_zeros_to(int i, int j)
{
    float* Ki = row(i);
    if (written_hi_[i] < written_lo_[i]) {
        Ki[j] = 0.0f;
        written_lo_[i] = written_hi_[i] = j;
    } else if (j < written_lo_[i]) {
        std::fill(Ki + j, Ki + written_lo_[i], 0.0f);
        written_lo_[i] = j;
    } else {
        std::fill(Ki + written_hi_[i] + 1, Ki + j + 1, 0.0f);
        written_hi_[i] = j;
    }
}

void StiffnessMatrix::clear_matrix()
{
    for (int i = 0; i <= C_; ++i) {
        if (written_hi_[i] >= written_lo_[i])
            std::fill(row(i) + written_lo_[i], row(i) + written_hi_[i] + 1, 0.0f);
        written_lo_[i] = C_ + 1;
        written_hi_[i] = 0;
    }
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

// Where each row of the free block has its non-zeros, and a copy of them
// for the plain loop to start over from. Only what was written is read:
// pages never written stay untouched.
void StiffnessMatrix::keep_assembled(int n)
{
    first_.assign(n + 1, 1);
    last_.assign(n + 1, 0);
    assembled_.clear();
    for (int i = 1; i <= n; ++i) {
        const float* Ki = row(i);
        first_[i] = first_set(Ki, std::max(written_lo_[i], 1), std::min(written_hi_[i], n));
        last_[i] = last_set(Ki, first_[i], std::min(written_hi_[i], n));
        for (int j = first_[i]; j <= last_[i]; ++j)
            if (std::bit_cast<std::uint32_t>(Ki[j]) != 0)
                assembled_.push_back({i, j, Ki[j]});
    }
}

// Into K, rows stride_ apart.
void StiffnessMatrix::restore_assembled(float* K, int n) const
{
    for (int i = 1; i <= n; ++i)
        std::fill(K + i * stride_ + 1, K + i * stride_ + n + 1, 0.0f);
    for (const Entry& e : assembled_)
        K[e.i * stride_ + e.j] = e.value;
}

Inversion StiffnessMatrix::invert(int n, float pivot_tolerance, int* failed)
{
    if (n > C_)
        return Inversion::over_capacity;
    inverse_ = Inverse::none;
    keep_assembled(n);
    // The elimination may write anywhere in the free block.
    for (int i = 1; i <= n; ++i) {
        written_lo_[i] = std::min(written_lo_[i], 1);
        written_hi_[i] = std::max(written_hi_[i], n);
    }
    Elimination e = eliminate(K_.get(), stride_, n, pivot_tolerance, first_.data(), last_.data(), B_.get(),
                              threads_for(n), record_, failed);
    Inversion outcome = Inversion::unstable;
    if (e == Elimination::done && inverse_stays_finite(record_)) {
        inverse_ = Inverse::recorded;
        outcome = Inversion::done;
    } else if (e != Elimination::pivot_failed) {
        restore_assembled(K_.get(), n);
        outcome = plain_invert(K_.get(), B_.get(), stride_, n, pivot_tolerance, failed);
        if (outcome == Inversion::done)
            inverse_ = Inverse::formed;
    }
    if (replaying)
        replay_plain(n, pivot_tolerance, outcome, *failed);
    return outcome;
}

// The plain loop on the matrix as assembled must stop at the same pivot, or
// not at all.
void StiffnessMatrix::replay_plain(int n, float pivot_tolerance, [[maybe_unused]] Inversion outcome,
                                   [[maybe_unused]] int failed)
{
    plain_K_.assign(stride_ * (n + 1), 0.0f);
    plain_B_.assign(stride_ * (n + 1), 0.0f);
    restore_assembled(plain_K_.data(), n);
    int plain_failed = 0;
    [[maybe_unused]] Inversion plain_outcome =
        plain_invert(plain_K_.data(), plain_B_.data(), stride_, n, pivot_tolerance, &plain_failed);
    assert(plain_outcome == outcome && (outcome == Inversion::done || plain_failed == failed) &&
           "the plain loop stops elsewhere");
}

void StiffnessMatrix::check_displacements(int n, const float AC[], [[maybe_unused]] const float D[]) const
{
    std::vector<float> plain(n + 1);
    plain_solve(plain_B_.data(), stride_, n, AC, plain.data());
    for (int i = 1; i <= n; ++i)
        assert(std::memcmp(&plain[i], &D[i], sizeof(float)) == 0 && "displacement differs from the plain loop's");
}

// A zero load leaves D's running sum as it is (every sum starts at +0 and B
// is finite), so D needs only the columns of B where AC is non-zero. Loads
// that are not finite take the plain product over all of B: when two NaNs
// meet, which one a sum keeps depends on how the compiler ordered it, and
// printf shows the difference.
void StiffnessMatrix::solve_displacements(int n, const float AC[], float D[])
{
    assert(inverse_ != Inverse::none && "solve_displacements needs an inversion that ended done");
    if (inverse_ == Inverse::recorded && !std::all_of(AC + 1, AC + n + 1, [](float x) { return std::isfinite(x); }))
        form_inverse();
    if (inverse_ != Inverse::recorded) {
        plain_solve(B_.get(), stride_, n, AC, D);
        if (replaying)
            check_displacements(n, AC, D);
        return;
    }
    assert(n == record_.n);
    loaded_.clear();
    for (int j = 1; j <= n; ++j)
        if (AC[j] != 0.0f)
            loaded_.push_back(j);
    int count = static_cast<int>(loaded_.size());
    std::size_t height = static_cast<std::size_t>(n) + 1;
    columns_.resize(loaded_.size() * height);
    form_columns(record_, loaded_.data(), count, columns_.data(), height, threads_for(n));
    for (int i = 1; i <= n; ++i) {
        float sum = 0.0f;
        for (int t = 0; t < count; ++t)
            sum = sum + columns_[t * height + i] * AC[loaded_[t]];
        D[i] = sum;
    }
    if (replaying)
        check_displacements(n, AC, D);
}

void StiffnessMatrix::form_inverse()
{
    int n = record_.n;
    std::size_t height = static_cast<std::size_t>(n) + 1;
    std::vector<int> all(n);
    for (int j = 1; j <= n; ++j)
        all[j - 1] = j;
    std::vector<float> columns(static_cast<std::size_t>(n) * height);
    form_columns(record_, all.data(), n, columns.data(), height, threads_for(n));
    for (int j = 1; j <= n; ++j)
        for (int i = 1; i <= n; ++i)
            B_[i * stride_ + j] = columns[(j - 1) * height + i];
    inverse_ = Inverse::formed;
}

float StiffnessMatrix::b(int i, int j)
{
    assert(inverse_ != Inverse::none && "B read before an inversion that ended done");
    if (inverse_ == Inverse::recorded)
        form_inverse();
    return B_[static_cast<std::size_t>(i) * stride_ + j];
}

void StiffnessMatrix::apply_inverse(const double r[], double out[], int n)
{
    assert(inverse_ != Inverse::none && "B applied before an inversion that ended done");
    if (inverse_ == Inverse::recorded) {
        assert(n == record_.n);
        apply_recorded_inverse(record_, r, out);
        return;
    }
    for (int i = 1; i <= n; ++i) {
        const float* Bi = B_.get() + i * stride_;
        double sum = 0.0;
        for (int j = 1; j <= n; ++j)
            sum += Bi[j] * r[j];
        out[i] = sum;
    }
}

void StiffnessMatrix::support_reactions(int n, int nr, const float AC[], const float D[], float AR[])
{
    for (int r = n + 1; r <= n + nr; ++r) {
        float sum = -AC[r];
        const float* Kr = row(r);
        for (int j = 1; j <= n; ++j)
            sum = sum + Kr[j] * D[j];
        AR[r] = sum;
    }
}

void expand_to_joints(const DofNumbering& dofs, const float Deq[], const float AReq[], float D[], float AR[])
{
    int total = dofs.n + dofs.nr;
    for (int q = 1; q <= total; ++q) {
        bool restrained = dofs.rl[q] != 0;
        D[q] = restrained ? 0.0f : Deq[dofs.equation(q)];
        AR[q] = restrained ? AReq[dofs.equation(q)] : 0.0f;
    }
}

} // namespace qm
