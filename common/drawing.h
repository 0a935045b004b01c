// The drawing of a structure and its deflected shape, written as SVG beside
// the report: members with their numbers, joints with theirs, supports drawn
// by what they restrain, joint loads as arrows, the deflected shape at a
// stated scale, and each member coloured by how much of its allowable its
// end actions use (red where the report marks a check "fail").
//
// Coordinates in the file are pixels: a point (u, v) of the drawing plane, in
// inches, lies at x = left + (u - umin) * inch, y = top + (vmax - v) * inch,
// numbers the root element carries as data attributes beside the deflection
// scale. A plane structure is drawn in its plane (x to the
// right, y up); space structures and grids in a fixed axonometric view with
// an axis tripod, a grid with its z translations vertical; a continuous beam
// as a line along x.
#pragma once

#include <cstdio>

#include "html_report.h"
#include "member_check.h"
#include "model_core.h"
#include "solution.h"

namespace qm {

enum class View { plane, space, grid, beam };

// A member axis across the member. Member z is global z in every view but
// the space view, and member y is z cross x.
enum class MemberAxis { y, z };

// A plane a member bends in, that of member x and `axis`: where the member
// loads hold the shear along the axis and the bending moment (about the
// third member axis) at the start and at the end, 1-based.
struct BendingPlane {
    MemberAxis axis;
    int shear[2];
    int moment[2];
};

struct DrawingLayout {
    View view;
    // Members bend: between its joints a member is drawn as the cubic that
    // its end displacements and rotations give plus the deflection of its
    // own load with both ends fixed; otherwise as straight lines.
    bool bending;
    // Which degree of freedom of a joint (1-based, 0: none) is the
    // translation along x, y, z and the rotation about x, y, z.
    int translation[3];
    int rotation[3];
    // The planes a bending member bends in (a plane without positions is
    // none) and its flexural rigidity EI in each, kip-in^2, from the
    // program's own model.
    BendingPlane planes[2] = {};
    double (*flexural_rigidity)(const ModelCore& s, int i, MemberAxis axis) = nullptr;
};

// The drawing of the model s with its displacements (v.D in raw order) and
// the member checks just written to the report.
void write_drawing(std::FILE* f, const DrawingLayout& layout, const ProgramIdentity& id, const ModelCore& s,
                   const SolutionVectors& v, const MemberCheck& check);

} // namespace qm
