#include "analysis.h"
#include "model_matrix.h"

namespace qmtools {

ModelMatrix truss2d_matrix()
{
    return read_model_matrix<truss2d::StructureModel, truss2d::PlaneTrussMembers>(
        truss2d::identity, truss2d::dofs_per_joint, truss2d::joint_capacity, truss2d::matrix_capacity,
        truss2d::read_structure);
}

} // namespace qmtools
