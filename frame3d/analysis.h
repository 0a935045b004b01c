// Space frame analysis: member stiffness, assembly, loads, solution, end
// actions and the three result files.
#pragma once

#include "dof_numbering.h"
#include "model.h"
#include "run.h"
#include "solution.h"

namespace frame3d {

// The members as the solution sees them: stiffness in global axes.
class SpaceFrameMembers : public qm::MemberSet {
public:
    explicit SpaceFrameMembers(const StructureModel& s) : s_(s) {}
    int members() const override { return s_.m; }
    void global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const override;

private:
    const StructureModel& s_;
};

// The member stiffness in member axes, times the rotation: P = SM * RT, with
// RT the 12 x 12 block diagonal of four R.
void member_stiffness_times_rotation(const StructureModel& s, int i, float P[13][13]);

// Runs everything after the restraints are read: assembly, inversion, loads,
// solution and all output. Returns when the summary file is written.
void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);

} // namespace frame3d
