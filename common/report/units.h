// Report units: lengths are kept in inches and rotations in radians inside
// the programs; the reports show feet and degrees.
#pragma once

namespace qm {

// Inches to feet with the factor 1/12 written out in double precision.
inline double feet(float inches)
{
    return inches * 0.08333333333333333;
}

// Radians to degrees with 3.14159 for pi: 360 / (2 * 3.14159). The product
// is printed, never stored, so it is formed in double throughout.
inline double degrees(float radians)
{
    return static_cast<double>(radians) * 360 * 0.15915507752443828;
}

} // namespace qm
