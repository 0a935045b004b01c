// What a run finds for one combination: the engine's solution, the checks
// of every member along it, and what the classic program made of it where
// the model fits that program.
#pragma once

#include <string>
#include <vector>

#include "along/member_checks.h"
#include "engine/analysis.h"

namespace quill {

struct ClassicRun {
    bool ran = false;         // the model fits the program, and it was run
    bool completed = false;
    std::string error;        // what stopped it
    std::string disagreement; // where its results differ from the engine's
};

struct CombinationOutcome {
    std::string name;
    Solution solution;
    std::vector<MemberVerdict> members; // 1-based
    std::vector<int> bent;      // truss members loaded across: their bending is checked nowhere
    std::vector<int> ends_only; // members loaded by fixed-end actions: checked at their ends only
    ClassicRun classic;
};

} // namespace quill
