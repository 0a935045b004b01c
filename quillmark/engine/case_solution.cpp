#include "engine/case_solution.h"

namespace quill {

Solution solution_of(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l,
                     const double* x)
{
    const TypeTable& t = s.t();
    size_t nj = s.joints.size(), m = s.members.size();
    Solution r;
    r.D.assign(nj + 1, {});
    r.AR.assign(nj + 1, {});
    r.actions.assign(m + 1, {});
    r.ends.assign(m + 1, {});
    for (int e = 0; e < q.n(); ++e)
        r.D[static_cast<size_t>(q.joint[static_cast<size_t>(e)])][q.direction[static_cast<size_t>(e)]] = x[e];
    int sd[6];
    for (int k = 0; k < q.d; ++k)
        sd[k] = space_direction(t, k);
    for (size_t i = 1; i <= m; ++i) {
        const Member& mb = s.members[i - 1];
        const int ends[2] = {mb.jj, mb.jk};
        Vector12 u{};
        for (int end = 0; end < 2; ++end)
            for (int k = 0; k < q.d; ++k)
                u[6 * end + sd[k]] = r.D[static_cast<size_t>(ends[end])][k];
        Vector12 ul = to_member(axes[i], u);
        Matrix12 k = local_stiffness(s, static_cast<int>(i));
        // The member's stiffness takes no force from a translation of it as
        // a whole: with the start's translation taken off both ends first,
        // the end actions carry no rounding of the joints' whole movement,
        // which high in a tall building is many times its members' own.
        Vector12 rel = ul;
        for (int a3 = 0; a3 < 3; ++a3) {
            rel[static_cast<size_t>(6 + a3)] -= ul[static_cast<size_t>(a3)];
            rel[static_cast<size_t>(a3)] = 0;
        }
        Vector12 a = l.fea[i];
        for (int p = 0; p < 12; ++p)
            for (int c = 0; c < 12; ++c)
                a[p] += k[p][c] * rel[c];
        r.ends[i] = ul;
        r.actions[i] = a;
        Vector12 g = to_global(axes[i], a);
        for (int end = 0; end < 2; ++end)
            for (int kd = 0; kd < q.d; ++kd)
                if (q.at(ends[end], kd) < 0)
                    r.AR[static_cast<size_t>(ends[end])][kd] += g[6 * end + sd[kd]];
    }
    for (size_t j = 1; j <= nj; ++j)
        for (int k = 0; k < q.d; ++k)
            if (q.at(static_cast<int>(j), k) < 0)
                r.AR[j][k] -= l.joint[j][k];
    return r;
}

} // namespace quill
