#include "loads/member_loads.h"

#include <cmath>

#include "loads/fixed_end.h"
#include "model/member_axes.h"

namespace quill {

namespace {

// Member axes from the joints' coordinates, each step stored as Real:
// float as the programs form them, double for quillmark's own analysis.
template <class Real> Axes axes_in(const Model& s, int member)
{
    const Member& m = s.members[member - 1];
    const Joint& a = s.joints[m.jj - 1];
    const Joint& b = s.joints[m.jk - 1];
    Real dx = static_cast<Real>(b.x) - static_cast<Real>(a.x);
    Real dy = static_cast<Real>(b.y) - static_cast<Real>(a.y);
    Real dz = static_cast<Real>(b.z) - static_cast<Real>(a.z);
    Axes r{};
    if (s.type == Type::beam) {
        r.R[0][0] = r.R[1][1] = r.R[2][2] = 1;
        return r;
    }
    Real L = static_cast<Real>(std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz)));
    Real xcl = dx / L, ycl = dy / L, zcl = dz / L;
    if (s.t().coordinates == 3) {
        Real R[4][4] = {};
        qm::space_member_axes(xcl, ycl, zcl, R);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.R[i][j] = R[i + 1][j + 1];
    } else {
        // Plane types: y turned counter-clockwise from x, z out of the plane.
        r.R[0][0] = xcl;
        r.R[0][1] = ycl;
        r.R[1][0] = -ycl;
        r.R[1][1] = xcl;
        r.R[2][2] = 1;
    }
    return r;
}

Profile profile_of(const MemberLoad& l)
{
    switch (l.kind) {
    case LoadKind::point: return {Profile::force, l.a, l.a, l.w1, l.w1};
    case LoadKind::moment: return {Profile::moment, l.a, l.a, l.w1, l.w1};
    default: return {Profile::distributed, l.a, l.b, l.w1, l.w2};
    }
}

} // namespace

Axes member_axes(const Model& s, int member)
{
    return axes_in<float>(s, member);
}

Axes exact_member_axes(const Model& s, int member)
{
    return axes_in<double>(s, member);
}

std::vector<AxisLoad> axis_loads(const MemberLoad& load, const Axes& ax)
{
    std::vector<AxisLoad> out;
    if (load.kind == LoadKind::fixed_end_actions)
        return out;
    Profile p = profile_of(load);
    for (int i = 0; i < 3; ++i) {
        double c = load.global ? ax.R[i][load.direction] : (i == load.direction ? 1.0 : 0.0);
        if (c != 0)
            out.push_back({i, p.scaled(c)});
    }
    return out;
}

std::array<double, 12> member_fixed_end_actions(const Model& s, const MemberLoad& load, const Axes& ax)
{
    const TypeTable& t = s.t();
    std::array<double, 12> a{}; // start Fx, Fy, Fz, Mx, My, Mz, then the end
    if (load.kind == LoadKind::fixed_end_actions) {
        for (int k = 0; k < t.nea; ++k)
            a[static_cast<size_t>(t.local[k])] = load.fea[static_cast<size_t>(k)];
        return a;
    }
    double L = s.length(load.member);
    // A torque at a point acts on the member's twist as a force acts on its
    // stretch.
    auto add_bar = [&](int k1, Profile q) {
        if (k1 == 3)
            q.form = Profile::force;
        BarEnds e = bar(q, L);
        a[static_cast<size_t>(k1)] += e.F1;
        a[static_cast<size_t>(k1 + 6)] += e.F2;
    };
    // Bending in the x-y plane (plane = 1) or the x-z plane (plane = 2).
    auto add_bending = [&](int plane, const Profile& q) {
        if (!t.bending) {
            add_bar(plane, q);
            return;
        }
        BeamEnds e = bending(q, L);
        int m = plane == 1 ? 5 : 4;
        double turn = plane == 1 ? 1 : -1;
        a[static_cast<size_t>(plane)] += e.V1;
        a[static_cast<size_t>(m)] += turn * e.M1;
        a[static_cast<size_t>(plane + 6)] += e.V2;
        a[static_cast<size_t>(m + 6)] += turn * e.M2;
    };
    for (const AxisLoad& l : axis_loads(load, ax)) {
        if (l.p.form == Profile::moment) {
            // A moment about x twists; about z it bends in the x-y plane,
            // about y in the x-z plane with its sign turned.
            if (l.axis == 0)
                add_bar(3, l.p);
            else if (l.axis == 2)
                add_bending(1, l.p);
            else
                add_bending(2, l.p.scaled(-1));
        } else if (l.axis == 0) {
            add_bar(0, l.p);
        } else {
            add_bending(l.axis, l.p);
        }
    }
    return a;
}

std::array<double, 12> fixed_end_actions(const Model& s, const MemberLoad& load)
{
    const TypeTable& t = s.t();
    std::array<double, 12> a = member_fixed_end_actions(s, load, member_axes(s, load.member));
    std::array<double, 12> out{};
    for (int k = 0; k < t.nea; ++k)
        out[static_cast<size_t>(k)] = a[static_cast<size_t>(t.local[k])];
    return out;
}

MemberLoad self_weight(const Model& s, int member)
{
    const Member& m = s.members[member - 1];
    MemberLoad l;
    l.member = member;
    l.kind = LoadKind::uniform;
    l.global = true;
    l.direction = s.t().gravity;
    l.a = 0;
    l.b = s.length(member);
    l.w1 = l.w2 = -s.sections[m.section].p[unit_weight] * s.sections[m.section].p[A];
    return l;
}

namespace {

// A force at an end goes straight into the joint; anything else with an
// end action across the member bends it.
bool loads_across(const Model& s, const MemberLoad& l)
{
    if (l.kind == LoadKind::point && (l.a == 0 || l.a == s.length(l.member)))
        return false;
    const TypeTable& t = s.t();
    std::array<double, 12> a = fixed_end_actions(s, l);
    for (int k = 0; k < t.nea; ++k)
        if (t.check[k] == Check::shear && a[k] != 0)
            return true;
    return false;
}

} // namespace

std::vector<int> members_bent(const Model& s, const Combination& c)
{
    std::vector<bool> bent(s.members.size() + 1, false);
    if (s.type == Type::space_truss || s.type == Type::plane_truss)
        for (auto [k, f] : c.factors) {
            if (f == 0)
                continue;
            const LoadCase& lc = s.cases[k];
            for (const MemberLoad& l : lc.members)
                if (loads_across(s, l))
                    bent[l.member] = true;
            if (lc.self_weight)
                for (size_t i = 1; i <= s.members.size(); ++i)
                    if (loads_across(s, self_weight(s, static_cast<int>(i))))
                        bent[i] = true;
        }
    std::vector<int> out;
    for (size_t i = 1; i < bent.size(); ++i)
        if (bent[i])
            out.push_back(static_cast<int>(i));
    return out;
}

} // namespace quill
