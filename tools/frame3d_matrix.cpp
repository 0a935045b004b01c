#include "frame3d.h"
#include "model_matrix.h"

namespace qmtools {

ModelMatrix frame3d_matrix()
{
    return read_model_matrix<frame3d::StructureModel>(frame3d::tables);
}

} // namespace qmtools
