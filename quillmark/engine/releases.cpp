#include "engine/releases.h"

#include <cmath>

#include "engine/sweep.h"

namespace quill {

namespace {

// A pivot that keeps less than this fraction of its entry's stiffness
// after the other releases: the member has nothing left there to condense.
constexpr double condensed_bound = 1e-12;

} // namespace

Condensed::Condensed(const Model& s, int i) : k_(local_stiffness(s, i)), swept_{}
{
    const Member& m = s.members[static_cast<size_t>(i) - 1];
    if (!m.any_release())
        return;
    swept_ = k_;
    for (int r = 0; r < 12; ++r)
        if (m.released[static_cast<size_t>(r)] && k_[r][r] > 0 && swept_[r][r] > condensed_bound * k_[r][r]) {
            sweep(swept_, 12, r);
            out_[r] = any_ = true;
        }
    // What the condensation cancels (a pin-ended member's transverse
    // stiffness) it leaves as rounding, which would show as end actions of
    // 1e-17: zero it.
    Matrix12 k = k_;
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b) {
            double x = out_[a] || out_[b] ? 0.0 : swept_[a][b];
            k_[a][b] = std::fabs(x) > condensed_bound * std::sqrt(k[a][a] * k[b][b]) ? x : 0.0;
        }
}

Vector12 Condensed::fixed_end_actions(const Vector12& fea) const
{
    if (!any_)
        return fea;
    Vector12 out{};
    for (int c = 0; c < 12; ++c) {
        if (out_[c])
            continue;
        out[c] = fea[c];
        for (int r = 0; r < 12; ++r)
            if (out_[r])
                out[c] += swept_[c][r] * fea[r];
    }
    return out;
}

Vector12 Condensed::end_actions(const Vector12& u, const Vector12& fea) const
{
    Vector12 a = fixed_end_actions(fea);
    for (int p = 0; p < 12; ++p)
        for (int c = 0; c < 12; ++c)
            a[p] += k_[p][c] * u[c];
    return a;
}

Vector12 Condensed::end_displacements(const Vector12& u, const Vector12& fea) const
{
    Vector12 out = u;
    for (int r = 0; r < 12; ++r) {
        if (!out_[r])
            continue;
        double x = 0;
        for (int c = 0; c < 12; ++c)
            x += swept_[r][c] * (out_[c] ? fea[c] : u[c]);
        out[r] = -x;
    }
    return out;
}

} // namespace quill
