// The envelope of all combinations, in the model's own units: per member
// the smallest ratio of allowable to actual value of each check made, with
// its end action and combination; per joint the largest translation and its
// combination; the reactions of every combination. Written as CSV and as an
// HTML page that links each combination's report and drawing.
#pragma once

#include <string>
#include <vector>

#include "file/model.h"
#include "classic/combination_results.h"

namespace quill {

struct CombinationRun {
    std::string name;
    bool completed = false;
    bool failing = false; // the analysis found a member that fails
    std::string error;    // what stopped it
    std::vector<int> bent; // truss members loaded across, their bending not checked
    Results results;
};

enum CheckName { tension, compression, shear, moment, torsion, check_count };

struct Governing {
    double ratio = 0; // 0: not checked
    double action = 0; // in model units
    int k = -1;        // end action
    int combination = -1;
};

struct Envelope {
    std::vector<std::array<Governing, check_count>> member; // 1-based
    std::vector<std::pair<double, int>> joint;              // largest translation (inches), combination; 1-based
    int governing_member = 0;                               // smallest ratio of a member not a dummy
    CheckName governing_check = tension;
    bool any_failure = false;
    std::vector<int> bent; // of every completed combination, ascending
};

// "bending not checked: members 3, 5 carry loads across them", by the
// members' names.
std::string bending_not_checked(const Model& s, const std::vector<int>& members);

Envelope envelope_of(const Model& s, const std::vector<CombinationRun>& runs);

// folder: the combinations' folder as seen from the envelope's own folder.
std::string envelope_csv(const Model& s, const std::vector<CombinationRun>& runs, const Envelope& e);
std::string envelope_htm(const Model& s, const std::vector<CombinationRun>& runs, const Envelope& e,
                         const std::string& folder);

} // namespace quill
