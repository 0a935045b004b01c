#include "grillage.h"

#include "classic/program_runs.h"

int quill::run_grillage()
{
    return qm::run_program<grillage::StructureModel>(grillage::tables);
}
