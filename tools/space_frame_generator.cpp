#include "space_frame_generator.h"

#include <cstdio>
#include <vector>

namespace qmtools {

namespace {

struct Member {
    int jj, jk;
    const char* section;
};

// W-shape-like columns and beams, angle braces (inches, ksi).
const char* const column = "14.7,4.06,53.4,123,29000,11000,36,2.98,1.91";
const char* const beam = "7.61,0.524,13.3,215,29000,11000,36,5.32,1.32";
const char* const brace = "2.94,0.0438,1.22,1.22,29000,11000,36,0.643,0.643";

} // namespace

std::string make_space_frame_input(const BuildingFrame& b)
{
    int g = b.grid;
    auto joint = [&](int level, int ix, int iz) { return level * g * g + iz * g + ix + 1; };
    int nj = g * g * b.levels;
    std::vector<Member> members;
    auto add = [&](int jj, int jk, const char* section) {
        if (static_cast<int>(members.size()) < b.max_members)
            members.push_back({jj, jk, section});
    };
    for (int l = 1; l < b.levels; ++l)
        for (int iz = 0; iz < g; ++iz)
            for (int ix = 0; ix < g; ++ix)
                add(joint(l - 1, ix, iz), joint(l, ix, iz), column);
    for (int l = 1; l < b.levels; ++l)
        for (int iz = 0; iz < g; ++iz)
            for (int ix = 0; ix + 1 < g; ++ix) {
                add(joint(l, ix, iz), joint(l, ix + 1, iz), beam);
                add(joint(l, iz, ix), joint(l, iz, ix + 1), beam);
            }
    for (int l = 1; l < b.levels; ++l)
        for (int i = 0; i + 1 < g; ++i) {
            add(joint(l - 1, i, 0), joint(l, i + 1, 0), brace);
            add(joint(l - 1, 0, i), joint(l, 0, i + 1), brace);
            add(joint(l - 1, i, g - 1), joint(l, i + 1, g - 1), brace);
            add(joint(l - 1, g - 1, i), joint(l, g - 1, i + 1), brace);
        }
    for (int l = 1; l < b.levels; ++l)
        for (int iz = 0; iz + 1 < g; ++iz)
            for (int ix = 0; ix + 1 < g; ++ix)
                add(joint(l, ix, iz), joint(l, ix + 1, iz + 1), brace);

    for (int l = 1; l < b.levels; ++l)
        for (int i = 0; i + 1 < g; ++i)
            for (int line = 1; line + 1 < g; ++line) {
                add(joint(l - 1, i, line), joint(l, i + 1, line), brace);
                add(joint(l - 1, line, i), joint(l, line, i + 1), brace);
            }

    std::vector<int> supports;
    if (b.pinned_single_support)
        supports.push_back(1);
    else if (b.fixed_base)
        for (int j = 1; j <= g * g; ++j)
            supports.push_back(j);
    int nr = b.pinned_single_support ? 3 : 6 * static_cast<int>(supports.size());

    std::string s;
    char line[256];
    std::snprintf(line, sizeof line, "%d,%d,%d,%d\n", static_cast<int>(members.size()), nj, nr,
                  static_cast<int>(supports.size()));
    s += line;
    for (int l = 0; l < b.levels; ++l)
        for (int iz = 0; iz < g; ++iz)
            for (int ix = 0; ix < g; ++ix) {
                std::snprintf(line, sizeof line, "%d,%d,%d\n", ix * 240, l * 144, iz * 240);
                s += line;
            }
    for (const Member& m : members) {
        std::snprintf(line, sizeof line, "%d,%d,%s\n", m.jj, m.jk, m.section);
        s += line;
    }
    for (int j : supports) {
        std::snprintf(line, sizeof line, "%d\n%s\n", j, b.pinned_single_support ? "1,1,1,0,0,0" : "1,1,1,1,1,1");
        s += line;
    }
    std::snprintf(line, sizeof line, "%d,0\n", 2 * (b.levels - 1));
    s += line;
    for (int l = 1; l < b.levels; ++l) {
        std::snprintf(line, sizeof line, "%d\n2,0,0,0,0,0\n%d\n0,-10,0,0,0,0\n", joint(l, 0, 0), joint(l, g / 2, g / 2));
        s += line;
    }
    s += "0\n";
    return s;
}

} // namespace qmtools
