// What a program tells the drawing about itself: the view it is drawn in,
// which of a joint's degrees of freedom are its translations and rotations,
// and the planes its members bend in with their flexural rigidity. One table
// entry per program; the drawing reads nothing else from the program.
#pragma once

#include "model/model_core.h"

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

} // namespace qm
