// The loads of one combination, each case's times its factor, summed.
#pragma once

#include <array>
#include <vector>

#include "file/model.h"

namespace quill {

// The loads of one combination, summed: per joint (1-based) the type's joint
// directions, per member (1-based) its fixed-end actions.
struct CombinedLoads {
    std::vector<std::array<double, 6>> joint;
    std::vector<std::array<double, 12>> member;
};
CombinedLoads combine(const Model& s, const Combination& c);

} // namespace quill
