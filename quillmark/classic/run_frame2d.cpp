#include "frame2d.h"

#include "classic/program_runs.h"
#include "file/types.h"

int quill::run_frame2d()
{
    return qm::run_program<frame2d::StructureModel>(frame2d::tables);
}

// quillmark hands a model to the program only when it fits.
static_assert(quill::capacity(quill::Type::plane_frame).joints == frame2d::model_size.joints &&
              quill::capacity(quill::Type::plane_frame).members == frame2d::model_size.members);
