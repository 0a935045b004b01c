#include "engine/free_rotations.h"

#include <algorithm>
#include <cmath>

#include "engine/releases.h"
#include "engine/stability.h"
#include "engine/sweep.h"

namespace quill {

namespace {

// A joint's rotational stiffness: the blocks of its members' global
// stiffness at its rotations (and its rotational springs), as the members
// are (k) and as they would be without their releases (k0).
using Block = std::array<std::array<double, 3>, 3>;
struct JointBlocks {
    Block k{}, k0{};
};

// A rotation whose stiffness, once the others are held, keeps less than
// this fraction of the joint's largest: nothing holds it.
constexpr double free_bound = 1e-12;

// The entries of b left without stiffness once the others are eliminated
// (largest pivot first); b ends swept on the rest.
std::vector<int> free_entries(Block& b, int n, double scale)
{
    bool swept[3] = {};
    for (int step = 0; step < n; ++step) {
        int p = -1;
        for (int a = 0; a < n; ++a)
            if (!swept[a] && (p < 0 || b[a][a] > b[p][p]))
                p = a;
        if (!(b[p][p] > free_bound * scale))
            break;
        sweep(b, n, p);
        swept[p] = true;
    }
    std::vector<int> out;
    for (int a = 0; a < n; ++a)
        if (!swept[a])
            out.push_back(a);
    return out;
}

} // namespace

std::vector<std::array<bool, 6>> rotations_left_out(const Model& s, const Numbering& held,
                                                    const std::vector<Axes>& axes)
{
    const TypeTable& t = s.t();
    size_t nj = s.joints.size();
    std::vector<std::array<bool, 6>> left(nj + 1, std::array<bool, 6>{});
    // Only a joint at a released member end can lose a rotation this way.
    std::vector<bool> near(nj + 1, false);
    bool any = false;
    for (const Member& m : s.members)
        if (m.any_release()) {
            near[static_cast<size_t>(m.jj)] = true;
            near[static_cast<size_t>(m.jk)] = true;
            any = true;
        }
    if (!any)
        return left;
    int rot[3], nr = 0, sd[3];
    for (int k = 0; k < t.d; ++k)
        if (t.rotation[k]) {
            rot[nr] = k;
            sd[nr++] = space_direction(t, k);
        }
    std::vector<JointBlocks> blocks(nj + 1);
    for (int i = 1; i <= static_cast<int>(s.members.size()); ++i) {
        const Member& m = s.members[static_cast<size_t>(i) - 1];
        const int ends[2] = {m.jj, m.jk};
        if (!near[static_cast<size_t>(m.jj)] && !near[static_cast<size_t>(m.jk)])
            continue;
        Condensed c(s, i);
        Matrix12 g = global_stiffness(c.stiffness(), axes[static_cast<size_t>(i)]);
        Matrix12 g0 = m.any_release() ? global_stiffness(local_stiffness(s, i), axes[static_cast<size_t>(i)]) : g;
        for (int end = 0; end < 2; ++end) {
            if (!near[static_cast<size_t>(ends[end])])
                continue;
            JointBlocks& b = blocks[static_cast<size_t>(ends[end])];
            for (int a = 0; a < nr; ++a)
                for (int c2 = 0; c2 < nr; ++c2) {
                    b.k[a][c2] += g[6 * end + sd[a]][6 * end + sd[c2]];
                    b.k0[a][c2] += g0[6 * end + sd[a]][6 * end + sd[c2]];
                }
        }
    }
    for (const Spring& sp : s.springs)
        for (int a = 0; a < nr; ++a) {
            blocks[static_cast<size_t>(sp.joint)].k[a][a] += sp.k[rot[a]];
            blocks[static_cast<size_t>(sp.joint)].k0[a][a] += sp.k[rot[a]];
        }

    // Per joint that loses a rotation: its free rotations (index into rot),
    // its block swept on those the members hold, and those nothing holds.
    struct Loose {
        size_t joint;
        int f[3], nf;
        Block k;
        std::vector<int> free;
    };
    std::vector<Loose> loose;
    for (size_t j = 1; j <= nj; ++j) {
        if (!near[j])
            continue;
        Loose l{j, {}, 0, {}, {}};
        for (int a = 0; a < nr; ++a)
            if (held.at(static_cast<int>(j), rot[a]) >= 0)
                l.f[l.nf++] = a;
        Block k0{};
        double scale = 0;
        for (int a = 0; a < l.nf; ++a) {
            for (int b = 0; b < l.nf; ++b) {
                l.k[a][b] = blocks[j].k[l.f[a]][l.f[b]];
                k0[a][b] = blocks[j].k0[l.f[a]][l.f[b]];
            }
            scale = std::max(scale, k0[a][a]);
        }
        // Free without the releases as well: not theirs to excuse.
        if (l.nf == 0 || !free_entries(k0, l.nf, scale).empty())
            continue;
        l.free = free_entries(l.k, l.nf, scale);
        for (int q : l.free)
            left[j][static_cast<size_t>(rot[l.f[q]])] = true;
        if (!l.free.empty())
            loose.push_back(l);
    }
    if (loose.empty())
        return left;
    // The rotation that moves nothing: direction q, and the held ones as
    // the members then need (the block swept on them). A moment along it
    // would find nothing to carry it.
    std::vector<std::array<double, 6>> moment(nj + 1);
    for (const LoadCase& lc : s.cases) {
        for (const Loose& l : loose)
            moment[l.joint] = {};
        for (const JointLoad& jl : lc.joints)
            for (int k = 0; k < t.d; ++k)
                moment[static_cast<size_t>(jl.joint)][static_cast<size_t>(k)] += jl.value[k];
        for (const Loose& l : loose) {
            const std::array<double, 6>& m = moment[l.joint];
            double largest = 0;
            for (int a = 0; a < l.nf; ++a)
                largest = std::max(largest, std::fabs(m[static_cast<size_t>(rot[l.f[a]])]));
            for (int q : l.free) {
                double along = m[static_cast<size_t>(rot[l.f[q]])];
                for (int p = 0; p < l.nf; ++p)
                    if (std::find(l.free.begin(), l.free.end(), p) == l.free.end())
                        along -= m[static_cast<size_t>(rot[l.f[p]])] * l.k[p][q];
                if (std::fabs(along) > 1e-9 * largest)
                    throw unstable(s, static_cast<int>(l.joint), rot[l.f[q]],
                                   "every member end there is released for it, yet case " + lc.name +
                                       " applies a moment there");
            }
        }
    }
    return left;
}

} // namespace quill
