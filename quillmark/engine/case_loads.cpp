#include "engine/case_loads.h"

#include "engine/releases.h"

namespace quill {

CaseLoads case_loads(const Model& s, const LoadCase& c, const std::vector<Axes>& axes)
{
    const TypeTable& t = s.t();
    size_t m = s.members.size();
    CaseLoads l;
    l.fea.assign(m + 1, Vector12{});
    l.joint.assign(s.joints.size() + 1, {});
    l.settled.assign(s.joints.size() + 1, {});
    for (const JointLoad& jl : c.joints)
        for (int k = 0; k < t.d; ++k)
            l.joint[static_cast<size_t>(jl.joint)][k] += jl.value[k];
    for (const Settlement& d : c.displacements)
        for (int k = 0; k < t.d; ++k)
            if (d.given[k]) {
                l.settled[static_cast<size_t>(d.joint)][k] = d.value[k];
                l.settles = true;
            }
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

Vector12 member_end_displacements(const Model& s, int i, const std::vector<std::array<double, 6>>& D)
{
    const TypeTable& t = s.t();
    const Member& m = s.members[static_cast<size_t>(i) - 1];
    const int ends[2] = {m.jj, m.jk};
    Vector12 u{};
    for (int end = 0; end < 2; ++end)
        for (int k = 0; k < t.d; ++k)
            u[static_cast<size_t>(6 * end + space_direction(t, k))] = D[static_cast<size_t>(ends[end])][static_cast<size_t>(k)];
    return u;
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
        const Member& m = s.members[i - 1];
        const int ends[2] = {m.jj, m.jk};
        bool moved = false;
        for (int end = 0; end < 2 && l.settles; ++end)
            for (int k = 0; k < q.d; ++k)
                moved = moved || l.settled[static_cast<size_t>(ends[end])][static_cast<size_t>(k)] != 0;
        Vector12 a = l.fea[i];
        if (moved || m.any_release()) {
            Condensed c(s, static_cast<int>(i));
            a = moved ? c.end_actions(to_member(axes[i], member_end_displacements(s, static_cast<int>(i), l.settled)), a)
                      : c.fixed_end_actions(a);
        }
        Vector12 g = to_global(axes[i], a);
        for (int end = 0; end < 2; ++end)
            for (int k = 0; k < q.d; ++k)
                if (int e = q.at(ends[end], k); e >= 0)
                    b[e] -= g[6 * end + sd[k]];
    }
}

} // namespace quill
