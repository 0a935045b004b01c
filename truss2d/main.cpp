// truss2d: linear-elastic analysis of a pin-jointed plane truss ("planetr.in")
// with an allowable-stress check of every member.
#include <cstdio>

#include "analysis.h"

int main()
{
    static truss2d::StructureModel model;
    static qm::DofNumbering dofs(truss2d::dofs_per_joint, truss2d::joint_capacity);
    qm::AnalysisRun run(truss2d::identity, true);
    run.start();
    truss2d::read_structure(run, model, dofs);
    truss2d::analyse(run, model, dofs);
    std::printf("successfully completed\n");
    return 0;
}
