#include "truss3d.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_truss3d()
{
    return qm::run_program<truss3d::StructureModel>(truss3d::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::space_truss).joints == truss3d::model_size.joints &&
              quill::capacity(quill::Type::space_truss).members == truss3d::model_size.members);
