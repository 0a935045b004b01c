#include "pages/standing.h"

#include <algorithm>

namespace quill {

bool limit_fails(const Model& s, int c, const Deflection& d)
{
    return s.deflection.applies_to(c) && d.delta > 0 && d.span_ratio < s.deflection.limit;
}

namespace {

Standing standing_of(const Model& s, int c, const MemberVerdict& v, int i)
{
    Standing st;
    st.member = i;
    auto take = [&](double r) {
        st.least = st.checked ? std::min(st.least, r) : r;
        st.checked = true;
    };
    for (const Demand& d : v.check)
        if (d.made) {
            take(d.ratio);
            st.failing = st.failing || fails(d);
        }
    if (s.deflection.applies_to(c) && v.deflection.delta > 0) {
        take(v.deflection.span_ratio / s.deflection.limit);
        st.failing = st.failing || limit_fails(s, c, v.deflection);
    }
    return st;
}

} // namespace

Standings standings(const Model& s, int c, const CombinationOutcome& o)
{
    Standings out;
    for (size_t i = 1; i <= s.members.size(); ++i)
        out.order.push_back(standing_of(s, c, o.members[i], static_cast<int>(i)));
    std::stable_sort(out.order.begin(), out.order.end(), [](const Standing& a, const Standing& b) {
        if (a.failing != b.failing)
            return a.failing;
        if (a.checked != b.checked)
            return a.checked;
        return a.least < b.least;
    });
    out.failing = static_cast<size_t>(
        std::count_if(out.order.begin(), out.order.end(), [](const Standing& st) { return st.failing; }));
    out.listed = std::min(out.order.size(), out.failing + members_listed);
    return out;
}

std::vector<bool> members_drawn(const Model& s, const Standings& st)
{
    bool all = s.members.size() <= members_drawn_in_full;
    std::vector<bool> drawn(s.members.size() + 1, all);
    drawn[0] = false;
    for (size_t n = 0; !all && n < st.listed; ++n)
        drawn[static_cast<size_t>(st.order[n].member)] = true;
    return drawn;
}

} // namespace quill
