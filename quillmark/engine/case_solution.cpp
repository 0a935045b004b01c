#include "engine/case_solution.h"

#include "engine/releases.h"

namespace quill {

Solution solution_of(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l,
                     const double* x)
{
    const TypeTable& t = s.t();
    size_t nj = s.joints.size(), m = s.members.size();
    Solution r;
    r.D = l.settled;
    r.AR.assign(nj + 1, {});
    r.actions.assign(m + 1, {});
    r.ends.assign(m + 1, {});
    r.left_out.assign(nj + 1, {});
    for (int e = 0; e < q.n(); ++e)
        r.D[static_cast<size_t>(q.joint[static_cast<size_t>(e)])][q.direction[static_cast<size_t>(e)]] = x[e];
    for (size_t j = 1; j <= nj; ++j)
        for (int k = 0; k < q.d; ++k)
            r.left_out[j][static_cast<size_t>(k)] = q.at(static_cast<int>(j), k) == Numbering::left_out;
    int sd[6];
    for (int k = 0; k < q.d; ++k)
        sd[k] = space_direction(t, k);
    for (size_t i = 1; i <= m; ++i) {
        const Member& mb = s.members[i - 1];
        const int ends[2] = {mb.jj, mb.jk};
        Vector12 ul = to_member(axes[i], member_end_displacements(s, static_cast<int>(i), r.D));
        Condensed c(s, static_cast<int>(i));
        r.ends[i] = c.end_displacements(ul, l.fea[i]);
        r.actions[i] = c.end_actions(ul, l.fea[i]);
        Vector12 g = to_global(axes[i], r.actions[i]);
        for (int end = 0; end < 2; ++end)
            for (int kd = 0; kd < q.d; ++kd)
                if (q.held(ends[end], kd))
                    r.AR[static_cast<size_t>(ends[end])][kd] += g[6 * end + sd[kd]];
    }
    for (size_t j = 1; j <= nj; ++j)
        for (int k = 0; k < q.d; ++k)
            if (q.held(static_cast<int>(j), k))
                r.AR[j][k] -= l.joint[j][k];
    for (const Spring& sp : s.springs)
        for (int k = 0; k < q.d; ++k)
            r.AR[static_cast<size_t>(sp.joint)][k] -= sp.k[k] * r.D[static_cast<size_t>(sp.joint)][k];
    return r;
}

} // namespace quill
