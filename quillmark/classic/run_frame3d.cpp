#include "frame3d.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_frame3d()
{
    return qm::run_program<frame3d::StructureModel>(frame3d::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::space_frame).joints == frame3d::model_size.joints &&
              quill::capacity(quill::Type::space_frame).members == frame3d::model_size.members);
