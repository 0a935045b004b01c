// Input files of large space trusses: a double-layer roof grid, square on
// square offset, held at the joints of its top layer's edges.
#pragma once

#include <string>

namespace qmtools {

struct SpaceGrid {
    int top = 10; // joints per side of the top layer; the bottom one has one fewer
};

// truss3d's "spacetr.in": chords of both layers, four diagonals from each
// bottom joint up to the top joints around it; the edge joints of the top
// layer pinned; a load down at every inner top joint and one along x at a
// bottom corner.
std::string make_space_truss_input(const SpaceGrid& g);

} // namespace qmtools
