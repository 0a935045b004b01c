#include "model_core.h"

namespace qm {

static std::vector<float> joint_table(const ModelSize& s)
{
    return std::vector<float>(static_cast<std::size_t>(s.joints) + 1, 0.0f);
}

template <class T> static std::vector<T> member_table(const ModelSize& s)
{
    return std::vector<T>(static_cast<std::size_t>(s.members) + 1, T{});
}

ModelCore::ModelCore(const ModelSize& s)
    : size(s), dofs(s.dofs_per_joint, s.joints), x(joint_table(s)), y(joint_table(s)), z(joint_table(s)),
      jj(member_table<int>(s)), jk(member_table<int>(s)), L(member_table<float>(s)), xcl(member_table<float>(s)),
      ycl(member_table<float>(s)), zcl(member_table<float>(s)), AJ(static_cast<std::size_t>(s.matrix_order) + 1, 0.0f),
      dummy(static_cast<std::size_t>(s.dummies) + 1, 0),
      aml_(static_cast<std::size_t>(s.members + 1) * (s.end_actions + 1), 0.0f), member_loads_(aml_)
{
}

} // namespace qm
