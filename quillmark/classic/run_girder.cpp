#include "girder.h"

#include "classic/program_runs.h"

int quill::run_girder()
{
    return qm::run_program<girder::StructureModel>(girder::tables);
}
