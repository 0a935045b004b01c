// The continuous beam model: a straight line of members joined end to end,
// member i from joint i to joint i + 1, one modulus and one yield strength
// for the whole beam, restraints and loads, at fixed capacities.
//
// Each joint has two degrees of freedom: the translation across the beam
// (raw number 2j-1, kips and inches, positive up) and the rotation (2j,
// radians and inch-kips, positive counter-clockwise). The member loads and
// end actions follow the same signs at each end: start force, start moment,
// end force, end moment.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace girder {

inline constexpr int member_capacity = 20;

// 20 members need 21 joints and 42 degrees of freedom.
inline constexpr qm::ModelSize model_size = {.joints = member_capacity + 1,
                                             .members = member_capacity,
                                             .matrix_order = 2 * (member_capacity + 1),
                                             .dummies = 0,
                                             .dofs_per_joint = 2,
                                             .end_actions = 4};

// A member's section; its length is ModelCore's L.
struct Section {
    float Ix; // moment of inertia, in^4
    float A;  // area, in^2
    float Sx; // elastic section modulus, in^3
    float Aw; // shear area, in^2; 0: not given
};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    int E = 0;    // modulus of elasticity of the whole beam, whole ksi
    float Fy = 0; // yield strength of the whole beam, ksi
    Section sec[member_capacity + 1] = {};
};

// Header, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace girder
