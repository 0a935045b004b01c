#include "engine/stability.h"

#include <algorithm>
#include <numeric>

#include "engine/member_stiffness.h"

namespace quill {

EngineStop unstable(const Model& s, int joint, int k, const std::string& why)
{
    std::string message = "unstable structure: nothing holds joint " + s.joints[static_cast<size_t>(joint) - 1].name +
                          " in direction " + s.t().dof[k];
    return {why.empty() ? message : message + ": " + why};
}

void check_supports(const Model& s, const Numbering& q)
{
    int nj = static_cast<int>(s.joints.size());
    std::vector<int> root(static_cast<size_t>(nj) + 1);
    std::iota(root.begin(), root.end(), 0);
    auto find = [&](int j) {
        while (root[static_cast<size_t>(j)] != j)
            j = root[static_cast<size_t>(j)] = root[static_cast<size_t>(root[static_cast<size_t>(j)])];
        return j;
    };
    for (const Member& m : s.members)
        root[static_cast<size_t>(find(m.jj))] = find(m.jk);
    std::vector<bool> held(static_cast<size_t>(nj) + 1, false);
    for (int j = 1; j <= nj; ++j)
        for (int k = 0; k < q.d; ++k)
            if (q.held(j, k))
                held[static_cast<size_t>(find(j))] = true;
    for (const Spring& sp : s.springs)
        held[static_cast<size_t>(find(sp.joint))] = true;
    for (int j = 1; j <= nj; ++j)
        if (!held[static_cast<size_t>(find(j))])
            throw unstable(s, j, 0, "its part of the structure rests on no support or spring");
}

void check_directions(const Model& s, const Numbering& q, const UpperMatrix& K)
{
    // The stiffness a member brings to a joint, by kind (translation,
    // rotation): the trace of its end's block, the same in every axes.
    const TypeTable& t = s.t();
    int nj = static_cast<int>(s.joints.size());
    std::vector<std::array<double, 2>> scale(static_cast<size_t>(nj) + 1, {0.0, 0.0});
    for (int i = 1; i <= static_cast<int>(s.members.size()); ++i) {
        Matrix12 k = local_stiffness(s, i);
        double translation = k[0][0] + k[1][1] + k[2][2], rotation = k[3][3] + k[4][4] + k[5][5];
        for (int j : {s.members[static_cast<size_t>(i) - 1].jj, s.members[static_cast<size_t>(i) - 1].jk}) {
            scale[static_cast<size_t>(j)][0] = std::max(scale[static_cast<size_t>(j)][0], translation);
            scale[static_cast<size_t>(j)][1] = std::max(scale[static_cast<size_t>(j)][1], rotation);
        }
    }
    for (int e = 0; e < q.n(); ++e) {
        int j = q.joint[static_cast<size_t>(e)], k = q.direction[static_cast<size_t>(e)];
        if (!(K.diagonal(e) > 1e-12 * scale[static_cast<size_t>(j)][t.rotation[k] ? 1 : 0]))
            throw unstable(s, j, k);
    }
}

} // namespace quill
