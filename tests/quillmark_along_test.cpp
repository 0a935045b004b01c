// The actions and deflections along a member against the closed forms of
// the handbook, each at the place along the member where it holds; the far
// end's actions against those the member's equilibrium gives; and the
// roots that place the extremes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "along/span_actions.h"
#include "file/model.h"
#include "loads/member_loads.h"

namespace {

using quill::AxisLoad;
using quill::Profile;

const double L = 240, EI = 29000.0 * 375, w = 0.1, P = 10;
const double tol = 1e-9;

// Start Fx, Fy, Fz, Mx, My, Mz, then the end: indices into the end actions.
enum { Fx1, Fy1, Fz1, Mx1, My1, Mz1, Fx2, Fy2, Fz2, Mx2, My2, Mz2 };
enum { ux1, uy1, uz1, rx1, ry1, rz1, ux2, uy2, uz2, rx2, ry2, rz2 };

quill::SpanData span(std::vector<AxisLoad> loads)
{
    quill::SpanData d;
    d.L = L;
    d.EIy = d.EIz = EI;
    d.loads = std::move(loads);
    return d;
}

AxisLoad distributed(int axis, double a, double b, double q1, double q2)
{
    return {axis, {Profile::distributed, a, b, q1, q2}};
}

AxisLoad force(int axis, double a, double F)
{
    return {axis, {Profile::force, a, a, F, F}};
}

AxisLoad couple(int axis, double a, double M)
{
    return {axis, {Profile::moment, a, a, M, M}};
}

void expect_close(double actual, double expected, const char* what)
{
    EXPECT_NEAR(actual, expected, tol * (std::fabs(expected) + 1)) << what;
}

// The slope of a deflection at s (from the piece starting at s; at L the last).
double slope(const quill::Piecewise& f, double s)
{
    const quill::Piece* q = &f.pieces.back();
    for (const quill::Piece& p : f.pieces)
        if (s >= p.s0 && s < p.s1) {
            q = &p;
            break;
        }
    double t = s - q->s0, d = 0;
    for (int k = 5; k >= 1; --k)
        d = d * t + k * q->c[static_cast<size_t>(k)];
    return d;
}

// The actions at the far end are those the joint exerts there.
void expect_far_end(const quill::SpanActions& a, const std::array<double, 12>& A)
{
    expect_close(a.N.at(L), A[Fx2], "N(L)");
    expect_close(a.Vy.at(L), -A[Fy2], "Vy(L)");
    expect_close(a.Vz.at(L), -A[Fz2], "Vz(L)");
    expect_close(a.T.at(L), A[Mx2], "T(L)");
    expect_close(a.My.at(L), A[My2], "My(L)");
    expect_close(a.Mz.at(L), A[Mz2], "Mz(L)");
}

// A simple span from pin to roller: the end forces by hand, no end moments.
quill::SpanData simple_span(std::vector<AxisLoad> loads, double R1, double R2)
{
    quill::SpanData d = span(std::move(loads));
    d.actions[Fy1] = R1;
    d.actions[Fy2] = R2;
    return d;
}

// ---------------------------------------------------------------------------
// Statically determinate spans, loads downwards (against member y).

TEST(AlongMember, SimplySupportedUniformLoad)
{
    quill::SpanData d = simple_span({distributed(1, 0, L, -w, -w)}, w * L / 2, w * L / 2);
    quill::SpanActions a = actions_along(d);
    quill::Extreme m = a.Mz.max();
    expect_close(m.value, w * L * L / 8, "wL^2/8");
    expect_close(m.s, L / 2, "at midspan");
    expect_close(a.Mz.before(0), 0, "no moment at the start");
    expect_close(a.v.at(L / 2), -5 * w * L * L * L * L / (384 * EI), "5wL^4/384EI");
    expect_close(a.v.min().s, L / 2, "deepest at midspan");
    // A pinned end turns by wL^3/24EI of its own.
    expect_close(slope(a.v, 0), -w * L * L * L / (24 * EI), "start rotation");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, ProppedCantileverTurnsNotAtItsBuiltInEnd)
{
    // Built in at the start, propped at the end: 5wL/8, wL^2/8; 3wL/8.
    quill::SpanData d = simple_span({distributed(1, 0, L, -w, -w)}, 5 * w * L / 8, 3 * w * L / 8);
    d.actions[Mz1] = w * L * L / 8;
    quill::SpanActions a = actions_along(d);
    quill::Extreme m = a.Mz.max();
    expect_close(m.value, 9 * w * L * L / 128, "9wL^2/128");
    expect_close(m.s, L - 3 * L / 8, "3L/8 from the prop");
    expect_close(a.Mz.min().value, -w * L * L / 8, "wL^2/8 over the built-in end");
    expect_close(slope(a.v, 0), 0, "no rotation where built in");
    expect_close(slope(a.v, L), w * L * L * L / (48 * EI), "the prop's rotation wL^3/48EI");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, PointLoadOnASimpleSpan)
{
    const double ap = 60, bp = L - ap;
    quill::SpanData d = simple_span({force(1, ap, -P)}, P * bp / L, P * ap / L);
    quill::SpanActions a = actions_along(d);
    EXPECT_EQ(a.breaks, (std::vector<double>{0, ap, L}));
    quill::Extreme m = a.Mz.max();
    expect_close(m.value, P * ap * bp / L, "Pab/L");
    expect_close(m.s, ap, "under the load");
    expect_close(a.Vy.before(ap) - a.Vy.at(ap), P, "shear jumps by P");
    expect_close(a.Vy.max().value, P * bp / L, "largest shear");
    expect_close(a.Vy.min().value, -P * ap / L, "smallest shear");
    expect_close(a.v.at(ap), -P * ap * ap * bp * bp / (3 * EI * L), "Pa^2b^2/3EIL under the load");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, HalfSpanUniformLoad)
{
    quill::SpanData d = simple_span({distributed(1, 0, L / 2, -w, -w)}, 3 * w * L / 8, w * L / 8);
    quill::SpanActions a = actions_along(d);
    quill::Extreme m = a.Mz.max();
    expect_close(m.value, 9 * w * L * L / 128, "9wL^2/128");
    expect_close(m.s, 3 * L / 8, "3L/8 from the loaded end");
    expect_close(a.Vy.before(L / 2), a.Vy.at(L / 2), "no jump where a distributed load ends");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, TriangularLoadOnASimpleSpan)
{
    // From nothing at the start to w at the end: wL/6 and wL/3.
    quill::SpanData d = simple_span({distributed(1, 0, L, 0, -w)}, w * L / 6, w * L / 3);
    quill::SpanActions a = actions_along(d);
    quill::Extreme m = a.Mz.max();
    expect_close(m.value, w * L * L / (9 * std::sqrt(3.0)), "wL^2/9sqrt3");
    expect_close(m.s, L / std::sqrt(3.0), "L/sqrt3 from the zero end");
    // The deepest point, at L sqrt(1 - sqrt(8/15)), is among the stations.
    std::vector<double> st = stations(a);
    double deepest = L * std::sqrt(1 - std::sqrt(8.0 / 15));
    EXPECT_TRUE(std::any_of(st.begin(), st.end(), [&](double s) { return std::fabs(s - deepest) < 1e-7; }));
    expect_far_end(a, d.actions);
}

TEST(AlongMember, PointCoupleJumpsTheMoment)
{
    // A counter-clockwise couple M at a on a simple span: M/L and -M/L.
    const double M = 500, ac = 90;
    quill::SpanData d = simple_span({couple(2, ac, M)}, M / L, -M / L);
    quill::SpanActions a = actions_along(d);
    expect_close(a.Mz.before(ac), M * ac / L, "Ma/L before it");
    expect_close(a.Mz.at(ac), -M * (L - ac) / L, "-Mb/L after it");
    expect_close(a.Vy.at(ac), a.Vy.before(ac), "no shear jump");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, BentInTheXzPlane)
{
    // Against member z: sagging puts the -z side in tension (My negative),
    // the member moves towards -z.
    quill::SpanData d = span({distributed(2, 0, L, -w, -w)});
    d.actions[Fz1] = d.actions[Fz2] = w * L / 2;
    quill::SpanActions a = actions_along(d);
    quill::Extreme m = a.My.min();
    expect_close(m.value, -w * L * L / 8, "wL^2/8, tension on -z");
    expect_close(m.s, L / 2, "at midspan");
    expect_close(a.Vz.at(0), w * L / 2, "Vz(0) = Fz1");
    expect_close(a.w.at(L / 2), -5 * w * L * L * L * L / (384 * EI), "towards -z");
    expect_close(a.Mz.max().value, 0, "nothing in the x-y plane");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, TorqueAtAPointAndDistributedAxialLoad)
{
    // A cantilever from its start: torque Mt at a, axial qx pulling along
    // x, and a force F at the support itself, which its joint takes.
    const double Mt = 40, at = 100, qx = 0.05, F = 3;
    quill::SpanData d = span({couple(0, at, Mt), distributed(0, 0, L, qx, qx), force(0, 0, F)});
    d.actions[Mx1] = -Mt;
    d.actions[Fx1] = -qx * L - F;
    quill::SpanActions a = actions_along(d);
    expect_close(a.T.before(at), Mt, "torque up to it");
    expect_close(a.T.at(at), 0, "none past it");
    expect_close(a.N.before(0), qx * L + F, "the joint's pull");
    expect_close(a.N.at(0), qx * L, "tension qL just inside the support");
    expect_close(a.N.at(L / 2), qx * L / 2, "half of it at midspan");
    expect_far_end(a, d.actions);
}

TEST(AlongMember, CantileverTipDeflectionFromItsEndDisplacements)
{
    // Built in at the start; P at the tip as a member load at s = L, which
    // the end's actions already hold: the tip's force on the joint is nil.
    quill::SpanData d = span({force(1, L, -P)});
    d.actions[Fy1] = P;
    d.actions[Mz1] = P * L;
    d.ends[uy2] = -P * L * L * L / (3 * EI);
    d.ends[rz2] = -P * L * L / (2 * EI);
    quill::SpanActions a = actions_along(d);
    expect_close(slope(a.v, 0), 0, "level at the built-in end");
    expect_close(slope(a.v, L), d.ends[rz2], "the tip's rotation PL^2/2EI");
    expect_close(a.v.at(L / 2), -5 * P * L * L * L / (48 * EI), "5PL^3/48EI at midspan");
    expect_close(a.Vy.before(L), P, "shear P up to the tip");
    expect_far_end(a, d.actions);
}

// ---------------------------------------------------------------------------
// End actions from the fixed-end actions and the stiffness of a member
// rigidly joined at both ends: the deflection's slopes are the joints'
// rotations, in both planes and under every kind of load.

std::array<double, 12> fixed_end_actions(const std::vector<quill::MemberLoad>& loads)
{
    quill::Model s;
    s.type = quill::Type::space_frame;
    s.joints = {{"A", 0, 0, 0}, {"B", L, 0, 0}};
    s.members = {{"AB", 1, 2, 0, false, {}}};
    quill::Axes ax{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    std::array<double, 12> A{};
    for (const quill::MemberLoad& l : loads) {
        std::array<double, 12> e = quill::member_fixed_end_actions(s, l, ax);
        for (size_t k = 0; k < 12; ++k)
            A[k] += e[k];
    }
    return A;
}

quill::MemberLoad member_load(quill::LoadKind kind, int direction, double a, double b, double w1, double w2)
{
    quill::MemberLoad l;
    l.member = 1;
    l.kind = kind;
    l.direction = direction;
    l.a = a;
    l.b = b;
    l.w1 = w1;
    l.w2 = w2;
    return l;
}

TEST(AlongMember, RigidJointsRotationsAreTheDeflectionsEndSlopes)
{
    using quill::LoadKind;
    const std::vector<quill::MemberLoad> loads = {
        member_load(LoadKind::uniform, 1, 0, L, -w, -w),   member_load(LoadKind::point, 1, 70, 70, -P, 0),
        member_load(LoadKind::moment, 2, 150, 150, 300, 0), member_load(LoadKind::linear, 2, 40, 200, 0.05, -0.1),
        member_load(LoadKind::point, 2, 120, 120, 4, 0),    member_load(LoadKind::moment, 1, 50, 50, -200, 0),
        member_load(LoadKind::moment, 0, 80, 80, 25, 0),    member_load(LoadKind::uniform, 0, 0, L, 0.02, 0.02)};
    std::vector<AxisLoad> axis;
    for (const quill::MemberLoad& l : loads)
        for (const AxisLoad& x : quill::axis_loads(l, {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}}))
            axis.push_back(x);
    quill::SpanData d = span(axis);
    d.EIy = EI / 3;
    d.ends = {0, 0.3, -0.2, 0, 0.004, -0.003, 0, -0.1, 0.5, 0, -0.002, 0.005};
    std::array<double, 12> A = fixed_end_actions(loads);
    // The member's stiffness in the x-y plane; in the x-z plane the same
    // with the moments and rotations about y turned.
    auto add_stiffness = [&](int Fy, int Mz, double EIp, double v1, double r1, double v2, double r2) {
        double k = 12 * EIp / (L * L * L) * (v1 - v2) + 6 * EIp / (L * L) * (r1 + r2);
        double m1 = 6 * EIp / (L * L) * (v1 - v2) + EIp / L * (4 * r1 + 2 * r2);
        double m2 = 6 * EIp / (L * L) * (v1 - v2) + EIp / L * (2 * r1 + 4 * r2);
        double turn = Mz == My1 ? -1 : 1;
        A[static_cast<size_t>(Fy)] += k;
        A[static_cast<size_t>(Fy + 6)] -= k;
        A[static_cast<size_t>(Mz)] += turn * m1;
        A[static_cast<size_t>(Mz + 6)] += turn * m2;
    };
    const auto& D = d.ends;
    add_stiffness(Fy1, Mz1, d.EIz, D[uy1], D[rz1], D[uy2], D[rz2]);
    add_stiffness(Fz1, My1, d.EIy, D[uz1], -D[ry1], D[uz2], -D[ry2]);
    d.actions = A;
    quill::SpanActions a = actions_along(d);
    expect_close(slope(a.v, 0), D[rz1], "v'(0) = rz");
    expect_close(slope(a.v, L), D[rz2], "v'(L) = rz");
    expect_close(slope(a.w, 0), -D[ry1], "w'(0) = -ry");
    expect_close(slope(a.w, L), -D[ry2], "w'(L) = -ry");
    expect_far_end(a, d.actions);
}

// ---------------------------------------------------------------------------
// Members that do not bend, deflections off the chord, stations.

TEST(AlongMember, TrussMemberCarriesAxialForceAlone)
{
    quill::SpanData d = span({force(0, 80, -P), force(1, 120, -P)});
    d.bending = false;
    d.actions[Fx1] = P; // a compression P from the start to the load
    d.actions[Fy1] = d.actions[Fy2] = P / 2;
    d.ends[uy1] = 0.2;
    d.ends[uy2] = 0.6;
    quill::SpanActions a = actions_along(d);
    expect_close(a.N.before(80), -P, "compression P");
    expect_close(a.N.at(80), 0, "none beyond the load");
    expect_close(a.Vy.at(200), P / 2, "the end force across it, constant");
    expect_close(a.Mz.max().value, 0, "no moment");
    expect_close(a.Mz.min().value, 0, "no moment");
    expect_close(a.v.at(L / 4), 0.3, "the straight line between its ends");
}

TEST(AlongMember, NoStiffnessInAPlaneLeavesItStraightButInEquilibrium)
{
    quill::SpanData d = simple_span({distributed(1, 0, L, -w, -w)}, w * L / 2, w * L / 2);
    d.EIz = 0;
    d.ends[uy2] = 1;
    quill::SpanActions a = actions_along(d);
    expect_close(a.Mz.at(L / 2), w * L * L / 8, "the moment from equilibrium");
    expect_close(a.v.at(L / 2), 0.5, "straight");
}

TEST(AlongMember, ChordDeflectionAndStations)
{
    // A uniformly loaded simple span whose ends move 1 and 3 inches.
    quill::SpanData d = simple_span({distributed(1, 0, L, -w, -w), force(1, 100, 0)}, w * L / 2, w * L / 2);
    d.ends[uy1] = 1;
    d.ends[uy2] = 3;
    quill::SpanActions a = actions_along(d);
    expect_close(a.v_chord(L / 2), -5 * w * L * L * L * L / (384 * EI), "sag off the chord");
    expect_close(a.v_chord(L), 0, "none at the end");
    std::vector<double> st = stations(a, 20);
    for (double s : {0.0, 100.0, L / 2, L / 20, L})
        EXPECT_TRUE(std::find(st.begin(), st.end(), s) != st.end()) << s;
    for (size_t i = 1; i < st.size(); ++i)
        EXPECT_GT(st[i] - st[i - 1], 1e-9 * L);
    EXPECT_EQ(st.size(), 22u); // 21 even stations and the break at 100
}

// ---------------------------------------------------------------------------
// Roots that place the extremes.

// The coefficients, lowest power first, of the product of (t - r).
std::vector<double> with_roots(const std::vector<double>& r)
{
    std::vector<double> c = {1};
    for (double x : r) {
        std::vector<double> n(c.size() + 1, 0);
        for (size_t k = 0; k < c.size(); ++k) {
            n[k + 1] += c[k];
            n[k] -= x * c[k];
        }
        c = n;
    }
    return c;
}

std::vector<double> roots(const std::vector<double>& r, double t0, double t1)
{
    std::vector<double> c = with_roots(r);
    return quill::real_roots(c.data(), static_cast<int>(c.size()) - 1, t0, t1);
}

TEST(RealRoots, CloseRootsToFullPrecision)
{
    // Roots and coefficients exact in double; two roots 2^-20 apart, where
    // rounding in the polynomial's value alone bounds their accuracy
    // (about 1e-16 over a slope of 1e-5), a third outside the interval.
    const double close = 1 + std::ldexp(1.0, -20);
    std::vector<double> r = roots({3, 1, close, -2, 7}, -1, 10);
    ASSERT_EQ(r.size(), 4u);
    EXPECT_NEAR(r[0], 1, 1e-10);
    EXPECT_NEAR(r[1], close, 1e-10);
    EXPECT_NEAR(r[2], 3, 1e-14);
    EXPECT_NEAR(r[3], 7, 1e-14);
    EXPECT_TRUE(roots({0.5, 1.5}, 1, 2).size() == 1);
}

TEST(RealRoots, RepeatedRootsOnce)
{
    std::vector<double> r = roots({2, 2, 5}, 0, 10);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0], 2, 1e-12);
    EXPECT_NEAR(r[1], 5, 1e-12);
    r = roots({4, 4, 4, 1, 1}, 0, 10);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[0], 1, 1e-7);
    EXPECT_NEAR(r[1], 4, 1e-5);
    const double none[] = {1, 0, 1}; // t^2 + 1
    EXPECT_TRUE(quill::real_roots(none, 2, -10, 10).empty());
}

TEST(RealRoots, OnlyStrictlyInside)
{
    EXPECT_TRUE(roots({0, 2}, 0, 2).empty());
    std::vector<double> r = roots({0, 1, 2}, 0, 2);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0], 1);
}

} // namespace
