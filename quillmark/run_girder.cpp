#include "girder.h"

#include "program_runs.h"

int quill::run_girder()
{
    return qm::run_program<girder::StructureModel>(girder::tables);
}
