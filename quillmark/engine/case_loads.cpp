#include "engine/case_loads.h"

namespace quill {

CaseLoads case_loads(const Model& s, const LoadCase& c, const std::vector<Axes>& axes)
{
    const TypeTable& t = s.t();
    size_t m = s.members.size();
    CaseLoads l;
    l.fea.assign(m + 1, Vector12{});
    l.joint.assign(s.joints.size() + 1, {});
    for (const JointLoad& jl : c.joints)
        for (int k = 0; k < t.d; ++k)
            l.joint[static_cast<size_t>(jl.joint)][k] += jl.value[k];
    auto add = [&](const MemberLoad& load) {
        Vector12 a = member_fixed_end_actions(s, load, axes[static_cast<size_t>(load.member)]);
        for (int k = 0; k < t.nea; ++k)
            l.fea[static_cast<size_t>(load.member)][t.local[k]] += a[t.local[k]];
    };
    for (const MemberLoad& load : c.members)
        add(load);
    if (c.self_weight)
        for (size_t i = 1; i <= m; ++i)
            add(self_weight(s, static_cast<int>(i)));
    return l;
}

void load_vector(const Model& s, const Numbering& q, const std::vector<Axes>& axes, const CaseLoads& l, double* b)
{
    const TypeTable& t = s.t();
    for (int e = 0; e < q.n(); ++e)
        b[e] = l.joint[static_cast<size_t>(q.joint[static_cast<size_t>(e)])][q.direction[static_cast<size_t>(e)]];
    int sd[6];
    for (int k = 0; k < q.d; ++k)
        sd[k] = space_direction(t, k);
    for (size_t i = 1; i < l.fea.size(); ++i) {
        Vector12 g = to_global(axes[i], l.fea[i]);
        const Member& m = s.members[i - 1];
        const int ends[2] = {m.jj, m.jk};
        for (int end = 0; end < 2; ++end)
            for (int k = 0; k < q.d; ++k)
                if (int e = q.at(ends[end], k); e >= 0)
                    b[e] -= g[6 * end + sd[k]];
    }
}

} // namespace quill
