// The plane truss model: joints, pin-ended members with their sections,
// restraints, loads and dummy members, at fixed capacities.
//
// Each joint has two degrees of freedom, translation x (raw number 2j-1) and
// translation y (2j). Member x runs from the start joint to the end joint,
// (xcl, ycl); member y is member x turned 90 degrees counter-clockwise.
#pragma once

#include "dof_numbering.h"
#include "html_report.h"
#include "run.h"

namespace truss2d {

inline constexpr int joint_capacity = 200;
inline constexpr int member_capacity = 700;
inline constexpr int matrix_capacity = 402;
inline constexpr int dummy_capacity = 700;
inline constexpr int dofs_per_joint = 2;

extern const qm::ProgramIdentity identity;

struct StructureModel {
    int m = 0;   // members
    int nj = 0;  // joints
    int nr = 0;  // restrained degrees of freedom
    int nrj = 0; // restrained joints (restraint records)

    float x[joint_capacity + 1] = {}; // joint coordinates, inches
    float y[joint_capacity + 1] = {};

    int jj[member_capacity + 1] = {};    // start joint
    int jk[member_capacity + 1] = {};    // end joint
    float A[member_capacity + 1] = {};   // area, in^2
    float E[member_capacity + 1] = {};   // modulus of elasticity, ksi
    float Fy[member_capacity + 1] = {};  // yield strength, ksi
    float rx[member_capacity + 1] = {};  // radii of gyration, inches
    float ry[member_capacity + 1] = {};
    float L[member_capacity + 1] = {};   // length, inches
    float xcl[member_capacity + 1] = {}; // direction cosines
    float ycl[member_capacity + 1] = {};

    float AJ[matrix_capacity + 1] = {}; // joint loads by raw number, kips
    // Member loads (fixed-end forces in member axes), later the end actions:
    // start force x, start force y, end force x, end force y.
    float AML[member_capacity + 1][5] = {};

    int nlj = 0, nlm = 0; // loaded joints, loaded members
    int ndummy = 0;
    int dummy[dummy_capacity + 1] = {}; // dummy member numbers, input order
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);
// Joint loads, member loads and dummy members, with their echo; closes the input.
void read_loads(qm::AnalysisRun& run, StructureModel& s);

} // namespace truss2d
