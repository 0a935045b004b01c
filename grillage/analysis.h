// Grid analysis: member stiffness in structure directions, equivalent joint
// loads, end actions and allowable forces.
#pragma once

#include "checks/member_check.h"
#include "model.h"
#include "solver/stiffness_matrix.h"

namespace grillage {

// Member i's stiffness in structure directions; raw[1..6] its degrees of
// freedom (rotation x, rotation y, translation z of the start joint, then of
// the end joint).
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[]);
// Member loads turned into joint loads in structure directions, subtracted
// from AE.
void equivalent_joint_loads(const StructureModel& s, float AE[]);
// End actions in member axes from the joint displacements D (raw order).
void member_end_actions(StructureModel& s, const float D[]);
qm::Allowables allowables(const StructureModel& s, int i);

} // namespace grillage
