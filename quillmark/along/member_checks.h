// The allowable-stress checks of one member at its governing sections:
// every check takes the largest demand anywhere along the member (its ends,
// every load discontinuity and every interior extremum, from the exact
// actions along it), and the largest deflection between its ends.
//
// Allowables, kips and inch-kips, in the allowable-stress method of the
// suite's programs:
//   tension      0.60·A·Fy
//   compression  A·Fa, Fa of the column formula for K·Lu/r about each axis,
//                the smaller kept (rx for buckling about member z, ry about y)
//   shear        0.40·Fy·Aw for the web area along each direction
//   moment       0.66·S·Fy about each axis with a section modulus
//   combined     fa/Fa + Σ Cm·fb/((1 − fa/F'e)·Fb) and fa/(0.60·Fy) + Σ fb/Fb
//                in compression above fa/Fa = 0.15; fa/Fa + Σ fb/Fb otherwise
// A check whose section data are missing is not made; one whose data give
// no positive allowable fails any demand.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "along/span_actions.h"
#include "file/model.h"

namespace quill {

enum CheckName { tension, compression, shear_y, shear_z, moment_y, moment_z, combined, check_count };

// "tension", "shear y", ...: the name of a check on a member of the type
// (a plane structure's one shear and one moment go without their axis).
const char* check_label(Type t, CheckName c);

struct MemberAllowables {
    std::optional<double> tension, compression;
    std::optional<double> shear[2];  // along member y, z
    std::optional<double> moment[2]; // about member y, z
    double euler[2] = {0, 0}; // A·F'e for buckling in the plane of bending about y, z
    double yield = 0;         // 0.60·A·Fy
    bool combined = false;    // axial force and some bending both checked
};

MemberAllowables allowables_of(const Model& s, int member);

// Effective length factor and unbraced length (inches) of a member for
// buckling about member axis `axis` (0: y, 1: z): the member's own, else
// its section's, else the type's factor over the member's length.
double effective_length(const Model& s, int member, int axis);

struct Demand {
    bool made = false;  // the check applies and found a demand
    double ratio = 0;   // allowable over demand (combined: 1 / interaction value)
    double value = 0;   // the demand: kips, inch-kips (combined: the interaction value)
    double s = 0;       // where along the member, inches from its start
};

struct Deflection {
    double delta = 0; // largest deflection relative to the chord, inches
    double s = 0;
    double span_ratio = 0; // L / delta; 0 when delta is 0
};

struct MemberVerdict {
    std::array<Demand, check_count> check;
    Deflection deflection;
};

// A check fails unless its allowable exceeds the demand.
inline bool fails(const Demand& d)
{
    return d.made && !(d.ratio > 1);
}

MemberVerdict check_member(const MemberAllowables& a, const SpanActions& sa);

// What the actions along member i take from a solution and its loads.
struct Solution;
SpanData span_data(const Model& s, int member, const Solution& sol, const std::vector<AxisLoad>& loads);

} // namespace quill
