// Plane frame analysis: member stiffness, assembly, loads, solution, end
// actions and the three result files.
#pragma once

#include "dof_numbering.h"
#include "model.h"
#include "run.h"
#include "solution.h"

namespace frame2d {

// The member stiffness factors EA/L, 4EI/L, 6EI/L^2 and 12EI/L^3.
struct MemberStiffness {
    float S1, S2, S3, S4;
};
MemberStiffness member_stiffness(const StructureModel& s, int i);

// The members as the solution sees them: stiffness in structure axes.
class PlaneFrameMembers : public qm::MemberSet {
public:
    explicit PlaneFrameMembers(const StructureModel& s) : s_(s) {}
    int members() const override { return s_.m; }
    void global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const override;

private:
    const StructureModel& s_;
};

// Runs everything after the restraints are read: assembly, inversion, loads,
// solution and all output. Returns when the summary file is written.
void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);

} // namespace frame2d
