#include "loads/combined_loads.h"

#include "loads/member_loads.h"

namespace quill {

CombinedLoads combine(const Model& s, const Combination& c)
{
    CombinedLoads out;
    out.joint.assign(s.joints.size() + 1, {});
    out.member.assign(s.members.size() + 1, {});
    for (const auto& factor : c.factors) {
        const LoadCase& lc = s.cases[factor.first];
        double f = factor.second;
        for (const JointLoad& j : lc.joints)
            for (int d = 0; d < 6; ++d)
                out.joint[j.joint][d] += f * j.value[d];
        auto add = [&](const MemberLoad& l) {
            std::array<double, 12> a = fixed_end_actions(s, l);
            for (int e = 0; e < 12; ++e)
                out.member[l.member][e] += f * a[e];
        };
        for (const MemberLoad& l : lc.members)
            add(l);
        if (lc.self_weight)
            for (size_t i = 1; i <= s.members.size(); ++i)
                add(self_weight(s, static_cast<int>(i)));
    }
    return out;
}

} // namespace quill
