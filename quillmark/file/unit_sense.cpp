#include "file/unit_sense.h"

#include <cstdio>

namespace quill {

namespace {

// What structural members have, in kips and inches: timber to steel for
// the moduli, a small angle to a heavy built-up section for the areas and
// inertias.
struct Range {
    double lo, hi;
};

Range plausible(Prop p)
{
    switch (p) {
    case E: return {300, 60000};
    case G: return {100, 25000};
    case Fy: return {1, 300};
    case A:
    case Awy:
    case Awz:
    case Aw: return {0.01, 50000};
    case J:
    case Ix:
    case Iy:
    case Iz: return {1e-5, 1e9};
    case Sx:
    case Sy:
    case Sz: return {1e-4, 1e7};
    case rx:
    case ry: return {0.05, 500};
    case unit_weight: return {1e-6, 2e-3};
    case prop_count: break;
    }
    return {0, 0};
}

} // namespace

std::vector<std::string> implausible_sections(const Model& s)
{
    std::vector<std::string> out;
    const Units& u = *s.units;
    for (const Section& sec : s.sections)
        for (int k = 0; k < prop_count; ++k) {
            Prop p = static_cast<Prop>(k);
            double v = sec.p[static_cast<size_t>(k)];
            Range r = plausible(p);
            // 0 stands for a value not given.
            if (v == 0 || (v >= r.lo && v <= r.hi))
                continue;
            Quantity q = quantity_of(props[k].measure);
            char buf[200];
            std::snprintf(buf, sizeof buf, "probable unit slip: section '%s': %s = %g %s lies outside %g to %g %s",
                          sec.name.c_str(), props[k].key, u.from_internal(q, v), u.unit(q), u.from_internal(q, r.lo),
                          u.from_internal(q, r.hi), u.unit(q));
            out.push_back(buf);
        }
    return out;
}

} // namespace quill
