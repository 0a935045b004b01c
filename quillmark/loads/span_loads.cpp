#include "loads/span_loads.h"

namespace quill {

SpanLoads span_loads(const Model& s, const Combination& c)
{
    size_t m = s.members.size();
    SpanLoads out;
    out.member.assign(m + 1, {});
    out.ends_only.assign(m + 1, false);
    std::vector<Axes> axes(m + 1);
    std::vector<bool> formed(m + 1, false);
    auto add = [&](const MemberLoad& l, double f) {
        size_t i = static_cast<size_t>(l.member);
        if (l.kind == LoadKind::fixed_end_actions) {
            out.ends_only[i] = true;
            return;
        }
        if (!formed[i]) {
            axes[i] = exact_member_axes(s, l.member);
            formed[i] = true;
        }
        for (AxisLoad a : axis_loads(l, axes[i])) {
            a.p = a.p.scaled(f);
            out.member[i].push_back(a);
        }
    };
    for (auto [k, f] : c.factors) {
        if (f == 0)
            continue;
        const LoadCase& lc = s.cases[static_cast<size_t>(k)];
        for (const MemberLoad& l : lc.members)
            add(l, f);
        if (lc.self_weight)
            for (size_t i = 1; i <= m; ++i)
                add(self_weight(s, static_cast<int>(i)), f);
    }
    return out;
}

} // namespace quill
