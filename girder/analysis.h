// Continuous beam analysis: member stiffness, equivalent joint loads, end
// actions and allowable forces.
#pragma once

#include "checks/member_check.h"
#include "model.h"
#include "solver/stiffness_matrix.h"

namespace girder {

// Member i's bending stiffness; raw[1..4] its degrees of freedom.
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[]);
// Member loads turned into joint loads, subtracted from AE.
void equivalent_joint_loads(const StructureModel& s, float AE[]);
// End actions from the joint displacements D (raw order), added to AML.
void member_end_actions(StructureModel& s, const float D[]);
qm::Allowables allowables(const StructureModel& s, int i);

} // namespace girder
