// Plane truss analysis: member stiffness, assembly, loads, solution, bar
// forces with their checks, and the three result files.
#pragma once

#include "dof_numbering.h"
#include "model.h"
#include "run.h"
#include "solution.h"

namespace truss2d {

// The members as the solution sees them: axial stiffness in global axes.
class PlaneTrussMembers : public qm::MemberSet {
public:
    explicit PlaneTrussMembers(const StructureModel& s) : s_(s) {}
    int members() const override { return s_.m; }
    void global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const override;

private:
    const StructureModel& s_;
};

// Runs everything after the restraints are read: assembly, inversion, loads,
// solution and all output. Returns when the summary file is written.
void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs);

} // namespace truss2d
