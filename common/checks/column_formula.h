// The allowable compressive stress of a column and the Euler stress of the
// combined check, in any working precision: the programs take every step in
// single precision, as a hand check with the same rounding would, and a
// double-precision caller gets the same formula in double.
//
// With the slenderness s = K L / r and Cc = sqrt(2 pi^2 E / Fy), a column of
// s up to Cc yields first, Fa = (1 - s^2 / (2 Cc^2)) Fy / FS with the factor
// of safety FS = 5/3 + 3 s / (8 Cc) - s^3 / (8 Cc^3); a longer one buckles
// elastically, Fa = 12 pi^2 E / (23 s^2), which is also F'e. Stresses in
// ksi; pi = 3.14159, each decimal constant rounded once to Real where it
// enters, each step stored as Real.
#pragma once

#include <cmath>

namespace qm {

template <class Real> constexpr Real column_pi = Real(3.14159);

template <class Real> bool positive_and_finite(Real v)
{
    return v > Real(0) && std::isfinite(v);
}

// F'e = 12 pi^2 E / (23 s^2); 0 for s or E that is not positive or not
// finite (degenerate data: no compression passes against it).
template <class Real> Real euler_stress(Real s, Real E)
{
    if (!positive_and_finite(s) || !positive_and_finite(E))
        return Real(0);
    Real pi = column_pi<Real>;
    Real pi2 = pi * pi;
    Real twelve_pi2 = Real(12) * pi2;
    Real numerator = twelve_pi2 * E;
    Real s2 = s * s;
    Real denominator = Real(23) * s2;
    return numerator / denominator;
}

// Fa for slenderness s, modulus E and yield strength Fy (ksi); 0 for s, E
// or Fy that is not positive or not finite.
template <class Real> Real column_stress(Real s, Real E, Real Fy)
{
    if (!positive_and_finite(s) || !positive_and_finite(E) || !positive_and_finite(Fy))
        return Real(0);
    Real pi = column_pi<Real>;
    Real pi2 = pi * pi;
    Real two_pi2 = Real(2) * pi2;
    Real two_pi2E = two_pi2 * E;
    Real Cc2 = two_pi2E / Fy;
    Real Cc = std::sqrt(Cc2);
    if (s > Cc)
        return euler_stress(s, E);
    Real q = s / Cc;
    Real five_thirds = Real(5) / Real(3);
    Real three_q = Real(3) * q;
    Real first = three_q / Real(8);
    Real q2 = q * q;
    Real q3 = q2 * q;
    Real second = q3 / Real(8);
    Real FS = five_thirds + first;
    FS = FS - second;
    Real s2 = s * s;
    Real two_Cc2 = Real(2) * Cc2;
    Real share = s2 / two_Cc2;
    Real yield = Real(1) - share;
    Real stress = yield * Fy;
    return stress / FS;
}

} // namespace qm
