// quillmark's hinges, springs and prescribed support displacements against
// their closed forms: a released end carries nothing and turns on its own,
// a spring takes its share and reports its force, a settlement bends what
// holds it; a joint whose every member is pinned runs, a mechanism stops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "along/member_checks.h"
#include "engine/analysis.h"
#include "harness.h"
#include "loads/span_loads.h"
#include "model_harness.h"

// g++ 12 warns falsely of overlapping copies in chains of string sums.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

namespace {

using qmtest::combinations_of;
using qmtest::model_of;
using quill::Model;
using quill::Solution;

// A beam of E = 29000 ksi, Ix = 800 in^4 (EI in kip*in^2); its joints,
// members, supports and cases follow.
const std::string beam_head = "type = \"beam\"\nunits = \"US\"\n[sections]\n"
                              "W = { Ix = 800, A = 13, Sx = 80, E = 29000, Fy = 50 }\n";
constexpr double EI = 29000.0 * 800;

std::string uniform_on(const std::string& member)
{
    return "{ member = \"" + member + "\", kind = \"uniform\", direction = \"y\", w = -1.2 }";
}

// ---------------------------------------------------------------------------
// End releases.

// Built in at both ends, released for its moment at the end: the propped
// cantilever. The beam order: y, rz; the member's: Fy 1, Mz 5, Fy 7, Mz 11.
TEST(Releases, MomentReleaseAtOneEndMakesAProppedCantilever)
{
    Model s = model_of(beam_head + "[joints]\nA = 0\nB = 20\n[members]\n"
                                   "ab = { joints = [\"A\", \"B\"], section = \"W\", releases = { end = [\"mz\"] } }\n"
                                   "[supports]\nA = \"fixed\"\nB = \"fixed\"\n[cases.w]\nmembers = [ " +
                       uniform_on("ab") + " ]\n");
    const double w = 0.1, L = 240;
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.actions[1][5], w * L * L / 8, 1e-9);
    EXPECT_NEAR(x.actions[1][11], 0, 1e-9);
    EXPECT_NEAR(x.AR[1][0], 5 * w * L / 8, 1e-10);
    EXPECT_NEAR(x.AR[2][0], 3 * w * L / 8, 1e-10);
    EXPECT_NEAR(x.AR[2][1], 0, 1e-9);
    // The member turns at its hinge by wL^3/48EI; the joint, built in, not.
    EXPECT_NEAR(x.ends[1][11], w * L * L * L / (48 * EI), 1e-15);
    EXPECT_EQ(x.D[2][1], 0);
    // Along it: 9wL^2/128 sagging at 3L/8 from the hinge, nothing at it.
    quill::SpanLoads loads = quill::span_loads(s, s.combinations[0]);
    quill::SpanActions a = quill::actions_along(quill::span_data(s, 1, x, loads.member[1]));
    EXPECT_NEAR(a.Mz.max().value, 9 * w * L * L / 128, 1e-9);
    EXPECT_NEAR(a.Mz.max().s, 5 * L / 8, 1e-6);
    EXPECT_NEAR(a.Mz.at(L), 0, 1e-9);
}

// The report shows the member's own rotation at its hinge; a joint whose
// every member end is pinned has no rotation of its own to show.
TEST(Releases, ReportShowsTheHingeRotationAndNoJointRotationWhereNoneIs)
{
    qmtest::ProgramDir dir;
    qmtest::RunResult r = qmtest::run_model(
        dir, beam_head + "[joints]\nA = 0\nB = 20\n[members]\n"
                         "ab = { joints = [\"A\", \"B\"], section = \"W\", releases = { end = [\"mz\"] } }\n"
                         "[supports]\nA = \"fixed\"\nB = \"fixed\"\n[cases.w]\nmembers = [ " +
                         uniform_on("ab") + " ]\n");
    ASSERT_NE(r.status, 1) << r.console;
    std::string htm = dir.read("m.out/w/report.htm");
    char rotation[64];
    std::snprintf(rotation, sizeof rotation, "%.6g rad", 0.1 * 240 * 240 * 240 / (48 * EI));
    EXPECT_NE(htm.find("<tr><td>ab</td><td>end (B)</td><td>mz</td><td class=\"n\">" + std::string(rotation) + "</td>"),
              std::string::npos)
        << htm;

    r = qmtest::run_model(dir, "type = \"plane_frame\"\nunits = \"US\"\n[sections]\n"
                               "S = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2 }\n"
                               "[joints]\nA = [0, 0]\nT = [10, 10]\nC = [20, 0]\n[members]\n"
                               "at = { joints = [\"A\", \"T\"], section = \"S\", pinned = [\"end\"] }\n"
                               "tc = { joints = [\"T\", \"C\"], section = \"S\", pinned = [\"start\"] }\n"
                               "[supports]\nA = \"pinned\"\nC = \"pinned\"\n[cases.p]\njoints = { T = { fy = -10 } }\n");
    ASSERT_NE(r.status, 1) << r.console;
    htm = dir.read("m.out/p/report.htm");
    std::string row = htm.substr(htm.find("<tr><td>T</td>"));
    row = row.substr(0, row.find("</tr>"));
    EXPECT_TRUE(row.ends_with("<td class=\"n\">&mdash;</td>")) << row;
}

// A hinge over the middle support: two simple spans, wL at the middle
// support (1.25 wL were the beam continuous), no moment over it, each span
// turning there by its own wL^3/24EI.
TEST(Releases, HingeOverTheMiddleSupportMakesTwoSimpleSpans)
{
    Model s = model_of(beam_head + "[joints]\nA = 0\nB = 20\nC = 40\n[members]\n"
                                   "ab = { joints = [\"A\", \"B\"], section = \"W\", pinned = [\"end\"] }\n"
                                   "bc = { joints = [\"B\", \"C\"], section = \"W\", pinned = [\"start\"] }\n"
                                   "[supports]\nA = [\"y\"]\nB = [\"y\"]\nC = [\"y\"]\n[cases.w]\nmembers = [ " +
                       uniform_on("ab") + ", " + uniform_on("bc") + " ]\n");
    const double w = 0.1, L = 240, turn = w * L * L * L / (24 * EI);
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.AR[2][0], w * L, 1e-10);
    EXPECT_NEAR(x.AR[1][0], w * L / 2, 1e-10);
    EXPECT_NEAR(x.AR[3][0], w * L / 2, 1e-10);
    EXPECT_NEAR(x.actions[1][11], 0, 1e-9);
    EXPECT_NEAR(x.actions[2][5], 0, 1e-9);
    EXPECT_NEAR(x.ends[1][11], turn, 1e-15);
    EXPECT_NEAR(x.ends[2][5], -turn, 1e-15);
    EXPECT_NEAR(x.D[1][1], -turn, 1e-15);
    // The joint's own rotation holds nothing: left out, shown as none.
    EXPECT_TRUE(x.left_out[2][1]);
    EXPECT_FALSE(x.left_out[1][1]);
    EXPECT_EQ(x.D[2][1], 0);
}

// A portal of columns built in at their feet and a beam pinned at both
// ends, pushed sideways by H at B: each column a cantilever, the beam a
// link that shortens by F2 L / EA. With kc = 3EI/h^3 each column's top
// stiffness, F2 = H / (2 + kc L / EA) reaches the far column and the near
// one sways by (H - F2) / kc.
TEST(Releases, PortalWithAPinnedBeamSwaysAsTwoCantilevers)
{
    Model s = model_of("type = \"plane_frame\"\nunits = \"US\"\n[sections]\n"
                       "S = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2 }\n"
                       "[joints]\nA = [0, 0]\nB = [0, 12]\nC = [20, 12]\nD = [20, 0]\n[members]\n"
                       "left = { joints = [\"A\", \"B\"], section = \"S\" }\n"
                       "beam = { joints = [\"B\", \"C\"], section = \"S\", pinned = [\"start\", \"end\"] }\n"
                       "right = { joints = [\"D\", \"C\"], section = \"S\" }\n"
                       "[supports]\nA = \"fixed\"\nD = \"fixed\"\n[cases.h]\njoints = { B = { fx = 10 } }\n");
    const double H = 10, h = 144, L = 240, EIc = 29000.0 * 200, EA = 29000.0 * 10;
    const double kc = 3 * EIc / (h * h * h), F2 = H / (2 + kc * L / EA), F1 = H - F2;
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.D[2][0], F1 / kc, 1e-12);
    EXPECT_NEAR(x.D[3][0], F2 / kc, 1e-12);
    EXPECT_NEAR(x.D[2][2], -F1 * h * h / (2 * EIc), 1e-14);
    EXPECT_NEAR(x.actions[2][5], 0, 1e-9);
    EXPECT_NEAR(x.actions[2][11], 0, 1e-9);
    EXPECT_NEAR(x.actions[2][0], F2, 1e-10); // the link pushes on in compression
    EXPECT_NEAR(x.AR[1][2], F1 * h, 1e-8);
    EXPECT_NEAR(x.AR[4][2], F2 * h, 1e-8);
    // The beam's ends move along it alone: it does not turn, its joints do.
    EXPECT_NEAR(x.ends[2][5], 0, 1e-15);
    EXPECT_NEAR(x.ends[2][11], 0, 1e-15);
}

// ---------------------------------------------------------------------------
// Springs.

// A cantilever on a spring of k = 20 kip/in at its tip: the tip goes down
// by P/(3EI/L^3 + k); the spring's force -k delta is among the reactions,
// on the console and in the envelope, and no classic program runs.
TEST(Springs, CantileverOnATipSpring)
{
    const std::string model = "type = \"plane_frame\"\nunits = \"US\"\n[sections]\n"
                              "S = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2 }\n"
                              "[joints]\nA = [0, 0]\nT = [10, 0]\n[members]\n"
                              "AT = { joints = [\"A\", \"T\"], section = \"S\" }\n"
                              "[supports]\nA = \"fixed\"\n[springs]\nT = { y = 20 }\n"
                              "[cases.P]\njoints = { T = { fy = -5 } }\n";
    const double P = 5, L = 120, k = 20, delta = P / (3 * 29000.0 * 200 / (L * L * L) + k);
    Solution x = combinations_of(model_of(model))[0];
    EXPECT_NEAR(x.D[2][1], -delta, 1e-13);
    EXPECT_NEAR(x.AR[2][1], k * delta, 1e-11);
    EXPECT_NEAR(x.AR[1][1] + x.AR[2][1], P, 1e-11);

    qmtest::ProgramDir dir;
    qmtest::RunResult r = qmtest::run_model(dir, model);
    EXPECT_NE(r.status, 1) << r.console;
    EXPECT_EQ(r.console.rfind("frame2d not run: it has no end releases, springs or settlements\nP: completed\n", 0), 0u)
        << r.console;
    EXPECT_FALSE(dir.exists("m.out/P/planefr.in"));
    std::vector<std::string> row = qmtest::csv_row(dir.read("m.envelope.csv"), "P,T,");
    ASSERT_EQ(row.size(), 5u) << dir.read("m.envelope.csv");
    EXPECT_NEAR(std::stod(row[3]), k * delta, 1e-5);
}

// A beam held by nothing but a spring at each end, in SI units (k = 5000
// kN/m, EI = 20000 kN*m^2, L = 6 m): stable, P = 20 kN at midspan goes
// down by P/2k + PL^3/48EI = 6.5 mm, each spring pushing up by 10 kN.
TEST(Springs, BeamOnSpringsAloneInSiUnits)
{
    Model s = model_of("type = \"beam\"\nunits = \"SI\"\n[sections]\n"
                       "W = { Ix = 100e6, A = 5000, Sx = 500e3, E = 200000, Fy = 275 }\n"
                       "[joints]\nA = 0\nM = 3\nB = 6\n[members]\nam = { joints = [\"A\", \"M\"], section = \"W\" }\n"
                       "mb = { joints = [\"M\", \"B\"], section = \"W\" }\n"
                       "[springs]\nA = { y = 5000 }\nB = { y = 5000 }\n[cases.P]\njoints = { M = { fy = -20 } }\n");
    const double kN = 1 / 4.4482216152605, mm = 1 / 25.4;
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.D[2][0], -6.5 * mm, 1e-12);
    EXPECT_NEAR(x.AR[1][0], 10 * kN, 1e-10);
    EXPECT_NEAR(x.AR[3][0], 10 * kN, 1e-10);
}

// ---------------------------------------------------------------------------
// Prescribed support displacements.

// A beam built in at both ends whose end B settles by 0.5 in, factored by
// 1.5 (Delta = 0.75 in): end moments 6EI Delta/L^2, end shears
// 12EI Delta/L^3, over its two members (the middle joint free, so the
// settlement reaches it through the load vector); the middle joint down by
// Delta/2 and turned by -1.5 Delta/L.
TEST(Settlements, FixedEndBeamWhoseEndSettles)
{
    Model s = model_of(beam_head + "[joints]\nA = 0\nM = 10\nB = 20\n[members]\n"
                                   "am = { joints = [\"A\", \"M\"], section = \"W\" }\n"
                                   "mb = { joints = [\"M\", \"B\"], section = \"W\" }\n"
                                   "[supports]\nA = \"fixed\"\nB = \"fixed\"\n"
                                   "[cases.settle]\ndisplacements = { B = { y = -0.5 } }\n"
                                   "[combinations]\nS = { settle = 1.5 }\n");
    const double L = 240, delta = 0.75, M = 6 * EI * delta / (L * L), V = 12 * EI * delta / (L * L * L);
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.D[3][0], -delta, 1e-15);
    EXPECT_NEAR(x.D[2][0], -delta / 2, 1e-12);
    EXPECT_NEAR(x.D[2][1], -1.5 * delta / L, 1e-14);
    EXPECT_NEAR(x.actions[1][1], V, 1e-9);
    EXPECT_NEAR(x.actions[1][5], M, 1e-7);
    EXPECT_NEAR(x.actions[2][11], M, 1e-7);
    EXPECT_NEAR(x.actions[2][7], -V, 1e-9);
    EXPECT_NEAR(x.AR[1][0], V, 1e-9);
    EXPECT_NEAR(x.AR[1][1], M, 1e-7);
    EXPECT_NEAR(x.AR[3][0], -V, 1e-9);
    EXPECT_NEAR(x.AR[3][1], M, 1e-7);
}

// ---------------------------------------------------------------------------
// Joints whose members are all pinned, and mechanisms.

std::string stop_of(const std::string& toml)
{
    try {
        combinations_of(model_of(toml));
    } catch (const quill::EngineStop& stop) {
        return stop.message;
    }
    return "no stop";
}

// Two frame members pinned at their apex T, on pinned supports: T's
// rotation turns nothing and is left out; the members carry P/(2 sin 45)
// each in compression and no moment. A moment at T stops the run, and so
// do members that have no bending stiffness to release (built in at their
// feet to hold those).
TEST(FreeRotations, JointWhereEveryMemberIsPinnedRunsUnlessAMomentIsApplied)
{
    const std::string frame = "type = \"plane_frame\"\nunits = \"US\"\n[sections]\n"
                              "S = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2 }\n"
                              "[joints]\nA = [0, 0]\nT = [10, 10]\nC = [20, 0]\n[members]\n"
                              "at = { joints = [\"A\", \"T\"], section = \"S\", pinned = [\"end\"] }\n"
                              "tc = { joints = [\"T\", \"C\"], section = \"S\", pinned = [\"start\"] }\n"
                              "[supports]\nA = \"pinned\"\nC = \"pinned\"\n[cases.p]\n";
    Solution x = combinations_of(model_of(frame + "joints = { T = { fy = -10 } }\n"))[0];
    EXPECT_TRUE(x.left_out[2][2]);
    EXPECT_EQ(x.D[2][2], 0);
    for (int i : {1, 2}) {
        EXPECT_NEAR(x.actions[static_cast<size_t>(i)][0], 10 / std::sqrt(2.0), 1e-10);
        EXPECT_NEAR(x.actions[static_cast<size_t>(i)][5], 0, 1e-9);
        EXPECT_NEAR(x.actions[static_cast<size_t>(i)][11], 0, 1e-9);
    }
    EXPECT_EQ(stop_of(frame + "joints = { T = { fy = -10, mz = 5 } }\n"),
              "unstable structure: nothing holds joint T in direction rz: every member end there is released for it, "
              "yet case p applies a moment there");
    std::string limp = frame;
    limp.replace(limp.find("Iz = 200"), 8, "Iz = 0");
    const std::string pins = "A = \"pinned\"\nC = \"pinned\"";
    limp.replace(limp.find(pins), pins.size(), "A = \"fixed\"\nC = \"fixed\"");
    EXPECT_EQ(stop_of(limp + "joints = { T = { fy = -10 } }\n"), "unstable structure: nothing holds joint T in direction rz");
}

// A grid beam along the diagonal, built in at both ends and pinned in
// bending at its middle joint B (torsion carried through): B's free
// rotation is about no global axis. B goes down by P L^3 / 6EI, each half
// a propped cantilever of 3EI/L^3; a torque T = 2 sqrt 2 kip*ft about the
// beam's line at B (2 kip*ft about x and y) is no moment along the free
// rotation: each half twists by T/2 over GJ/L.
TEST(FreeRotations, RotationFreeAboutNoGlobalAxis)
{
    const double P = 6, T = 24 * std::sqrt(2.0), L = 120 * std::sqrt(2.0), GJ = 11200.0 * 2;
    Model s = model_of("type = \"grid\"\nunits = \"US\"\n[sections]\n"
                       "S = { A = 10, J = 2, Iy = 300, Ix = 20, E = 29000, Fy = 50, G = 11200 }\n"
                       "[joints]\nA = [0, 0]\nB = [10, 10]\nC = [20, 20]\n[members]\n"
                       "ab = { joints = [\"A\", \"B\"], section = \"S\", pinned = [\"end\"] }\n"
                       "bc = { joints = [\"B\", \"C\"], section = \"S\", pinned = [\"start\"] }\n"
                       "[supports]\nA = \"fixed\"\nC = \"fixed\"\n[cases.p]\njoints = { B = { fz = -6 } }\n"
                       "[cases.t]\njoints = { B = { mx = 2, my = 2 } }\n");
    std::vector<Solution> x = combinations_of(s);
    EXPECT_NEAR(x[0].D[2][2], -P * L * L * L / (6 * 29000.0 * 300), 1e-12);
    EXPECT_NEAR(x[0].actions[1][10], 0, 1e-9);
    EXPECT_NEAR(x[0].actions[1][4], -P / 2 * L, 1e-8);
    EXPECT_NEAR(x[0].actions[1][3], 0, 1e-9);
    EXPECT_NEAR(x[1].actions[1][9], T / 2, 1e-9);
    EXPECT_NEAR(x[1].ends[1][9], T / 2 * L / GJ, 1e-14);
    EXPECT_NEAR(x[1].actions[1][10], 0, 1e-9);
}

// Three hinges in a line (the supports' pins and one between them): a
// mechanism, named by a joint and a direction whatever is eliminated last.
TEST(FreeRotations, ThreeHingedBeamStops)
{
    std::string stop = stop_of(beam_head + "[joints]\nA = 0\nB = 10\nC = 20\n[members]\n"
                                           "ab = { joints = [\"A\", \"B\"], section = \"W\", pinned = [\"end\"] }\n"
                                           "bc = { joints = [\"B\", \"C\"], section = \"W\", pinned = [\"start\"] }\n"
                                           "[supports]\nA = [\"y\"]\nC = [\"y\"]\n[cases.p]\njoints = { B = { fy = -1 } }\n");
    EXPECT_TRUE(stop == "unstable structure: nothing holds joint B in direction y" ||
                stop == "unstable structure: nothing holds joint A in direction rz" ||
                stop == "unstable structure: nothing holds joint C in direction rz")
        << stop;
}

// ---------------------------------------------------------------------------
// The shipped examples of pinned connections, soil springs and a settling
// support, against the hand checks of their README.

struct ShippedRun {
    qmtest::RunResult result;
    std::string envelope;
};

ShippedRun run_shipped(const qmtest::ProgramDir& dir, const std::string& name)
{
    std::filesystem::copy_file(std::string(EXAMPLES_DIR) + "/quillmark/" + name + ".toml",
                               dir.path() + "/" + name + ".toml");
    ShippedRun r{dir.run_with(QUILLMARK, {"run", name + ".toml"}), ""};
    r.envelope = dir.read(name + ".envelope.csv");
    return r;
}

double value_of(const std::string& csv, const std::string& row, size_t field)
{
    std::vector<std::string> f = qmtest::csv_row(csv, row);
    EXPECT_GT(f.size(), field) << row;
    return f.size() > field ? std::stod(f[field]) : NAN;
}

TEST(ShippedExamples, HandChecksOfTheirReadme)
{
    qmtest::ProgramDir dir;
    ShippedRun frame = run_shipped(dir, "braced_frame");
    EXPECT_EQ(frame.result.status, 0);
    EXPECT_NE(frame.result.console.find("governing member beamAB1: combined ratio 1.242 at 12 ft in D+W\n"),
              std::string::npos)
        << frame.result.console;
    EXPECT_NEAR(value_of(frame.envelope, "beamAB1,moment,", 3), 1.2 * 24 * 24 / 8, 1e-6);
    EXPECT_NEAR(value_of(frame.envelope, "brace1,tension,", 3), 9.19, 0.005);

    ShippedRun soil = run_shipped(dir, "soil_beam");
    EXPECT_EQ(soil.result.status, 0);
    double sum = 0;
    for (int j = 0; j <= 8; ++j)
        sum += value_of(soil.envelope, "1.35D+1.5L,J" + std::to_string(j) + ",", 2);
    EXPECT_NEAR(sum, 2 * (1.35 * 250 + 1.5 * 150), 5e-3); // six digits each
    EXPECT_NEAR(value_of(soil.envelope, "m4,moment,", 3), 300.914, 5e-4);

    ShippedRun beam = run_shipped(dir, "settling_beam");
    EXPECT_EQ(beam.result.status, 0);
    const double EIdL2 = 29000.0 * 1350 * 0.5 / (360.0 * 360) / 12; // kip*ft
    std::vector<std::string> c = qmtest::csv_row(beam.envelope, "BC,moment,");
    ASSERT_EQ(c.size(), 8u);
    EXPECT_NEAR(std::stod(c[3]), 0.1 * 2.5 * 30 * 30 + 2.4 * EIdL2, 5e-4);
    EXPECT_EQ(c[6], "D+L+S");
    EXPECT_NEAR(value_of(beam.envelope, "B,", 1), 0.5, 1e-12);
}

// Releases a truss cannot have, and a member free to slide along itself.
TEST(Releases, RefusedWhereTheyMeanNothingOrAMechanism)
{
    auto stop = [](const std::string& toml) {
        try {
            model_of(toml);
        } catch (const quill::ModelError& e) {
            return e.message.substr(e.message.find(".toml:") + 6);
        }
        return std::string("no stop");
    };
    EXPECT_EQ(stop("type = \"plane_truss\"\nunits = \"US\"\n[sections]\nB = { A = 2, E = 29000, Fy = 36, rx = 1, ry = 1 }\n"
                   "[joints]\nA = [0, 0]\nB = [10, 0]\n[members]\n"
                   "ab = { joints = [\"A\", \"B\"], section = \"B\", pinned = [\"start\"] }\n"),
              "9: members.ab.pinned: a plane_truss's members are pinned at both ends already");
    EXPECT_EQ(stop("type = \"space_frame\"\nunits = \"US\"\n[sections]\n"
                   "S = { A = 10, J = 30, Iy = 100, Iz = 250, E = 29000, G = 11200, Fy = 36, rx = 2, ry = 2 }\n"
                   "[joints]\nA = [0, 0, 0]\nB = [10, 0, 0]\n[members]\n"
                   "ab = { joints = [\"A\", \"B\"], section = \"S\", releases = { start = [\"mx\"], end = [\"mx\"] } }\n"),
              "9: members.ab.releases: mx released at both ends leaves the member free to spin about its axis");
}

} // namespace
