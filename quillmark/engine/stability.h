// What makes a structure a mechanism, found before and after factoring: a
// part of it that rests on no support, a joint direction that no member
// stiffens, a direction whose stiffness the elimination uses up. Each
// throws EngineStop naming the joint and the direction.
#pragma once

#include <string>

#include "engine/analysis.h"
#include "engine/assembly.h"
#include "engine/numbering.h"

namespace quill {

// "unstable structure: nothing holds joint B in direction rz", and why
// after a colon when given.
EngineStop unstable(const Model& s, int joint, int k, const std::string& why = "");

// Every part of the structure (joints joined by members) holds some joint
// with a support or a spring.
void check_supports(const Model& s, const Numbering& q);

// Every equation has a stiffness of its own: its diagonal is more than a
// rounding of the stiffness of the members at its joint.
void check_directions(const Model& s, const Numbering& q, const UpperMatrix& K);

// A pivot that keeps less than this fraction of its equation's diagonal
// marks a direction that the others leave without stiffness.
inline constexpr double pivot_bound = 1e-10;

} // namespace quill
