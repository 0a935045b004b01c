#include "plane_structure_generator.h"

#include <cstdio>
#include <vector>

namespace qmtools {

namespace {

enum Kind { column, beam, brace };

struct Member {
    int jj, jk;
    Kind kind;
};

// Bays of 20 ft, storeys of 12 ft (inches).
const int bay = 240, storey = 144;

int joint(const PlaneGrid& g, int level, int i) { return level * g.joints_per_level + i + 1; }

std::vector<Member> grid_members(const PlaneGrid& g)
{
    std::vector<Member> members;
    auto add = [&](int jj, int jk, Kind kind) {
        if (static_cast<int>(members.size()) < g.max_members)
            members.push_back({jj, jk, kind});
    };
    for (int l = 1; l < g.levels; ++l)
        for (int i = 0; i < g.joints_per_level; ++i)
            add(joint(g, l - 1, i), joint(g, l, i), column);
    for (int l = 1; l < g.levels; ++l)
        for (int i = 0; i + 1 < g.joints_per_level; ++i)
            add(joint(g, l, i), joint(g, l, i + 1), beam);
    for (int l = 1; l < g.levels; ++l)
        for (int i = 0; i + 1 < g.joints_per_level; ++i)
            add(joint(g, l - 1, i), joint(g, l, i + 1), brace);
    for (int l = 1; l < g.levels; ++l)
        for (int i = 0; i + 1 < g.joints_per_level; ++i)
            add(joint(g, l - 1, i + 1), joint(g, l, i), brace);
    return members;
}

// What differs between the two programs' files.
struct PlaneFormat {
    const char* section[3]; // member record after jj,jk, by Kind
    int dofs;               // degrees of freedom per joint
    const char* fixed;      // restraint flags of a base joint
    const char* lateral;    // joint load records
    const char* vertical;
    const char* beam_load;  // fixed-end actions on the first beam of a level, or null
};

const PlaneFormat frame_format = {
    {"14.4,272,29000,36,4.35,2.54", "9.13,375,29000,36,6.41,1.17", "2.94,0.114,29000,36,0.643,2.05"},
    3,
    "1,1,1",
    "5,0,0",
    "0,-10,0",
    "0,18,864,0,18,-864",
};

const PlaneFormat truss_format = {
    {"14.4,29000,36,4.35,2.54", "9.13,29000,36,6.41,1.17", "2.94,29000,36,0.643,2.05"},
    2,
    "1,1",
    "5,0",
    "0,-10",
    nullptr,
};

// Members A,J,Iy,Ix,E,Fy,G; joint loads Mx,My,Fz; fixed-end actions Mx,My,Fz
// at each end.
const PlaneFormat grid_format = {
    {"14.4,2.6,272,51,29000,36,11200", "9.13,0.6,375,10,29000,36,11200", "2.94,0.2,12,3,29000,36,11200"},
    3,
    "1,1,1",
    "0,0,-5",
    "20,0,-10",
    "0,-864,18,0,864,18",
};

std::string make_input(const PlaneGrid& g, const PlaneFormat& f)
{
    std::vector<Member> members = grid_members(g);
    int base = g.joints_per_level;
    std::string s;
    char line[256];
    std::snprintf(line, sizeof line, "%d,%d,%d,%d\n", static_cast<int>(members.size()), g.joints_per_level * g.levels,
                  f.dofs * base, base);
    s += line;
    for (int l = 0; l < g.levels; ++l)
        for (int i = 0; i < g.joints_per_level; ++i) {
            std::snprintf(line, sizeof line, "%d,%d\n", i * bay, l * storey);
            s += line;
        }
    for (const Member& m : members) {
        std::snprintf(line, sizeof line, "%d,%d,%s\n", m.jj, m.jk, f.section[m.kind]);
        s += line;
    }
    for (int j = 1; j <= base; ++j) {
        std::snprintf(line, sizeof line, "%d\n%s\n", j, f.fixed);
        s += line;
    }
    // The first beam of level l is member (columns) + (l - 1) * beams per level + 1.
    int columns = (g.levels - 1) * g.joints_per_level;
    int beams_per_level = g.joints_per_level - 1;
    std::snprintf(line, sizeof line, "%d,%d\n", 2 * (g.levels - 1), f.beam_load ? g.levels - 1 : 0);
    s += line;
    for (int l = 1; l < g.levels; ++l) {
        std::snprintf(line, sizeof line, "%d\n%s\n%d\n%s\n", joint(g, l, 0), f.lateral,
                      joint(g, l, g.joints_per_level / 2), f.vertical);
        s += line;
    }
    if (f.beam_load)
        for (int l = 1; l < g.levels; ++l) {
            std::snprintf(line, sizeof line, "%d\n%s\n", columns + (l - 1) * beams_per_level + 1, f.beam_load);
            s += line;
        }
    s += "0\n";
    return s;
}

} // namespace

std::string make_plane_frame_input(const PlaneGrid& g) { return make_input(g, frame_format); }

std::string make_plane_truss_input(const PlaneGrid& g) { return make_input(g, truss_format); }

std::string make_grid_input(const PlaneGrid& g) { return make_input(g, grid_format); }

} // namespace qmtools
