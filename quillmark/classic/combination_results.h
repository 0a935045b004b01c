// The results of one combination, read back from the CSV file its analysis
// wrote: displacements and reactions per joint, end actions and their
// limits per member, in kips, inches and radians.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "file/model.h"

namespace quill {

struct Results {
    std::vector<std::array<double, 6>> D, AR;        // per joint, 1-based
    std::vector<std::array<double, 12>> ea, limit;   // per member, 1-based
};

// False when the file is missing or does not hold the model's joints and members.
bool read_results(const Model& s, const std::string& path, Results& r);

} // namespace quill
