// frame2d: linear-elastic analysis of a plane frame ("planefr.in") with an
// allowable-stress check of every member.
#include <cstdio>

#include "analysis.h"

int main()
{
    static frame2d::StructureModel model;
    static qm::DofNumbering dofs(frame2d::dofs_per_joint, frame2d::joint_capacity);
    // An error stop only closes the report: this program writes no footer.
    qm::AnalysisRun run(frame2d::identity, false);
    run.start();
    frame2d::read_structure(run, model, dofs);
    frame2d::analyse(run, model, dofs);
    std::printf("successfully completed\n");
    return 0;
}
