// The equations of a model: its joints' directions that no support
// restrains, numbered joint by joint in the type's direction order; a
// joint rotation that nothing holds and nothing loads (every member end at
// the joint released for it) is left out as well.
#pragma once

#include <array>
#include <vector>

#include "file/model.h"

namespace quill {

struct Numbering {
    int d = 0;                         // directions per joint
    // Per joint (1-based) and direction: the equation; restrained, or
    // left_out of the equations.
    std::vector<int> eq;
    std::vector<int> joint, direction; // per equation: its joint (1-based) and direction
    static constexpr int restrained = -1, left_out = -2;
    int n() const { return static_cast<int>(joint.size()); }
    int at(int j, int k) const { return eq[static_cast<size_t>((j - 1) * d + k)]; }
    bool held(int j, int k) const { return at(j, k) == restrained; }
};

// left: per joint (1-based), the directions left out; none when empty.
Numbering number_equations(const Model& s, const std::vector<std::array<bool, 6>>& left = {});

} // namespace quill
