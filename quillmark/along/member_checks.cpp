#include "along/member_checks.h"

#include <algorithm>
#include <cmath>

#include "checks/column_formula.h"
#include "checks/interaction.h"
#include "engine/analysis.h"

namespace quill {

namespace {

// Which section property holds what each check of the type needs.
struct CheckProps {
    Prop shear[2];  // web areas along member y, z (prop_count: none)
    Prop moment[2]; // section moduli about member y, z
};

CheckProps check_props(Type t)
{
    constexpr Prop none = prop_count;
    switch (t) {
    case Type::space_frame: return {{Awy, Awz}, {Sy, Sz}};
    case Type::plane_frame: return {{Awy, none}, {none, Sz}};
    case Type::grid: return {{none, Aw}, {Sy, none}};
    case Type::beam: return {{Aw, none}, {none, Sx}};
    default: return {{none, none}, {none, none}};
    }
}

// A demand against an allowable: an allowable that is zero, negative or
// not finite fails any demand.
Demand against(double allowable, double demand, double s)
{
    Demand d;
    if (!(demand > 0))
        return d;
    d.made = true;
    d.value = demand;
    d.s = s;
    d.ratio = std::isfinite(allowable) && allowable > 0 ? allowable / demand : 0;
    return d;
}

Demand largest(const std::optional<double>& allowable, const Piecewise& f)
{
    if (!allowable || f.pieces.empty())
        return {};
    Extreme hi = f.max(), lo = f.min();
    return std::fabs(hi.value) >= std::fabs(lo.value) ? against(*allowable, std::fabs(hi.value), hi.s)
                                                      : against(*allowable, std::fabs(lo.value), lo.s);
}

// The largest of f over [a, b], f unimodal near its best sample.
template <class F> std::pair<double, double> refined_max(F f, double a, double b)
{
    const int n = 8;
    double best_s = a, best = f(a);
    for (int k = 1; k <= n; ++k) {
        double s = a + (b - a) * k / n;
        double v = f(s);
        if (v > best) {
            best = v;
            best_s = s;
        }
    }
    double lo = std::max(a, best_s - (b - a) / n), hi = std::min(b, best_s + (b - a) / n);
    const double g = 0.6180339887498949;
    double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo), f1 = f(x1), f2 = f(x2);
    for (int it = 0; it < 60 && hi - lo > 1e-12 * (b - a + 1); ++it) {
        if (f1 < f2) {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + g * (hi - lo);
            f2 = f(x2);
        } else {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - g * (hi - lo);
            f1 = f(x1);
        }
    }
    double s = f1 > f2 ? x1 : x2, v = std::max(f1, f2);
    return v > best ? std::make_pair(v, s) : std::make_pair(best, best_s);
}

} // namespace

const char* check_label(Type t, CheckName c)
{
    bool space = t == Type::space_frame;
    switch (c) {
    case tension: return "tension";
    case compression: return "compression";
    case shear_y: return space ? "shear y" : "shear";
    case shear_z: return space ? "shear z" : "shear";
    case moment_y: return space ? "moment y" : "moment";
    case moment_z: return space ? "moment z" : "moment";
    case combined: return "combined";
    case check_count: break;
    }
    return "";
}

double effective_length(const Model& s, int member, int axis)
{
    const Member& m = s.members[static_cast<size_t>(member) - 1];
    const Buckling& own = m.buckling;
    const Buckling& sec = s.sections[static_cast<size_t>(m.section)].buckling;
    double K = own.K[axis] > 0 ? own.K[axis] : sec.K[axis] > 0 ? sec.K[axis] : s.t().K;
    double Lu = own.unbraced[axis] > 0 ? own.unbraced[axis] : sec.unbraced[axis] > 0 ? sec.unbraced[axis] : s.length(member);
    return K * Lu;
}

MemberAllowables allowables_of(const Model& s, int member)
{
    const TypeTable& t = s.t();
    const Section& sec = s.sections[static_cast<size_t>(s.members[static_cast<size_t>(member) - 1].section)];
    const double A = sec.p[quill::A], Fy = sec.p[quill::Fy], Em = sec.p[quill::E];
    const double r[2] = {sec.p[ry], sec.p[rx]}; // buckling about member y, z
    MemberAllowables a;
    CheckProps cp = check_props(s.type);
    for (int axis = 0; axis < 2; ++axis) {
        if (cp.shear[axis] != prop_count && sec.p[cp.shear[axis]] > 0)
            a.shear[axis] = 0.40 * Fy * sec.p[cp.shear[axis]];
        if (cp.moment[axis] != prop_count && sec.p[cp.moment[axis]] > 0)
            a.moment[axis] = 0.66 * sec.p[cp.moment[axis]] * Fy;
    }
    if (!t.axial)
        return a;
    a.tension = 0.60 * A * Fy;
    a.yield = 0.60 * A * Fy;
    double Fa = 0;
    for (int axis = 0; axis < 2; ++axis) {
        double slenderness = r[axis] > 0 ? effective_length(s, member, axis) / r[axis] : 0;
        double f = qm::column_stress<double>(slenderness, Em, Fy);
        Fa = axis == 0 ? f : std::min(Fa, f);
        a.euler[axis] = slenderness > 0 ? A * qm::euler_stress<double>(slenderness, Em) : 0;
    }
    a.compression = A * Fa;
    a.combined = a.moment[0] || a.moment[1];
    return a;
}

MemberVerdict check_member(const MemberAllowables& a, const SpanActions& sa)
{
    MemberVerdict v;
    if (a.tension && !sa.N.pieces.empty()) {
        Extreme hi = sa.N.max(), lo = sa.N.min();
        v.check[tension] = against(*a.tension, hi.value, hi.s);
        v.check[compression] = against(a.compression.value_or(0), -lo.value, lo.s);
    }
    v.check[shear_y] = largest(a.shear[0], sa.Vy);
    v.check[shear_z] = largest(a.shear[1], sa.Vz);
    v.check[moment_y] = largest(a.moment[0], sa.My);
    v.check[moment_z] = largest(a.moment[1], sa.Mz);

    if (a.combined && !sa.N.pieces.empty()) {
        const Piecewise* M[2] = {&sa.My, &sa.Mz};
        // The interaction of the axial force and the moments at one section.
        auto value = [&](double P, double My, double Mz) {
            bool comp = P < 0;
            double allowed = comp ? a.compression.value_or(0) : *a.tension;
            double mag = std::fabs(P);
            double fa = allowed > 0 ? mag / allowed : (mag > 0 ? INFINITY : 0);
            double yield = a.yield > 0 ? mag / a.yield : (mag > 0 ? INFINITY : 0);
            qm::BendingTerm<double> terms[2];
            int n = 0;
            const double Ms[2] = {My, Mz};
            for (int axis = 0; axis < 2; ++axis)
                if (a.moment[axis]) {
                    double Mb = *a.moment[axis];
                    double fb = Mb > 0 ? std::fabs(Ms[axis]) / Mb : (Ms[axis] != 0 ? INFINITY : 0);
                    double fe = a.euler[axis] > 0 ? mag / a.euler[axis] : (mag > 0 ? INFINITY : 0);
                    terms[n++] = {fb, fe};
                }
            return qm::interaction_value<double>(fa, comp, yield, terms, n);
        };
        auto at = [&](double s) { return value(sa.N.at(s), M[0]->pieces.empty() ? 0 : M[0]->at(s),
                                               M[1]->pieces.empty() ? 0 : M[1]->at(s)); };
        auto before = [&](double s) {
            return value(sa.N.before(s), M[0]->pieces.empty() ? 0 : M[0]->before(s),
                         M[1]->pieces.empty() ? 0 : M[1]->before(s));
        };
        double best = -1, best_s = 0;
        auto consider = [&](double x, double s) {
            if (x > best) {
                best = x;
                best_s = s;
            }
        };
        for (double b : sa.breaks) {
            consider(at(b), b);
            consider(before(b), b);
        }
        for (const Piecewise* f : {&sa.N, &sa.My, &sa.Mz})
            for (double s : f->turning_points())
                consider(at(s), s);
        // Between the breaks the value peaks where one action does (a
        // turning point above), unless the actions vary together: where a
        // sample rises above every candidate, the peak is refined there.
        for (size_t k = 0; sa.known_between && k + 1 < sa.breaks.size(); ++k) {
            double s0 = sa.breaks[k], s1 = sa.breaks[k + 1];
            if (!(s1 > s0))
                continue;
            const int n = 8;
            bool above = false;
            for (int j = 1; j < n && !above; ++j)
                above = at(s0 + (s1 - s0) * j / n) > best * (1 + 1e-12);
            if (above) {
                auto [x, s] = refined_max(at, s0, s1);
                consider(x, s);
            }
        }
        if (best > 0) {
            Demand& d = v.check[combined];
            d.made = true;
            d.value = best;
            d.s = best_s;
            d.ratio = std::isfinite(best) ? 1 / best : 0;
        }
    }

    // Deflection relative to the chord: its largest over the stations,
    // refined between the neighbours of the largest; not known where the
    // loads are known only by their fixed-end actions.
    if (!sa.known_between)
        return v;
    auto delta = [&](double s) { return std::hypot(sa.v_chord(s), sa.w_chord(s)); };
    std::vector<double> st = stations(sa, 20);
    size_t at_best = 0;
    double best = -1, vmax = 0, wmax = 0;
    for (size_t k = 0; k < st.size(); ++k) {
        double dv = std::fabs(sa.v_chord(st[k])), dw = std::fabs(sa.w_chord(st[k]));
        vmax = std::max(vmax, dv);
        wmax = std::max(wmax, dw);
        double d = std::hypot(dv, dw);
        if (d > best) {
            best = d;
            at_best = k;
        }
    }
    if (st.empty())
        return v;
    v.deflection = {best, st[at_best], 0};
    // Bent in one plane, the stations hold the chord deflection's turning
    // points; bent in two, the largest of their sum lies between them.
    if (vmax > 0 && wmax > 0) {
        double lo = st[at_best > 0 ? at_best - 1 : 0], hi = st[std::min(at_best + 1, st.size() - 1)];
        if (hi > lo) {
            auto [x, s] = refined_max(delta, lo, hi);
            if (x > best)
                v.deflection = {x, s, 0};
        }
    }
    // A straight member's offset from its chord is rounding alone.
    if (!(v.deflection.delta > 1e-12 * sa.L))
        v.deflection = {};
    v.deflection.span_ratio = v.deflection.delta > 0 ? sa.L / v.deflection.delta : 0;
    return v;
}

SpanData span_data(const Model& s, int member, const Solution& sol, const std::vector<AxisLoad>& loads)
{
    const TypeTable& t = s.t();
    const Section& sec = s.sections[static_cast<size_t>(s.members[static_cast<size_t>(member) - 1].section)];
    SpanData d;
    d.L = s.length(member);
    d.bending = t.bending;
    double Em = sec.p[E];
    switch (s.type) {
    case Type::space_frame:
        d.EIy = Em * sec.p[Iy];
        d.EIz = Em * sec.p[Iz];
        break;
    case Type::plane_frame: d.EIz = Em * sec.p[Iz]; break;
    case Type::grid: d.EIy = Em * sec.p[Iy]; break;
    case Type::beam: d.EIz = Em * sec.p[Ix]; break;
    default: break;
    }
    d.actions = sol.actions[static_cast<size_t>(member)];
    d.ends = sol.ends[static_cast<size_t>(member)];
    d.loads = loads;
    return d;
}

} // namespace quill
