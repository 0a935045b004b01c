// The space frame model: joints, members with their section properties and
// member axes, restraints, loads and dummy members, at fixed capacities.
//
// Member axes: x runs from the start joint to the end joint; y lies in the
// vertical plane through the member (global y is vertical) and z is
// horizontal; for a vertical member z is the global z axis. R holds the three
// axes as rows, in global components, so member = R * global.
#pragma once

#include "dof_numbering.h"
#include "html_report.h"
#include "run.h"

namespace frame3d {

inline constexpr int joint_capacity = 250;
inline constexpr int member_capacity = 1000;
inline constexpr int matrix_capacity = 1506;
inline constexpr int dummy_capacity = 1000;
inline constexpr int dofs_per_joint = 6;

extern const qm::ProgramIdentity identity;

struct StructureModel {
    int m = 0;   // members
    int nj = 0;  // joints
    int nr = 0;  // restrained degrees of freedom
    int nrj = 0; // restrained joints (restraint records)

    float x[joint_capacity + 1] = {}; // joint coordinates, inches
    float y[joint_capacity + 1] = {};
    float z[joint_capacity + 1] = {};

    int jj[member_capacity + 1] = {};   // start joint
    int jk[member_capacity + 1] = {};   // end joint
    float A[member_capacity + 1] = {};  // area, in^2
    float ix[member_capacity + 1] = {}; // torsion constant, in^4
    float iy[member_capacity + 1] = {}; // moment of inertia about member y, in^4
    float iz[member_capacity + 1] = {}; // moment of inertia about member z, in^4
    float E[member_capacity + 1] = {};  // modulus of elasticity, ksi
    float G[member_capacity + 1] = {};  // modulus of rigidity, ksi
    float Fy[member_capacity + 1] = {}; // yield strength, ksi
    float rx[member_capacity + 1] = {}; // radii of gyration, inches
    float ry[member_capacity + 1] = {};
    float L[member_capacity + 1] = {};  // length, inches
    float xcl[member_capacity + 1] = {}; // direction cosines
    float ycl[member_capacity + 1] = {};
    float zcl[member_capacity + 1] = {};
    float R[member_capacity + 1][4][4] = {}; // rotation matrix, 1-based

    float AJ[matrix_capacity + 1] = {}; // joint loads by raw number: kips, inch-kips
    // Member loads (fixed-end actions in member axes), later the end actions:
    // per end axial force, shear y, shear z, torsion, moment y, moment z.
    float AML[member_capacity + 1][13] = {};

    int nlj = 0, nlm = 0; // loaded joints, loaded members
    int ndummy = 0;
    int dummy[dummy_capacity + 1] = {}; // dummy member numbers, input order
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);
// Joint loads, member loads and dummy members, with their echo; closes the input.
void read_loads(qm::AnalysisRun& run, StructureModel& s);

} // namespace frame3d
