// Space frame analysis: member stiffness in global axes, equivalent joint
// loads, end actions and allowable forces.
#pragma once

#include "checks/member_check.h"
#include "model.h"
#include "solver/stiffness_matrix.h"

namespace frame3d {

// Member i's stiffness in global axes; raw[1..12] its degrees of freedom.
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[]);
// Member loads turned into joint loads in global axes, subtracted from AE.
void equivalent_joint_loads(const StructureModel& s, float AE[]);
// End actions in member axes from the joint displacements D (raw order).
void member_end_actions(StructureModel& s, const float D[]);
qm::Allowables allowables(const StructureModel& s, int i);

} // namespace frame3d
