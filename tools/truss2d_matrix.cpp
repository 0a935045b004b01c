#include "model_matrix.h"
#include "truss2d.h"

namespace qmtools {

ModelMatrix truss2d_matrix()
{
    return read_model_matrix<truss2d::StructureModel>(truss2d::tables);
}

} // namespace qmtools
