#include "analysis.h"
#include "model_matrix.h"

namespace qmtools {

ModelMatrix frame2d_matrix()
{
    return read_model_matrix<frame2d::StructureModel, frame2d::PlaneFrameMembers>(
        frame2d::identity, frame2d::dofs_per_joint, frame2d::joint_capacity, frame2d::matrix_capacity,
        frame2d::read_structure);
}

} // namespace qmtools
