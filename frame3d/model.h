// The space frame model: joints, members with their section properties and
// member axes, on top of what every model holds (counts, restraints, loads,
// dummy members).
//
// Member axes are those of common/member_axes.h (y in the vertical plane
// through the member, z horizontal; for a vertical member z is global z). R
// holds the three axes as rows, in global components, so member = R * global.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace frame3d {

inline constexpr int member_capacity = 1000;

inline constexpr qm::ModelSize model_size = {.joints = 250,
                                             .members = member_capacity,
                                             .matrix_order = 1506,
                                             .dummies = 1000,
                                             .dofs_per_joint = 6,
                                             .end_actions = 12};

// A member's section and material.
struct Section {
    float A;  // area, in^2
    float ix; // torsion constant, in^4
    float iy; // moment of inertia about member y, in^4
    float iz; // moment of inertia about member z, in^4
    float E;  // modulus of elasticity, ksi
    float G;  // modulus of rigidity, ksi
    float Fy; // yield strength, ksi
    float rx; // radii of gyration, inches
    float ry;
    float Sy; // elastic section moduli about member y and member z, in^3; 0: not given
    float Sz;
    float Awy; // shear areas for shear along member y and member z, in^2; 0: not given
    float Awz;
};

// The section of a member whose area is read as 0; it has no section modulus
// and no shear area.
inline constexpr Section default_section = {.A = 2.94f,
                                            .ix = 12.3f,
                                            .iy = 1.22f,
                                            .iz = 0.114f,
                                            .E = 29000,
                                            .G = 11000,
                                            .Fy = 36,
                                            .rx = 0.643f,
                                            .ry = 2.05f,
                                            .Sy = 0,
                                            .Sz = 0,
                                            .Awy = 0,
                                            .Awz = 0};

struct StructureModel : qm::ModelCore {
    StructureModel() : ModelCore(model_size) {}

    Section sec[member_capacity + 1] = {};
    float R[member_capacity + 1][4][4] = {}; // rotation matrix, 1-based
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s);

} // namespace frame3d
