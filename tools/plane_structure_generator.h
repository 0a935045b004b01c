// Input files of large plane structures: a frame or a truss on a grid of
// bays and storeys, braced in every panel, for the benchmark and the
// large-model tests.
#pragma once

#include <string>

namespace qmtools {

struct PlaneGrid {
    int joints_per_level = 10;
    int levels = 20;        // joint levels, the lowest one on the supports
    int max_members = 700;  // columns, then beams, then the braces of each panel while room is left
};

// frame2d's "planefr.in": fixed bases; per level a lateral load at the left
// column, a vertical load at the middle one, and the fixed-end actions of a
// uniform load on the first beam.
std::string make_plane_frame_input(const PlaneGrid& g);

// truss2d's "planetr.in": pinned bases; per level a lateral load at the left
// column and a vertical load at the middle one.
std::string make_plane_truss_input(const PlaneGrid& g);

// grillage's "grid.in": the same layout in the x-y plane, loaded along z:
// fixed along the first line of joints; per line a force at its first
// joint and another at its middle one, and the fixed-end actions of a
// uniform load on the first member across it.
std::string make_grid_input(const PlaneGrid& g);

} // namespace qmtools
