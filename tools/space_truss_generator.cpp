#include "space_truss_generator.h"

#include <cstdio>
#include <vector>

namespace qmtools {

namespace {

// A grid of 10 ft (inches), 6 ft deep; chords, then diagonals.
const int spacing = 120, depth = 72;
const char* const chord = "4.44,29000,36,1.51,1.51";
const char* const diagonal = "2.23,29000,36,1.07,1.07";

} // namespace

std::string make_space_truss_input(const SpaceGrid& g)
{
    int n = g.top, nb = n - 1;
    auto top = [&](int ix, int iz) { return iz * n + ix + 1; };
    auto bottom = [&](int ix, int iz) { return n * n + iz * nb + ix + 1; };
    struct Bar {
        int jj, jk;
        const char* section;
    };
    std::vector<Bar> bars;
    for (int iz = 0; iz < n; ++iz)
        for (int ix = 0; ix + 1 < n; ++ix) {
            bars.push_back({top(ix, iz), top(ix + 1, iz), chord});
            bars.push_back({top(iz, ix), top(iz, ix + 1), chord});
        }
    for (int iz = 0; iz < nb; ++iz)
        for (int ix = 0; ix + 1 < nb; ++ix) {
            bars.push_back({bottom(ix, iz), bottom(ix + 1, iz), chord});
            bars.push_back({bottom(iz, ix), bottom(iz, ix + 1), chord});
        }
    for (int iz = 0; iz < nb; ++iz)
        for (int ix = 0; ix < nb; ++ix)
            for (int c = 0; c < 4; ++c)
                bars.push_back({bottom(ix, iz), top(ix + c % 2, iz + c / 2), diagonal});
    std::vector<int> edge, inner;
    for (int iz = 0; iz < n; ++iz)
        for (int ix = 0; ix < n; ++ix)
            (ix == 0 || iz == 0 || ix == n - 1 || iz == n - 1 ? edge : inner).push_back(top(ix, iz));

    std::string s;
    char line[256];
    std::snprintf(line, sizeof line, "%d,%d,%d,%d\n", static_cast<int>(bars.size()), n * n + nb * nb,
                  3 * static_cast<int>(edge.size()), static_cast<int>(edge.size()));
    s += line;
    for (int iz = 0; iz < n; ++iz)
        for (int ix = 0; ix < n; ++ix) {
            std::snprintf(line, sizeof line, "%d,%d,%d\n", ix * spacing, depth, iz * spacing);
            s += line;
        }
    for (int iz = 0; iz < nb; ++iz)
        for (int ix = 0; ix < nb; ++ix) {
            std::snprintf(line, sizeof line, "%d,0,%d\n", ix * spacing + spacing / 2, iz * spacing + spacing / 2);
            s += line;
        }
    for (const Bar& b : bars) {
        std::snprintf(line, sizeof line, "%d,%d,%s\n", b.jj, b.jk, b.section);
        s += line;
    }
    for (int j : edge) {
        std::snprintf(line, sizeof line, "%d\n1,1,1\n", j);
        s += line;
    }
    std::snprintf(line, sizeof line, "%d,0\n", static_cast<int>(inner.size()) + 1);
    s += line;
    for (int j : inner) {
        std::snprintf(line, sizeof line, "%d\n0,-6,0\n", j);
        s += line;
    }
    std::snprintf(line, sizeof line, "%d\n3,0,0\n0\n", bottom(0, 0));
    s += line;
    return s;
}

} // namespace qmtools
