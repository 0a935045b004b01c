#include "frame2d.h"

#include "classic/program_runs.h"

int quill::run_frame2d()
{
    return qm::run_program<frame2d::StructureModel>(frame2d::tables);
}
