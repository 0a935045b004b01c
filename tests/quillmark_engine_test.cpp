// quillmark's own analysis engine: against the six programs on every
// shipped example and on generated models of their full size, against
// closed forms, its reactions against the loads of a large building, every
// mechanism it names, and the progress display.
#include <gtest/gtest.h>

#include <pty.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "building_model.h"
#include "equilibrium.h"
#include "classic/combination_results.h"
#include "classic/input_writer.h"
#include "classic/program_runs.h"
#include "engine/analysis.h"
#include "file/model_file.h"
#include "harness.h"
#include "import/import.h"
#include "loads/combined_loads.h"
#include "loads/member_loads.h"
#include "model_harness.h"
#include "plane_structure_generator.h"
#include "progress.h"
#include "space_frame_generator.h"
#include "space_truss_generator.h"

// g++ 12 warns falsely of overlapping copies in chains of string sums.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

namespace {

using quill::Engine;
using quill::Model;
using quill::Solution;
using qmtest::combinations_of;
using qmtest::model_of;

Model model_of_input(const std::string& stem, const std::string& text)
{
    qmtest::ProgramDir dir;
    dir.write(stem + ".in", text);
    return quill::read_input_file(dir.path() + "/" + stem + ".in");
}

// ---------------------------------------------------------------------------
// The engine against the type's program, combination by combination: each
// kind of result (translations, rotations, forces, moments) within a
// fraction of its largest value in the program's CSV file, or the CSV
// file's last digit.

struct Mismatch {
    std::string where;
    double engine, program;
};

class Comparison {
public:
    void add(bool moment_kind, int group, const std::string& where, double engine, double program)
    {
        int g = 2 * group + moment_kind;
        largest_[g] = std::max(largest_[g], std::fabs(program));
        values_.push_back({g, {where, engine, program}});
    }
    void expect_close(const std::string& what, double fraction) const
    {
        int reported = 0;
        for (const auto& [g, m] : values_) {
            double tolerance = fraction * largest_[g] + 2e-6;
            if (std::fabs(m.engine - m.program) > tolerance && reported++ < 5)
                ADD_FAILURE() << what << ": " << m.where << ": engine " << m.engine << ", program " << m.program
                              << " (tolerance " << tolerance << ")";
        }
    }

private:
    double largest_[6] = {};
    std::vector<std::pair<int, Mismatch>> values_;
};

void expect_agrees_with_program(const Model& s, const std::string& what, double fraction = 1e-4)
{
    const quill::TypeTable& t = s.t();
    std::vector<Solution> engine = combinations_of(s);
    for (size_t c = 0; c < s.combinations.size(); ++c) {
        qmtest::ProgramDir dir;
        dir.write(std::string(t.stem) + ".in", quill::input_file(s, quill::combine(s, s.combinations[c])));
        quill::Outcome o = quill::analyse(s.type, dir.path());
        ASSERT_TRUE(o.status == 0 || o.status == 2) << what << ": " << o.console;
        quill::Results r;
        ASSERT_TRUE(quill::read_results(s, dir.path() + "/" + t.stem + ".csv", r)) << what;
        const Solution& x = engine[c];
        Comparison cmp;
        for (size_t j = 1; j < s.joints.size() + 1; ++j)
            for (int k = 0; k < t.d; ++k) {
                std::string where = "joint " + s.joints[j - 1].name + " " + t.dof[k];
                cmp.add(t.rotation[k], 0, "D " + where, x.D[j][k], r.D[j][k]);
                cmp.add(t.rotation[k], 1, "AR " + where, x.AR[j][k], r.AR[j][k]);
            }
        for (size_t i = 1; i < s.members.size() + 1; ++i)
            for (int k = 0; k < t.nea; ++k)
                cmp.add(t.kind[k] == quill::Kind::moment, 2, "member " + s.members[i - 1].name + " " + t.ea[k],
                        x.actions[i][t.local[k]], r.ea[i][k]);
        cmp.expect_close(what + ", " + s.combinations[c].name, fraction);
    }
}

const char* const example_stems[] = {"spacefr", "planefr", "spacetr", "planetr", "grid", "beam"};

TEST(EngineAgainstPrograms, EveryShippedInputFile)
{
    for (const char* stem : example_stems)
        expect_agrees_with_program(model_of_input(stem, qmtest::example_input(stem)), stem);
}

TEST(EngineAgainstPrograms, EveryShippedModelFile)
{
    for (const auto& f : std::filesystem::directory_iterator(std::string(EXAMPLES_DIR) + "/quillmark"))
        if (f.path().extension() == ".toml") {
            Model s = quill::read_model_file(f.path().string());
            if (!s.has_releases_springs_or_settlements())
                expect_agrees_with_program(s, f.path().filename().string());
        }
}

TEST(EngineAgainstPrograms, GeneratedModelsOfFullSize)
{
    // The programs solve these 1,300 to 1,500 equations in single precision
    // and refine the solution to equilibrium within a millionth of the
    // largest load; on the slender generated frames and the long grid that
    // leaves their results off by more than on the examples.
    const double fraction = 1e-3;
    qmtools::PlaneGrid plane;
    expect_agrees_with_program(model_of_input("spacefr", qmtools::make_space_frame_input({})), "space frame", fraction);
    expect_agrees_with_program(model_of_input("planefr", qmtools::make_plane_frame_input(plane)), "plane frame",
                               fraction);
    expect_agrees_with_program(model_of_input("spacetr", qmtools::make_space_truss_input({})), "space truss", fraction);
    expect_agrees_with_program(model_of_input("planetr", qmtools::make_plane_truss_input(plane)), "plane truss",
                               fraction);
    expect_agrees_with_program(model_of_input("grid", qmtools::make_grid_input(plane)), "grid", fraction);
    // A beam of ten spans, the most its program holds, under loads of
    // every kind.
    std::string beam = "type = \"beam\"\nunits = \"US\"\n[sections]\n"
                       "W = { Ix = 800, A = 13, Sx = 80, E = 29000, Fy = 50 }\n"
                       "V = { Ix = 300, A = 9, Sx = 40, E = 29000, Fy = 50 }\n[joints]\n";
    for (int j = 0; j <= 10; ++j)
        beam += "j" + std::to_string(j) + " = " + std::to_string(j * 20 + (j % 3) * 4) + "\n";
    beam += "[members]\n";
    for (int i = 0; i < 10; ++i)
        beam += "m" + std::to_string(i) + " = { joints = [\"j" + std::to_string(i) + "\", \"j" + std::to_string(i + 1) +
                "\"], section = \"" + (i % 2 ? "V" : "W") + "\" }\n";
    beam += "[supports]\nj0 = \"fixed\"\nj3 = [\"y\"]\nj5 = [\"y\"]\nj8 = [\"y\"]\nj10 = \"pinned\"\n"
            "[cases.a]\njoints = { j2 = { fy = -12 }, j6 = { fy = -5, mz = 30 } }\nmembers = [\n"
            "  { member = \"m0\", kind = \"uniform\", direction = \"y\", w = -1.2 },\n"
            "  { member = \"m3\", kind = \"point\", direction = \"y\", P = -20, at = 7 },\n"
            "  { member = \"m7\", kind = \"linear\", direction = \"y\", w = [-0.5, -2], from = 3, to = 18 },\n"
            "  { member = \"m9\", kind = \"moment\", direction = \"z\", M = 40, at = 12 },\n]\n"
            "[cases.b]\nmembers = [ { member = \"m4\", kind = \"uniform\", direction = \"y\", w = -3 } ]\n"
            "[combinations]\nab = { a = 1.2, b = 1.6 }\nb = { b = 1 }\n";
    expect_agrees_with_program(model_of(beam), "beam");
}

// ---------------------------------------------------------------------------
// Closed forms.

std::string space_cantilever(const std::string& load)
{
    return "type = \"space_frame\"\nunits = \"US\"\n[sections]\n"
           "S = { A = 10, J = 30, Iy = 100, Iz = 250, E = 29000, G = 11200, Fy = 36, rx = 2, ry = 2 }\n"
           "[joints]\nroot = [0, 0, 0]\ntip = [10, 0, 0]\n[members]\nbar = { joints = [\"root\", \"tip\"], section = "
           "\"S\" }\n"
           "[supports]\nroot = \"fixed\"\n[cases.tip]\njoints = { tip = " +
           load + " }\n";
}

TEST(EngineClosedForms, CantileverTipDeflectionAndSupportMomentInBothPlanes)
{
    const double P = 2, L = 120, E = 29000, Iy = 100, Iz = 250;
    Model s = model_of(space_cantilever("{ fy = -2, fz = 2 }"));
    std::vector<Solution> x = combinations_of(s);
    // Down along y bends about member z: tip y = -PL^3/3EIz, rotation z
    // -PL^2/2EIz, support moment about z +PL; along +z bends about member
    // y: tip z = PL^3/3EIy, rotation y -PL^2/2EIy, support moment -PL.
    EXPECT_NEAR(x[0].D[2][1], -P * L * L * L / (3 * E * Iz), 1e-12);
    EXPECT_NEAR(x[0].D[2][5], -P * L * L / (2 * E * Iz), 1e-14);
    EXPECT_NEAR(x[0].D[2][2], P * L * L * L / (3 * E * Iy), 1e-12);
    EXPECT_NEAR(x[0].D[2][4], -P * L * L / (2 * E * Iy), 1e-14);
    EXPECT_NEAR(x[0].AR[1][1], P, 1e-10);
    EXPECT_NEAR(x[0].AR[1][2], -P, 1e-10);
    EXPECT_NEAR(x[0].AR[1][5], P * L, 1e-9);
    EXPECT_NEAR(x[0].AR[1][4], P * L, 1e-9);
    // The member's start actions are the support's, its end displacements the tip's.
    EXPECT_NEAR(x[0].actions[1][5], P * L, 1e-9);
    EXPECT_NEAR(x[0].ends[1][7], x[0].D[2][1], 1e-15);
}

TEST(EngineClosedForms, FixedFixedBeamUnderUniformLoad)
{
    // Two members between fixed ends, w down over both (span 2a = 40 ft).
    Model s = model_of(
        "type = \"beam\"\nunits = \"US\"\n[sections]\n"
        "W = { Ix = 800, A = 13, Sx = 80, E = 29000, Fy = 50 }\n"
        "[joints]\nA = 0\nB = 20\nC = 40\n[members]\n"
        "ab = { joints = [\"A\", \"B\"], section = \"W\" }\nbc = { joints = [\"B\", \"C\"], section = \"W\" }\n"
        "[supports]\nA = \"fixed\"\nC = \"fixed\"\n[cases.w]\nmembers = [\n"
        "  { member = \"ab\", kind = \"uniform\", direction = \"y\", w = -1.2 },\n"
        "  { member = \"bc\", kind = \"uniform\", direction = \"y\", w = -1.2 },\n]\n");
    const double w = 0.1, L = 480, EI = 29000.0 * 800;
    Solution x = combinations_of(s)[0];
    // wL/2 and wL^2/12 at the supports, wL^2/24 at midspan (the end moment
    // of the first member, sagging), wL^4/384EI down there.
    EXPECT_NEAR(x.AR[1][0], w * L / 2, 1e-9);
    EXPECT_NEAR(x.AR[3][0], w * L / 2, 1e-9);
    EXPECT_NEAR(x.AR[1][1], w * L * L / 12, 1e-7);
    EXPECT_NEAR(x.AR[3][1], -w * L * L / 12, 1e-7);
    EXPECT_NEAR(x.actions[1][5], w * L * L / 12, 1e-7);
    EXPECT_NEAR(x.actions[1][11], w * L * L / 24, 1e-7);
    EXPECT_NEAR(x.actions[2][11], -w * L * L / 12, 1e-7);
    EXPECT_NEAR(x.D[2][0], -w * L * L * L * L / (384 * EI), 1e-12);
    EXPECT_NEAR(x.D[2][1], 0, 1e-15);
}

TEST(EngineClosedForms, GridMemberInTorsionAndBending)
{
    // A bent cantilever in the x-y plane: A (fixed) to B along x, B to C
    // along y, a force P down at C. Member AB twists by P*L2 and bends by
    // P*L1; C goes down by the bending of both and AB's twist times L2.
    Model s = model_of(
        "type = \"grid\"\nunits = \"US\"\n[sections]\n"
        "S = { A = 10, J = 2, Iy = 300, Ix = 20, E = 29000, Fy = 50, G = 11200 }\n"
        "[joints]\nA = [0, 0]\nB = [10, 0]\nC = [10, 5]\n[members]\n"
        "ab = { joints = [\"A\", \"B\"], section = \"S\" }\nbc = { joints = [\"B\", \"C\"], section = \"S\" }\n"
        "[supports]\nA = \"fixed\"\n[cases.p]\njoints = { C = { fz = -3 } }\n");
    const double P = 3, L1 = 120, L2 = 60, EI = 29000.0 * 300, GJ = 11200.0 * 2;
    Solution x = combinations_of(s)[0];
    EXPECT_NEAR(x.D[3][2], -(P * L1 * L1 * L1 / (3 * EI) + P * L2 * L2 * L2 / (3 * EI) + P * L2 * L2 * L1 / GJ), 1e-10);
    // The support holds z by P, rx by P*L2 and ry by -P*L1.
    EXPECT_NEAR(x.AR[1][2], P, 1e-10);
    EXPECT_NEAR(x.AR[1][0], P * L2, 1e-9);
    EXPECT_NEAR(x.AR[1][1], -P * L1, 1e-9);
    // Member AB in its own axes: torque Mx, moment My about member y.
    EXPECT_NEAR(x.actions[1][3], P * L2, 1e-9);
    EXPECT_NEAR(x.actions[1][4], -P * L1, 1e-9);
    EXPECT_NEAR(x.actions[1][9], -P * L2, 1e-9);
    EXPECT_NEAR(x.ends[1][9], -P * L2 * L1 / GJ, 1e-11);
}

TEST(EngineClosedForms, TrussBarForcesByTheMethodOfJoints)
{
    // Two bars from (0,0) and (8,0) ft to (4,3) ft, 10 kips down at the
    // apex: each bar 10 / (2 * 3/5) = 8.33 kips in compression, a positive
    // start force x; the supports take 5 kips up and 6.67 inwards, the left
    // one also the 3 kips put on it.
    Model s = model_of(
        "type = \"plane_truss\"\nunits = \"US\"\n[sections]\n"
        "B = { A = 2, E = 29000, Fy = 36, rx = 1, ry = 1 }\n"
        "[joints]\nL = [0, 0]\nT = [4, 3]\nR = [8, 0]\n[members]\n"
        "left = { joints = [\"L\", \"T\"], section = \"B\" }\nright = { joints = [\"T\", \"R\"], section = \"B\" }\n"
        "[supports]\nL = \"pinned\"\nR = \"pinned\"\n"
                       "[cases.p]\njoints = { T = { fy = -10 }, L = { fy = -3 } }\n");
    Solution x = combinations_of(s)[0];
    const double F = 10 / 1.2, EA = 29000.0 * 2, L = 60;
    EXPECT_NEAR(x.actions[1][0], F, 1e-10);
    EXPECT_NEAR(x.actions[1][6], -F, 1e-10);
    EXPECT_NEAR(x.actions[2][0], F, 1e-10);
    EXPECT_NEAR(x.AR[1][0], F * 0.8, 1e-10);
    EXPECT_NEAR(x.AR[1][1], 5 + 3, 1e-10);
    EXPECT_NEAR(x.AR[3][1], 5, 1e-10);
    EXPECT_NEAR(x.AR[3][0], -F * 0.8, 1e-10);
    // Virtual work: the apex goes down by sum F f L / EA, f = F / 10.
    EXPECT_NEAR(x.D[2][1], -2 * F * (F / 10) * L / EA, 1e-12);
    EXPECT_NEAR(x.D[2][0], 0, 1e-14);
}

// ---------------------------------------------------------------------------
// Every combination of a building of about 10,000 degrees of freedom: the
// reactions balance the applied loads, forces and moments about the
// origin, to 1e-9 of the largest load.

TEST(EngineEquilibrium, ReactionsBalanceTheLoadsOfEveryCombinationOfALargeBuilding)
{
    Model s = model_of(qmtools::building_model({.bays_x = 8, .bays_z = 8, .storeys = 20}));
    Engine e(s);
    ASSERT_GT(e.equations(), 9000);
    EXPECT_FALSE(e.ill_conditioned()) << e.rcond();
    std::vector<Solution> cases = e.solve_cases();
    for (const quill::Combination& c : s.combinations) {
        qmtools::EquilibriumMiss miss = qmtools::equilibrium_miss(s, c, Engine::combine(s, c, cases));
        EXPECT_TRUE(miss.uniform_global);
        EXPECT_LT(miss.force, 1e-9) << c.name;
        EXPECT_LT(miss.moment, 1e-9) << c.name;
    }
}

// ---------------------------------------------------------------------------
// Models that cannot carry their loads.

std::string stop_of(const std::string& toml)
{
    Model s;
    try {
        s = model_of(toml + "[cases.p]\njoints = { A = { fx = 1 } }\n");
    } catch (const quill::ModelError& e) {
        return e.message;
    }
    try {
        Engine e(s);
    } catch (const quill::EngineStop& stop) {
        return stop.message;
    }
    return "no stop";
}

const std::string plane_frame_head = "type = \"plane_frame\"\nunits = \"US\"\n[sections]\n"
                                     "S = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2 }\n"
                                     "N = { A = 10, Iz = 0, E = 29000, Fy = 36, rx = 3, ry = 2 }\n";
const std::string truss_head = "type = \"plane_truss\"\nunits = \"US\"\n[sections]\n"
                               "B = { A = 2, E = 29000, Fy = 36, rx = 1, ry = 1 }\n";

TEST(EngineMechanisms, EachNamedByJointAndDirection)
{
    // A member without bending stiffness leaves its pinned far end free to
    // turn.
    EXPECT_EQ(stop_of(plane_frame_head + "[joints]\nA = [0, 0]\nB = [0, 10]\nC = [10, 10]\n[members]\n"
                                         "col = { joints = [\"A\", \"B\"], section = \"S\" }\n"
                                         "beam = { joints = [\"B\", \"C\"], section = \"N\" }\n"
                                         "[supports]\nA = \"fixed\"\nC = \"pinned\"\n"),
              "unstable structure: nothing holds joint C in direction rz");
    // A second frame that no support holds.
    EXPECT_EQ(stop_of(plane_frame_head + "[joints]\nA = [0, 0]\nB = [0, 10]\nE = [20, 0]\nF = [20, 10]\n[members]\n"
                                         "col = { joints = [\"A\", \"B\"], section = \"S\" }\n"
                                         "loose = { joints = [\"E\", \"F\"], section = \"S\" }\n"
                                         "[supports]\nA = \"fixed\"\n"),
              "unstable structure: nothing holds joint E in direction x: its part of the structure rests on no "
              "support or spring");
    // A joint that no member reaches.
    EXPECT_EQ(stop_of(plane_frame_head + "[joints]\nA = [0, 0]\nB = [0, 10]\nG = [5, 5]\n[members]\n"
                                         "col = { joints = [\"A\", \"B\"], section = \"S\" }\n"
                                         "[supports]\nA = \"fixed\"\nG = [\"x\"]\n"),
              "unstable structure: nothing holds joint G in direction y");
    // Every direction stiff on its own, but a truss panel without its
    // diagonal sways: the elimination uses up the stiffness along x of a
    // top joint.
    std::string sway = stop_of(truss_head + "[joints]\nA = [0, 0]\nB = [10, 0]\nC = [0, 10]\nD = [10, 10]\n"
                                            "[members]\nac = { joints = [\"A\", \"C\"], section = \"B\" }\n"
                                            "bd = { joints = [\"B\", \"D\"], section = \"B\" }\n"
                                            "cd = { joints = [\"C\", \"D\"], section = \"B\" }\n"
                                            "[supports]\nA = \"pinned\"\nB = \"pinned\"\n");
    EXPECT_TRUE(sway == "unstable structure: nothing holds joint C in direction x" ||
                sway == "unstable structure: nothing holds joint D in direction x")
        << sway;
    // Two bars in one line hold their middle joint along that line alone.
    std::string line = stop_of(truss_head + "[joints]\nA = [0, 0]\nM = [6, 6]\nZ = [12, 12]\n[members]\n"
                                            "am = { joints = [\"A\", \"M\"], section = \"B\" }\n"
                                            "mz = { joints = [\"M\", \"Z\"], section = \"B\" }\n"
                                            "[supports]\nA = \"pinned\"\nZ = \"pinned\"\n");
    EXPECT_TRUE(line == "unstable structure: nothing holds joint M in direction x" ||
                line == "unstable structure: nothing holds joint M in direction y")
        << line;
    // A braced panel is no mechanism.
    EXPECT_EQ(stop_of(truss_head + "[joints]\nA = [0, 0]\nB = [10, 0]\nC = [0, 10]\nD = [10, 10]\n"
                                   "[members]\nac = { joints = [\"A\", \"C\"], section = \"B\" }\n"
                                   "bd = { joints = [\"B\", \"D\"], section = \"B\" }\n"
                                   "cd = { joints = [\"C\", \"D\"], section = \"B\" }\n"
                                   "ad = { joints = [\"A\", \"D\"], section = \"B\" }\n"
                                   "[supports]\nA = \"pinned\"\nB = \"pinned\"\n"),
              "no stop");
}

TEST(EngineMechanisms, IllConditionedEquationsAreSaidNotStopped)
{
    // A span 1e14 times stiffer than its neighbour: every pivot keeps its
    // own stiffness, but the smallest is far below the largest.
    std::string beam = "type = \"beam\"\nunits = \"US\"\n[sections]\n"
                       "W = { Ix = 800, A = 13, Sx = 80, E = 29000, Fy = 50 }\n"
                       "X = { Ix = 8e16, A = 13, Sx = 80, E = 29000, Fy = 50 }\n"
                       "[joints]\nA = 0\nB = 20\nC = 40\n[members]\n"
                       "ab = { joints = [\"A\", \"B\"], section = \"";
    std::string rest = "\" }\nbc = { joints = [\"B\", \"C\"], section = \"W\" }\n"
                       "[supports]\nA = \"fixed\"\nC = [\"y\"]\n[cases.p]\njoints = { B = { fy = -1 } }\n";
    Model stiff = model_of(beam + "X" + rest);
    Engine ill(stiff);
    EXPECT_TRUE(ill.ill_conditioned());
    EXPECT_LT(ill.rcond(), Engine::rcond_bound);
    Model even = model_of(beam + "W" + rest);
    Engine fine(even);
    EXPECT_FALSE(fine.ill_conditioned());
    EXPECT_GT(fine.rcond(), 1e-8);
}

TEST(EngineMechanisms, EveryJointRestrainedLeavesTheFixedEndActionsAsReactions)
{
    Model s = model_of(plane_frame_head + "[joints]\nA = [0, 0]\nB = [10, 0]\n[members]\n"
                                          "beam = { joints = [\"A\", \"B\"], section = \"S\" }\n"
                                          "[supports]\nA = \"fixed\"\nB = \"fixed\"\n[cases.w]\nmembers = [ "
                                          "{ member = \"beam\", kind = \"uniform\", direction = \"y\", axes = "
                                          "\"global\", w = -1.2 } ]\n");
    Engine e(s);
    EXPECT_EQ(e.equations(), 0);
    Solution x = e.solve_cases()[0];
    EXPECT_NEAR(x.AR[1][1], 6, 1e-12);
    EXPECT_NEAR(x.AR[2][2], -1.2 / 12 * 120 * 120 / 12, 1e-9);
}

// ---------------------------------------------------------------------------
// Progress.

struct Stages : quill::Progress {
    std::vector<std::string> seen;
    void stage(const std::string& what) override { seen.push_back(what); }
};

TEST(EngineProgress, StagesInTheOrderOfTheWork)
{
    Model s = model_of(space_cantilever("{ fy = -2 }") + "[cases.more]\njoints = { tip = { fx = 1 } }\n");
    Stages stages;
    Engine e(s, &stages);
    e.solve_cases();
    EXPECT_EQ(stages.seen, (std::vector<std::string>{"assembling", "ordering", "factoring", "solving 2 cases"}));
}

// What a terminal shows of a run of stages, with their pauses in ms.
std::string shown_on_terminal(const std::vector<std::pair<std::string, int>>& stages, int delay_ms)
{
    int master = -1, slave = -1;
    if (openpty(&master, &slave, nullptr, nullptr, nullptr) != 0)
        return "no terminal";
    {
        quill::TerminalProgress p(slave, std::chrono::milliseconds(delay_ms));
        for (const auto& [what, pause] : stages) {
            p.stage(what);
            std::this_thread::sleep_for(std::chrono::milliseconds(pause));
        }
    }
    close(slave);
    std::string out;
    char buf[256];
    for (ssize_t n; (n = read(master, buf, sizeof buf)) > 0;)
        out.append(buf, static_cast<size_t>(n));
    close(master);
    return out;
}

TEST(EngineProgress, TerminalShowsStagesOnlyOnceTheRunTakesLong)
{
    // A quick run shows nothing.
    EXPECT_EQ(shown_on_terminal({{"assembling", 0}, {"factoring", 0}}, 1000), "");
    // A long one: the stage under way when the delay runs out, each later
    // one over it, and the line cleared at the end.
    std::string shown = shown_on_terminal({{"assembling", 0}, {"ordering", 300}, {"factoring", 0}}, 100);
    EXPECT_EQ(shown, "\rquillmark: ordering ...\rquillmark: factoring ...\r" + std::string(24, ' ') + "\r");
    // Not a terminal: nothing, however long.
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    {
        quill::TerminalProgress p(fds[1], std::chrono::milliseconds(0));
        p.stage("factoring");
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    close(fds[1]);
    char c;
    EXPECT_EQ(read(fds[0], &c, 1), 0);
    close(fds[0]);
}

} // namespace
