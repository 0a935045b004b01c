// Fixed-end actions of quillmark against the same member split into short
// pieces, each piece's share of the load put on its end joints: at the
// member's own joints the two agree ever more closely as the pieces
// shorten, the difference falling with the square of the piece length; a
// wrong fixed-end action (sign, plane, axis, position) leaves a difference
// that does not fall.
//
// A truss member cannot be split (a chain of pin-ended pieces folds): there
// the pieces' shares go on to the member's end joints by the lever rule, as
// a pin-ended member carries them.
#include <gtest/gtest.h>

// g++ 12 warns falsely of overlapping copies in chains of string sums.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"

namespace {

struct Geometry {
    const char* type;
    const char* stem;
    int dims;         // joint coordinates written
    double B[3];      // end joint, ft (start joint at the origin)
    const char* supports; // TOML lines for joints "A" and "B"
    const char* section;
    bool truss;
    bool apart; // CSV: displacements of all joints, then reactions
    int d;      // degrees of freedom per joint
    const char* dof[6];
    bool rotation[6];
    const char* forces;  // global directions of the force loads
    const char* moments; // global axes of the moment loads
    int skip = -1;       // a direction of the joints left out of the comparison
    bool member_axes = false; // loads in member axes (the member lies along global x)
};

// A beam holds ten members at most: its pieces are a plane frame's.
const Geometry beam_pieces = {"plane_frame", "planefr", 2, {10, 0, 0}, "A = \"fixed\"\nB = [\"y\"]\n",
                              "A = 10, Iz = 200, E = 29, Fy = 50, rx = 3, ry = 2", false, false, 3, {"x", "y", "z"},
                              {false, false, true}, "y", "z", 0};

const Geometry types[] = {
    {"space_frame", "spacefr", 3, {8, 6, 4}, "A = \"fixed\"\nB = [\"x\", \"y\", \"z\"]\n",
     "A = 10, J = 50, Iy = 100, Iz = 200, E = 29, G = 11.2, Fy = 50, rx = 3, ry = 2", false, true, 6,
     {"x", "y", "z", "x", "y", "z"}, {false, false, false, true, true, true}, "yx", "xz"},
    {"plane_frame", "planefr", 2, {8, 6, 0}, "A = \"fixed\"\nB = [\"x\", \"y\"]\n",
     "A = 10, Iz = 200, E = 29, Fy = 50, rx = 3, ry = 2", false, false, 3, {"x", "y", "z"},
     {false, false, true}, "yx", "z"},
    {"space_truss", "spacetr", 3, {8, 6, 4}, "A = [\"x\", \"y\", \"z\"]\nB = [\"y\", \"z\"]\n",
     "A = 10, E = 29, Fy = 50, rx = 3, ry = 2", true, false, 3, {"x", "y", "z"}, {false, false, false}, "yx",
     ""},
    // A space truss takes moments in member axes only: its member along x.
    {"space_truss", "spacetr", 3, {10, 0, 0}, "A = [\"x\", \"y\", \"z\"]\nB = [\"y\", \"z\"]\n",
     "A = 10, E = 29, Fy = 50, rx = 3, ry = 2", true, false, 3, {"x", "y", "z"}, {false, false, false}, "zx", "yz", -1,
     true},
    {"plane_truss", "planetr", 2, {8, 6, 0}, "A = [\"x\", \"y\"]\nB = [\"y\"]\n",
     "A = 10, E = 29, Fy = 50, rx = 3, ry = 2", true, false, 2, {"x", "y"}, {false, false}, "yx", "z"},
    {"grid", "grid", 2, {8, 6, 0}, "A = \"fixed\"\nB = [\"z\"]\n",
     "A = 10, J = 50, Iy = 200, Ix = 20, E = 29, Fy = 50, G = 11.2", false, false, 3, {"x", "y", "z"},
     {true, true, false}, "z", "xy"},
    {"beam", "beam", 1, {10, 0, 0}, "A = \"fixed\"\nB = [\"y\"]\n", "Ix = 200, A = 10, Sx = 40, E = 29, Fy = 50",
     false, false, 2, {"y", "z"}, {false, true}, "y", "z"},
};

enum Kind { uniform, partial, point, moment, linear };
const char* const kind_names[] = {"uniform", "partial", "point", "moment", "linear"};

struct Load {
    Kind kind;
    int axis; // global axis 0, 1, 2 of the force, or about which the moment turns
    double a, b, q1, q2; // ft from the start joint; kip/ft, kip or kip*ft
};

// The loads of a case of one kind: one in each of the type's directions. A
// point load stands a third or two thirds into its piece at every number of
// pieces (7/24 of the length), so the lumping's error keeps its factor.
std::vector<Load> loads_of(const Geometry& g, Kind k, double L)
{
    std::vector<Load> out;
    const char* dirs = k == moment ? g.moments : g.forces;
    double f = 1;
    for (const char* c = dirs; *c; ++c, f = -0.6 * f) {
        int axis = *c - 'x';
        switch (k) {
        case uniform: out.push_back({k, axis, 0, L, -2 * f, -2 * f}); break;
        case partial: out.push_back({k, axis, 0.23 * L, 0.71 * L, -1.5 * f, -1.5 * f}); break;
        case point: out.push_back({k, axis, 7.0 / 24 * L, 7.0 / 24 * L, -12 * f, 0}); break;
        case moment: out.push_back({k, axis, 13.0 / 24 * L, 13.0 / 24 * L, 25 * f, 0}); break;
        case linear: out.push_back({k, axis, 0.1 * L, 0.9 * L, -1 * f, -3 * f}); break;
        }
    }
    return out;
}

std::string num(double v)
{
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string header(const Geometry& g)
{
    return std::string("type = \"") + g.type + "\"\nunits = \"US\"\n\n[sections]\nS = { " + g.section + " }\n\n";
}

std::string joint(const Geometry& g, const std::string& name, double t)
{
    std::string s = name + " = [";
    for (int i = 0; i < g.dims; ++i)
        s += (i ? ", " : "") + num(t * g.B[i]);
    return s + "]\n";
}

std::string member_loaded(const Geometry& g, const std::vector<Load>& loads)
{
    std::string s = header(g) + "[joints]\n" + joint(g, "A", 0) + joint(g, "B", 1) +
                     "\n[members]\nAB = { joints = [\"A\", \"B\"], section = \"S\" }\n\n[supports]\n" + g.supports +
                     "\n[cases.c]\n";
    for (const Load& l : loads) {
        s += "\n[[cases.c.members]]\nmember = \"AB\"\naxes = \"" + std::string(g.member_axes ? "member" : "global") +
             "\"\ndirection = \"" + std::string(1, 'x' + l.axis) + "\"\n";
        switch (l.kind) {
        case uniform: s += "kind = \"uniform\"\nw = " + num(l.q1) + "\n"; break;
        case partial: s += "kind = \"uniform\"\nw = " + num(l.q1) + "\nfrom = " + num(l.a) + "\nto = " + num(l.b) + "\n"; break;
        case point: s += "kind = \"point\"\nP = " + num(l.q1) + "\nat = " + num(l.a) + "\n"; break;
        case moment: s += "kind = \"moment\"\nM = " + num(l.q1) + "\nat = " + num(l.a) + "\n"; break;
        case linear:
            s += "kind = \"linear\"\nw = [" + num(l.q1) + ", " + num(l.q2) + "]\nfrom = " + num(l.a) + "\nto = " + num(l.b) + "\n";
            break;
        }
    }
    return s;
}

// Joint loads of the split member: per joint 0..n (at s = k L / n) a global
// force and moment vector.
struct Lumps {
    std::vector<std::array<double, 3>> force, turn;
};

Lumps lump(const std::vector<Load>& loads, double L, int n)
{
    Lumps p;
    p.force.assign(n + 1, {});
    p.turn.assign(n + 1, {});
    double h = L / n;
    for (const Load& l : loads) {
        auto& to = l.kind == moment ? p.turn : p.force;
        if (l.kind == point || l.kind == moment) {
            int k = std::min(n - 1, static_cast<int>(l.a / h));
            double xi = l.a / h - k;
            to[k][l.axis] += l.q1 * (1 - xi);
            to[k + 1][l.axis] += l.q1 * xi;
            continue;
        }
        // Each piece's share of q(s) to its two ends, by Simpson's rule (exact
        // for the quadratic integrands).
        auto q = [&](double s) { return l.q1 + (l.q2 - l.q1) * (s - l.a) / (l.b - l.a); };
        for (int k = 0; k < n; ++k) {
            double lo = std::max(l.a, k * h), hi = std::min(l.b, (k + 1) * h);
            if (hi <= lo)
                continue;
            auto share = [&](auto w) {
                double m = (lo + hi) / 2;
                return (hi - lo) / 6 * (q(lo) * w(lo) + 4 * q(m) * w(m) + q(hi) * w(hi));
            };
            to[k][l.axis] += share([&](double s) { return ((k + 1) * h - s) / h; });
            to[k + 1][l.axis] += share([&](double s) { return (s - k * h) / h; });
        }
    }
    return p;
}

std::string joint_load(const Geometry& g, const std::string& name, const std::array<double, 3>& f,
                       const std::array<double, 3>& m)
{
    std::string s;
    for (int k = 0; k < g.d; ++k) {
        int axis = g.dof[k][0] - 'x';
        double v = g.rotation[k] ? m[axis] : f[axis];
        if (v != 0)
            s += (s.empty() ? "" : ", ") + std::string(g.rotation[k] ? "m" : "f") + g.dof[k] + " = " + num(v);
    }
    return s.empty() ? "" : name + " = { " + s + " }\n";
}

std::string split_member(const Geometry& g, const std::vector<Load>& loads, double L, int n)
{
    Lumps p = lump(loads, L, n);
    std::string s = header(g) + "[joints]\n" + joint(g, "A", 0);
    if (g.truss) {
        // The pin-ended member hands each share to its ends by the lever rule;
        // a moment M becomes the couple of forces M/L across the member.
        std::array<double, 3> fa{}, fb{}, none{};
        double e[3] = {g.B[0] / L, g.B[1] / L, g.B[2] / L};
        for (int k = 0; k <= n; ++k) {
            double t = static_cast<double>(k) / n;
            for (int i = 0; i < 3; ++i) {
                fa[i] += (1 - t) * p.force[k][i];
                fb[i] += t * p.force[k][i];
            }
            // (m x e) / L at the end joint, its opposite at the start.
            const auto& m = p.turn[k];
            double c[3] = {m[1] * e[2] - m[2] * e[1], m[2] * e[0] - m[0] * e[2], m[0] * e[1] - m[1] * e[0]};
            for (int i = 0; i < 3; ++i) {
                fa[i] -= c[i] / L;
                fb[i] += c[i] / L;
            }
        }
        s += joint(g, "B", 1) + "\n[members]\nAB = { joints = [\"A\", \"B\"], section = \"S\" }\n\n[supports]\n" +
             g.supports + "\n[cases.c.joints]\n" + joint_load(g, "A", fa, none) + joint_load(g, "B", fb, none);
        return s;
    }
    // Joints A, P1 .. P(n-1), B along the member; pieces m1 .. mn.
    auto name = [n](int k) {
        return k == 0 ? std::string("A") : k == n ? std::string("B") : "P" + std::to_string(k);
    };
    for (int k = 1; k < n; ++k)
        s += joint(g, name(k), static_cast<double>(k) / n);
    s += joint(g, "B", 1);
    s += "\n[members]\n";
    for (int k = 0; k < n; ++k) {
        char line[128];
        std::snprintf(line, sizeof line, "m%d = { joints = [\"%s\", \"%s\"], section = \"S\" }\n", k + 1,
                      name(k).c_str(), name(k + 1).c_str());
        s += line;
    }
    s += "\n[supports]\n";
    s += g.supports;
    s += "\n[cases.c.joints]\n";
    for (int k = 0; k <= n; ++k)
        s += joint_load(g, name(k), p.force[k], p.turn[k]);
    return s;
}

// Displacements and reactions of the member's two joints (the first and the
// last joint of the model).
std::array<std::vector<double>, 2> end_results(const Geometry& g, const std::string& model, int nj)
{
    qmtest::ProgramDir dir;
    dir.write("m.toml", model);
    qmtest::RunResult r = dir.run_with(QUILLMARK, {"run", "m.toml"});
    // Completed, whether or not the slender member passes its checks.
    EXPECT_TRUE(r.status == 0 || r.status == 2) << r.console;
    std::string csv = dir.read(std::string("m.out/c/") + g.stem + ".csv");
    std::array<std::vector<double>, 2> out;
    for (int j : {1, nj})
        for (int k = 0; k < g.d; ++k) {
            if (k == g.skip)
                continue;
            int dline = j, rline = g.apart ? nj + j : j;
            int rfield = g.apart ? 1 + k : 1 + g.d + k;
            out[0].push_back(qmtest::csv_value(csv, dline, 1 + k));
            out[1].push_back(qmtest::csv_value(csv, rline, rfield));
        }
    return out;
}

// The largest difference of displacements and of reactions, each relative to
// the largest value of its kind.
double difference(const std::array<std::vector<double>, 2>& a, const std::array<std::vector<double>, 2>& b)
{
    double worst = 0;
    for (int grp = 0; grp < 2; ++grp) {
        double scale = 0, diff = 0;
        for (size_t i = 0; i < b[grp].size(); ++i) {
            scale = std::max(scale, std::fabs(b[grp][i]));
            diff = std::max(diff, std::fabs(a[grp][i] - b[grp][i]));
        }
        if (scale > 0)
            worst = std::max(worst, diff / scale);
    }
    return worst;
}

struct Case {
    const Geometry* g;
    Kind kind;
};

class Convergence : public ::testing::TestWithParam<Case> {};

TEST_P(Convergence, LumpedPiecesApproachTheFixedEndActions)
{
    const Geometry& g = *GetParam().g;
    Kind kind = GetParam().kind;
    double L = std::sqrt(g.B[0] * g.B[0] + g.B[1] * g.B[1] + g.B[2] * g.B[2]);
    std::vector<Load> loads = loads_of(g, kind, L);
    auto exact = end_results(g, member_loaded(g, loads), 2);
    const Geometry& pieces = std::string(g.type) == "beam" ? beam_pieces : g;
    auto split = [&](int n) {
        return difference(end_results(pieces, split_member(pieces, loads, L, n), g.truss ? 2 : n + 1), exact);
    };
    double d8 = split(8), d16 = split(16), d32 = split(32), d64 = split(64);
    std::printf("%s %s: difference %.3g, %.3g, %.3g, %.3g at 8, 16, 32, 64 pieces\n", g.type, kind_names[kind], d8, d16,
                d32, d64);
    // The pieces' own solution, in single precision, errs by up to some 5e-3
    // at 64 pieces (their end reactions fail to balance a couple by as
    // much), beyond the lumping's error there: the agreement is held to
    // 1e-2, the fall with the square of the piece length from 8 to 16 pieces,
    // where the lumping's error stands well above that noise. Loads that
    // the pieces carry exactly (a truss member's) agree at once.
    EXPECT_LT(d64, 1e-2);
    if (d8 > 1e-4) {
        EXPECT_GT(d8 / d16, 3.0);
        EXPECT_LT(d8 / d16, 5.5);
    }
}

std::vector<Case> cases()
{
    std::vector<Case> out;
    for (const Geometry& g : types)
        for (Kind k : {uniform, partial, point, moment, linear})
            if (k != moment || *g.moments)
                out.push_back({&g, k});
    return out;
}

std::string case_name(const ::testing::TestParamInfo<Case>& p)
{
    return std::string(p.param.g->type) + (p.param.g->member_axes ? "_member_axes_" : "_") + kind_names[p.param.kind];
}

INSTANTIATE_TEST_SUITE_P(EachTypeAndKind, Convergence, ::testing::ValuesIn(cases()), case_name);

} // namespace
