#include "analysis.h"
#include "model_matrix.h"

namespace qmtools {

ModelMatrix frame3d_matrix()
{
    return read_model_matrix<frame3d::StructureModel, frame3d::SpaceFrameMembers>(
        frame3d::identity, frame3d::dofs_per_joint, frame3d::joint_capacity, frame3d::matrix_capacity,
        frame3d::read_structure);
}

} // namespace qmtools
