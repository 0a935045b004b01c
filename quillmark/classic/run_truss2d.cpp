#include "truss2d.h"

#include "classic/program_runs.h"

int quill::run_truss2d()
{
    return qm::run_program<truss2d::StructureModel>(truss2d::tables);
}
