// The equations of a model: its joints' directions that no support
// restrains, numbered joint by joint in the type's direction order.
#pragma once

#include <vector>

#include "file/model.h"

namespace quill {

struct Numbering {
    int d = 0;                         // directions per joint
    std::vector<int> eq;               // per joint (1-based) and direction: equation, -1 where restrained
    std::vector<int> joint, direction; // per equation: its joint (1-based) and direction
    int n() const { return static_cast<int>(joint.size()); }
    int at(int j, int k) const { return eq[static_cast<size_t>((j - 1) * d + k)]; }
};

Numbering number_equations(const Model& s);

} // namespace quill
