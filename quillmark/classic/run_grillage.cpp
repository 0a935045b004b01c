#include "grillage.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_grillage()
{
    return qm::run_program<grillage::StructureModel>(grillage::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::grid).joints == grillage::model_size.joints &&
              quill::capacity(quill::Type::grid).members == grillage::model_size.members);
