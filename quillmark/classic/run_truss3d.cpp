#include "truss3d.h"

#include "classic/program_runs.h"

int quill::run_truss3d()
{
    return qm::run_program<truss3d::StructureModel>(truss3d::tables);
}
