// Model files of steel building frames of any size: a space frame of
// columns and beams on a rectangular plan grid, fixed at its base, with
// dead, live and wind load cases and five combinations, in US units.
#pragma once

#include <string>

namespace qmtools {

struct Building {
    int bays_x = 6, bays_z = 6, storeys = 12;
    double bay_x = 25, bay_z = 25, storey = 12; // ft
};

// Joints x<i>z<k>f<floor> (floor 0 the base), columns col_x<i>z<k>f<floor>
// below each floor, beams bx_... and bz_... from each joint to the next one
// along x and along z. Floor slabs span along z onto the beams along x.
std::string building_model(const Building& b);

// Free degrees of freedom of the building's analysis: six at each joint
// above the base.
long building_equations(const Building& b);

} // namespace qmtools
