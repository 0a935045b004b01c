// Axial force and bending checked together, by the allowable-stress
// interaction of a beam-column, in any working precision (the programs take
// it in single precision, each step stored as Real).
//
// With fa/Fa the axial force over its allowable (compression or tension),
// fb/Fb each moment over its allowable and fa/F'e the axial force over the
// Euler force in the plane of that moment's bending:
//   compression with fa/Fa > 0.15: the larger of
//     fa/Fa + sum Cm fb / ((1 - fa/F'e) Fb)   (the member's own stability)
//     fa/(0.60 Fy) + sum fb/Fb               (the yield of its end sections);
//   compression with fa/Fa <= 0.15, and tension: fa/Fa + sum fb/Fb.
// A value below 1 passes. Where fa reaches F'e the amplification has no
// bound: the member fails, with an infinite value.
#pragma once

#include <limits>

namespace qm {

// Cm of a member in a frame whose joints may sway: the safe value when the
// end moments are not known to bend the member in single curvature.
template <class Real> constexpr Real Cm = Real(0.85);

// One bending axis that is checked: fb/Fb about it and fa/F'e in its plane.
template <class Real> struct BendingTerm {
    Real fb_over_Fb;
    Real fa_over_Fe;
};

// The interaction value over the n bending axes terms[0..n-1]; fa_over_yield
// is fa/(0.60 Fy), used for compression only.
template <class Real>
Real interaction_value(Real fa_over_Fa, bool compression, Real fa_over_yield, const BendingTerm<Real>* terms, int n)
{
    Real plain = fa_over_Fa;
    for (int k = 0; k < n; ++k)
        plain = plain + terms[k].fb_over_Fb;
    if (!compression || !(fa_over_Fa > Real(0.15)))
        return plain;
    Real stability = fa_over_Fa;
    Real yield = fa_over_yield;
    for (int k = 0; k < n; ++k) {
        Real reduction = Real(1) - terms[k].fa_over_Fe;
        if (!(reduction > Real(0)))
            return std::numeric_limits<Real>::infinity();
        Real bent = Cm<Real> * terms[k].fb_over_Fb;
        Real amplified = bent / reduction;
        stability = stability + amplified;
        yield = yield + terms[k].fb_over_Fb;
    }
    return stability > yield ? stability : yield;
}

} // namespace qm
