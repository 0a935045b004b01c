// Whether a classic program's single-precision results of a combination
// agree with the engine's: every displacement, reaction and end action
// within a thousandth of the largest of its kind (translations, rotations,
// forces, moments), plus what the CSV file's six decimals can hold.
#pragma once

#include <string>

#include "classic/combination_results.h"
#include "engine/analysis.h"

namespace quill {

inline constexpr double agreement_tolerance = 1e-3;

// Empty when they agree; else where they differ most, for example
// "the translation y of joint B differs by 2.1 % of the largest".
std::string disagreement(const Model& s, const Results& classic, const Solution& engine);

} // namespace quill
