// The grid model: members in the x-y plane joined rigidly at their joints and
// loaded along z, with their section properties and direction cosines,
// restraints, loads and dummy members, at fixed capacities.
//
// Each joint has three degrees of freedom, in this order: rotation about x,
// rotation about y, translation along z. Member axes: x from the start joint
// towards the end joint, y in the x-y plane turned 90 degrees
// counter-clockwise from it, z the global z. A member carries torsion about
// its x axis, bending about its y axis and shear along z.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace grillage {

inline constexpr int member_capacity = 700;

inline constexpr qm::ModelSize model_size = {.joints = 200,
                                             .members = member_capacity,
                                             .matrix_order = 603,
                                             .dummies = 701,
                                             .dofs_per_joint = 3,
                                             .end_actions = 6};

// A member's section and material.
struct Section {
    float A;  // area, in^2
    float J;  // torsion constant, in^4 (torsional stiffness and check)
    float Iy; // moment of inertia about member y, in^4 (bending stiffness and check)
    float Ix; // second moment of inertia, in^4: echoed only
    float E;  // modulus of elasticity, ksi
    float Fy; // yield strength, ksi
    float G;  // shear modulus, ksi
    float Sy; // elastic section modulus about member y, in^3 (bending check); 0: not given
    float Aw; // shear area for shear along member z, in^2 (shear check); 0: not given
};

// The section of a member whose area is read as 0.
inline constexpr Section default_section = {
    .A = 2.94f, .J = 12.3f, .Iy = 1.22f, .Ix = 0.114f, .E = 29000, .Fy = 36, .G = 11000, .Sy = 0, .Aw = 0};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    Section sec[member_capacity + 1] = {};
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace grillage
