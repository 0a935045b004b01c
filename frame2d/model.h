// The plane frame model: joints in the x-y plane, rigidly joined members with
// their section properties and direction cosines, restraints, loads and dummy
// members, at fixed capacities.
//
// Each joint has three degrees of freedom: translation x, translation y and
// rotation z. Member axes: x from the start joint towards the end joint, y
// turned 90 degrees counter-clockwise from x, rotation and moment about z.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace frame2d {

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
    float Iz; // moment of inertia, in^4
    float E;  // modulus of elasticity, ksi
    float Fy; // yield strength, ksi
    float rx; // radii of gyration, inches
    float ry;
    float Sz;  // elastic section modulus, in^3; 0: not given
    float Awy; // shear area for shear along member y, in^2; 0: not given
};

// The section of a member whose area is read as 0; it has no section modulus.
inline constexpr Section default_section = {
    .A = 2.94f, .Iz = 0.114f, .E = 29000, .Fy = 36, .rx = 0.643f, .ry = 2.05f, .Sz = 0, .Awy = 0};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    Section sec[member_capacity + 1] = {};
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace frame2d
