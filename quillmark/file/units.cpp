#include "file/units.h"

namespace quill {

namespace {

constexpr double kip_kN = 4.4482216152605; // kN per kip
constexpr double in_mm = 25.4;             // mm per inch
constexpr double in_m = 0.0254;            // m per inch

} // namespace

// In the order of Quantity.
const Units us_units = {
    .name = "US",
    .factor = {12.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 12.0, 1.0 / 12.0, 1.0 / 1728.0, 1.0, 1.0, 1.0},
    .label = {"ft", "in", "in^2", "in^4", "in^3", "ksi", "kip", "kip*ft", "kip/ft", "kip/ft^3", "in", "kip/in",
              "kip*in/rad"},
};

const Units si_units = {
    .name = "SI",
    .factor = {1.0 / in_m, 1.0 / in_mm, 1.0 / (in_mm * in_mm), 1.0 / (in_mm * in_mm * in_mm * in_mm),
               1.0 / (in_mm * in_mm * in_mm),
               // 1 MPa = 1 N/mm^2 = 0.001 kN/mm^2
               0.001 / kip_kN * in_mm * in_mm, 1.0 / kip_kN, 1.0 / kip_kN / in_m, in_m / kip_kN,
               in_m * in_m * in_m / kip_kN, 1.0 / in_mm, in_m / kip_kN, 1.0 / kip_kN / in_m},
    .label = {"m", "mm", "mm^2", "mm^4", "mm^3", "MPa", "kN", "kN*m", "kN/m", "kN/m^3", "mm", "kN/m", "kN*m/rad"},
};

const Units* units_named(const std::string& name)
{
    if (name == "US")
        return &us_units;
    if (name == "SI")
        return &si_units;
    return nullptr;
}

Quantity quantity_of(Measure m)
{
    switch (m) {
    case Measure::area: return Quantity::area;
    case Measure::inertia: return Quantity::inertia;
    case Measure::modulus: return Quantity::modulus;
    case Measure::length: return Quantity::section;
    case Measure::stress: return Quantity::stress;
    case Measure::weight: return Quantity::weight;
    }
    return Quantity::length;
}

} // namespace quill
