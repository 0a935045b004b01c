// The plane truss model: joints, pin-ended members with their sections,
// restraints, loads and dummy members, at fixed capacities.
//
// Each joint has two degrees of freedom, translation x (raw number 2j-1) and
// translation y (2j). Member x runs from the start joint to the end joint,
// (xcl, ycl); member y is member x turned 90 degrees counter-clockwise.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace truss2d {

inline constexpr int member_capacity = 700;

inline constexpr qm::ModelSize model_size = {.joints = 200,
                                             .members = member_capacity,
                                             .matrix_order = 402,
                                             .dummies = 700,
                                             .dofs_per_joint = 2,
                                             .end_actions = 4};

// A member's section and material.
struct Section {
    float A;  // area, in^2
    float E;  // modulus of elasticity, ksi
    float Fy; // yield strength, ksi
    float rx; // radii of gyration, inches
    float ry;
};

// The section of a member whose area is read as 0.
inline constexpr Section default_section = {.A = 2.94f, .E = 29000, .Fy = 36, .rx = 0.643f, .ry = 2.05f};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    Section sec[member_capacity + 1] = {};
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace truss2d
