#include "girder.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_girder()
{
    return qm::run_program<girder::StructureModel>(girder::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::beam).joints == girder::model_size.joints &&
              quill::capacity(quill::Type::beam).members == girder::model_size.members);
