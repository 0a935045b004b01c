// The space truss model: joints in space, pin-ended members with their
// sections, restraints, loads and dummy members, at fixed capacities.
//
// Each joint has three degrees of freedom, translations x (raw number 3j-2),
// y (3j-1) and z (3j); global y is vertical. Members carry axial force only;
// their member axes, which the member loads are given in, are those of
// common/member_axes.h.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace truss3d {

inline constexpr int member_capacity = 1000;

inline constexpr qm::ModelSize model_size = {.joints = 200,
                                             .members = member_capacity,
                                             .matrix_order = 603,
                                             .dummies = 1000,
                                             .dofs_per_joint = 3,
                                             .end_actions = 6};

// A member's section and material.
struct Section {
    float A;  // area, in^2
    float E;  // modulus of elasticity, ksi
    float Fy; // yield strength, ksi
    float rx; // first radius of gyration, inches
    float ry; // second radius of gyration, inches
};

// The section of a member whose area is read as 0.
inline constexpr Section default_section = {.A = 2.94f, .E = 29000, .Fy = 36, .rx = 0.643f, .ry = 2.05f};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    Section sec[member_capacity + 1] = {};
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace truss3d
