#include "truss2d.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_truss2d()
{
    return qm::run_program<truss2d::StructureModel>(truss2d::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::plane_truss).joints == truss2d::model_size.joints &&
              quill::capacity(quill::Type::plane_truss).members == truss2d::model_size.members);
