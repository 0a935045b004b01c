#include "frame2d.h"
#include "model_matrix.h"

namespace qmtools {

ModelMatrix frame2d_matrix()
{
    return read_model_matrix<frame2d::StructureModel>(frame2d::tables);
}

} // namespace qmtools
