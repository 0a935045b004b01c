// frame3d: linear-elastic analysis of a space frame ("spacefr.in") with an
// allowable-stress check of every member.
#include <cstdio>

#include "analysis.h"

int main()
{
    static frame3d::StructureModel model;
    static qm::DofNumbering dofs(frame3d::dofs_per_joint, frame3d::joint_capacity);
    qm::AnalysisRun run(frame3d::identity, true);
    run.start();
    frame3d::read_structure(run, model, dofs);
    frame3d::analyse(run, model, dofs);
    std::printf("successfully completed\n");
    return 0;
}
