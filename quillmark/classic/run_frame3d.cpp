#include "frame3d.h"

#include "classic/program_runs.h"

int quill::run_frame3d()
{
    return qm::run_program<frame3d::StructureModel>(frame3d::tables);
}
