// Input files of large space frames: a building of columns, beams and
// braces on a square plan grid, for the benchmark and the large-model tests.
#pragma once

#include <string>

namespace qmtools {

struct BuildingFrame {
    int grid = 5;          // joints per side of the plan
    int levels = 10;       // joint levels, the lowest one on the supports
    int max_members = 1000;
    bool fixed_base = true; // false: no supports at all (a free body)
    bool pinned_single_support = false; // only the first base joint, pinned: free to spin
};

// Joints, members, restraints, one lateral and one vertical load per level.
std::string make_space_frame_input(const BuildingFrame& b);

} // namespace qmtools
