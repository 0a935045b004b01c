// The plane frame model: joints in the x-y plane, rigidly joined members with
// their section properties and direction cosines, restraints, loads and dummy
// members, at fixed capacities.
//
// Each joint has three degrees of freedom: translation x, translation y and
// rotation z. Member axes: x from the start joint towards the end joint, y
// turned 90 degrees counter-clockwise from x, rotation and moment about z.
#pragma once

#include "dof_numbering.h"
#include "html_report.h"
#include "run.h"

namespace frame2d {

inline constexpr int joint_capacity = 200;
inline constexpr int member_capacity = 700;
inline constexpr int matrix_capacity = 603;
inline constexpr int dummy_capacity = 701;
inline constexpr int dofs_per_joint = 3;

extern const qm::ProgramIdentity identity;

struct StructureModel {
    int m = 0;   // members
    int nj = 0;  // joints
    int nr = 0;  // restrained degrees of freedom
    int nrj = 0; // restrained joints (restraint records)

    float x[joint_capacity + 1] = {}; // joint coordinates, inches
    float y[joint_capacity + 1] = {};

    int jj[member_capacity + 1] = {};   // start joint
    int jk[member_capacity + 1] = {};   // end joint
    float A[member_capacity + 1] = {};  // area, in^2
    float Iz[member_capacity + 1] = {}; // moment of inertia, in^4
    float E[member_capacity + 1] = {};  // modulus of elasticity, ksi
    float Fy[member_capacity + 1] = {}; // yield strength, ksi
    float rx[member_capacity + 1] = {}; // radii of gyration, inches
    float ry[member_capacity + 1] = {};
    float L[member_capacity + 1] = {};   // length, inches
    float xcl[member_capacity + 1] = {}; // direction cosines
    float ycl[member_capacity + 1] = {};

    float AJ[matrix_capacity + 1] = {}; // joint loads by raw number: kips, inch-kips
    // Member loads (fixed-end actions in member axes), later the end actions:
    // start force x, start force y, start moment z, then the same at the end.
    float AML[member_capacity + 1][7] = {};

    int nlj = 0, nlm = 0; // loaded joints, loaded members
    int ndummy = 0;
    int dummy[dummy_capacity + 1] = {}; // dummy member numbers, input order
};

// Counts, joints, members and restraints, with their echo.
void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);
// Joint loads, member loads and dummy members, with their echo; closes the input.
void read_loads(qm::AnalysisRun& run, StructureModel& s);

} // namespace frame2d
