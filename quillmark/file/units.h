// The units of a model file and their factors to the kips and inches of the
// input files. Every factor is exact (1 kip = 4.4482216152605 kN,
// 1 in = 25.4 mm) and applied in double; a value is rounded to single
// precision once, when it is written.
#pragma once

#include <string>

#include "file/types.h"

namespace quill {

enum class Quantity {
    length,      // coordinates, distances along a member: ft or m
    section,     // radii of gyration: in or mm
    area,        // in^2 or mm^2
    inertia,     // in^4 or mm^4
    modulus,     // in^3 or mm^3
    stress,      // ksi or MPa
    force,       // kip or kN
    moment,      // kip*ft or kN*m
    distributed, // kip/ft or kN/m
    weight,      // unit weight: kip/ft^3 or kN/m^3
    displacement, // in or mm
    spring,       // translational spring stiffness: kip/in or kN/m
    rotational_spring // kip*in/rad or kN*m/rad
};
inline constexpr int quantity_count = 13;

struct Units {
    const char* name;  // "US" or "SI"
    double factor[quantity_count]; // model unit to kips and inches, by Quantity
    const char* label[quantity_count];
    double to_internal(Quantity q, double v) const { return v * factor[static_cast<int>(q)]; }
    double from_internal(Quantity q, double v) const { return v / factor[static_cast<int>(q)]; }
    const char* unit(Quantity q) const { return label[static_cast<int>(q)]; }
};

extern const Units us_units;
extern const Units si_units;
// The units named `name` ("US" or "SI"); nullptr when none.
const Units* units_named(const std::string& name);

Quantity quantity_of(Measure m);

} // namespace quill
