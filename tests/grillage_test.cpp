// grillage end to end: grids with closed-form answers (a cantilever in
// bending, two members side by side, a member in torsion, a skew member, a
// fixed beam under member loads, two crossing beams sharing a load by their
// stiffness), reactions against loads, the checks at their allowables, dummy
// members and the grid's capacities. The exact report, CSV and summary of
// the example and of each error stop are compared by golden_test.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "harness.h"

namespace {

using qmtest::csv_value;
using qmtest::heading;
using qmtest::tail_from;
const std::string& pass = qmtest::pass_mark;
const std::string& fail = qmtest::fail_mark;

struct GridRun : qmtest::Analysis {
    explicit GridRun(const std::string& input) : Analysis(qmtest::analyse(GRILLAGE, "grid", input)) {}
    // CSV: line 0 the counts, lines 1..nj the joints (rotation x, rotation y
    // in radians, translation z, reaction moment x, moment y, force z), then
    // two lines per member: its end actions, then its limits.
    double joint(int j, int field) const { return csv_value(csv, j, field); }
    double action(int nj, int i, int k) const { return csv_value(csv, nj + 2 * i - 1, k); }
};

// One cell of the member table: the end action, its mark and its label.
std::string cell(const char* value, const std::string& mark, const char* label)
{
    return std::string("<TD>\n") + value + mark + " " + label + "</TD>\n";
}

// A, J, Iy, Ix, E, Fy, G: Ix enters no computation.
const std::string sec = "10,50,100,20,29000,36,11200";

// One member of 120 in from joint 1 (fully fixed) along x or along y to the
// free joint 2, which carries the joint load "Mx,My,Fz".
std::string one_member(const std::string& to, const std::string& load, const std::string& section = sec)
{
    return "1,2,3,1\n0,0\n" + to + "\n1,2," + section + "\n1\n1,1,1\n1,0\n2\n" + load + "\n0\n";
}

// ---------------------------------------------------------------------------
// Cantilever along x, F = -1 kip at the tip: w = F*L^3/(3*E*Iy) =
// -120^3/(3*29000*100) = -0.198621 in; the tip turns about y by
// -dw/dx = -F*L^2/(2*E*Iy) = +0.00248276 rad; the support takes Fz = +1
// and My = F*L = -120; nothing twists the member.
TEST(GrillageCantilever, TipTranslationAndSupportMomentFollowBeamTheory)
{
    GridRun run(one_member("120,0", "0,0,-1"));
    qmtest::expect_success(run);
    EXPECT_NEAR(run.joint(2, 3), -120.0 * 120 * 120 / (3 * 29000.0 * 100), 2e-6);
    EXPECT_NEAR(run.joint(2, 2), 120.0 * 120 / (2 * 29000.0 * 100), 5e-7);
    EXPECT_NEAR(run.joint(1, 5), -120.0, 1e-3);
    EXPECT_NEAR(run.joint(1, 6), 1.0, 1e-5);
    EXPECT_EQ(run.joint(1, 4), 0.0);
}

// Two identical members side by side from joint 1 to joint 2 both count, in
// the support rows too: the tip moves F*L^3/(6*E*Iy), each member carries
// half, and the support still takes Fz = 1 and My = F*L = -120.
TEST(GrillageCantileverPair, MembersBetweenTheSameJointsAddUp)
{
    GridRun run("2,2,3,1\n0,0\n120,0\n1,2," + sec + "\n1,2," + sec + "\n1\n1,1,1\n1,0\n2\n0,0,-1\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(run.joint(2, 3), -120.0 * 120 * 120 / (6 * 29000.0 * 100), 1e-6);
    EXPECT_NEAR(run.joint(1, 5), -120.0, 1e-3);
    EXPECT_NEAR(run.joint(1, 6), 1.0, 1e-5);
    for (int i = 1; i <= 2; ++i)
        EXPECT_NEAR(run.action(2, i, 2), -60.0, 1e-3) << "member " << i;
}

// ---------------------------------------------------------------------------
// The same member along y takes a moment about y at its tip as torsion:
// rotation M*L/(G*J) = 10*120/(11200*50) = 0.00214286 rad and no bending.
// Torsion -10 at the start, +10 at the end: no record gives an allowable
// torque, so its cells carry no mark and the summary no rotation line.
TEST(GrillageTorsion, MemberAlongYTwistsByMLOverGJ)
{
    GridRun run(one_member("0,120", "0,10,0"));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(run.joint(2, 2), 10.0 * 120 / (11200 * 50.0), 5e-7);
    EXPECT_EQ(run.joint(2, 1), 0.0);
    EXPECT_EQ(run.joint(2, 3), 0.0);
    EXPECT_NEAR(run.joint(1, 5), -10.0, 1e-5);
    const double expected[7] = {0, -10, 0, 0, 10, 0, 0};
    for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(run.action(2, 1, k), expected[k], 1e-5) << "end action " << k;
    EXPECT_TRUE(run.has("<TD>  1</TD><TD>\n -10.000 torsion</TD>\n"));
    EXPECT_EQ(run.txt.find("min "), std::string::npos);
}

// A skew cantilever from (0, 0) to (96, 72) (L = 120, cx = 0.8, cy = 0.6)
// with Fz = -1 and Mx = 10 at its tip. The moment splits into torsion
// 10*cx = 8 about member x and bending 10*(-cy) = -6 about member y
// (-0.6, 0.8). End actions: torsion -8 and +8; bending F*L - (-6) = -114 at
// the start, -6 at the tip; force +1 and -1. The tip moves
// F*L^3/(3EI) + 6*L^2/(2EI) = -0.198621 + 0.014897. Statics: the support
// takes Fz = 1, Mx = -(10 + 72*F) = 62, My = -(-96*F) = -96.
// The same actions given as fixed-end actions at the member's end
// (-8, 6, 1 in member axes) load joint 2 with (10, 0, -1) as well: the
// same displacements, and the tip's end actions become 0.
TEST(GrillageSkew, MomentSplitsIntoTorsionAndBending)
{
    GridRun joint(one_member("96,72", "10,0,-1"));
    ASSERT_EQ(joint.result.status, 0) << joint.result.console;
    EXPECT_NEAR(joint.joint(2, 3), -0.198621 + 6.0 * 120 * 120 / (2 * 29000.0 * 100), 2e-6);
    EXPECT_NEAR(joint.joint(1, 4), 62.0, 1e-3);
    EXPECT_NEAR(joint.joint(1, 5), -96.0, 1e-3);
    EXPECT_NEAR(joint.joint(1, 6), 1.0, 1e-5);
    const double expected[7] = {0, -8, -114, 1, 8, -6, -1};
    for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(joint.action(2, 1, k), expected[k], 1e-3) << "end action " << k;

    GridRun member("1,2,3,1\n0,0\n96,72\n1,2," + sec + "\n1\n1,1,1\n0,1\n1\n0,0,0,-8,6,1\n0\n");
    ASSERT_EQ(member.result.status, 0) << member.result.console;
    for (int f = 1; f <= 3; ++f)
        EXPECT_NEAR(member.joint(2, f), joint.joint(2, f), 2e-6) << "displacement " << f;
    const double with_loads[7] = {0, -8, -114, 1, 0, 0, 0};
    for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(member.action(2, 1, k), with_loads[k], 1e-3) << "end action " << k;
}

// ---------------------------------------------------------------------------
// A beam along y fixed at both ends (joints 1 and 3, 240 in apart), in two
// members, each loaded by w = 1 kip/ft = 1/12 kip/in as fixed-end actions:
// force z wL/2 = 5, bending -wL^2/12 = -100 at the start, +100 at the end.
// Fixed-fixed beam: midspan w*L^4/(384*E*Iy) = 0.248276 in down; support
// forces wL/2 = 10; support moments wL^2/12 = 400 about x, +400 at joint 1
// (the load lies at larger y) and -400 at joint 3; member 1 has bending -400
// at its start and the midspan moment wL^2/24 = 200 at its end.
TEST(GrillageMemberLoads, FixedBeamUnderUniformLoad)
{
    GridRun run("2,3,6,2\n0,0\n0,120\n0,240\n1,2," + sec + "\n2,3," + sec + "\n1\n1,1,1\n3\n1,1,1\n0,2\n" +
                "1\n0,-100,5,0,100,5\n2\n0,-100,5,0,100,5\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(run.joint(2, 3), -240.0 * 240 * 240 * 240 / (12 * 384 * 29000.0 * 100), 2e-6);
    EXPECT_NEAR(run.joint(2, 1), 0.0, 1e-9);
    EXPECT_NEAR(run.joint(1, 4), 400.0, 1e-3);
    EXPECT_NEAR(run.joint(3, 4), -400.0, 1e-3);
    EXPECT_NEAR(run.joint(1, 6) + run.joint(3, 6), 20.0, 1e-5);
    const double expected[7] = {0, 0, -400, 10, 0, -200, 0};
    for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(run.action(3, 1, k), expected[k], 1e-3) << "end action " << k;
}

// Record 5 of "0,0" (or counts below 0) lists no loads and no text block;
// the dummy count follows at once.
TEST(GrillageMemberLoads, NoLoadsWriteBothNoneLines)
{
    for (const char* counts : {"0,0", "-1,-2"}) {
        GridRun run("1,2,3,1\n0,0\n120,0\n1,2," + sec + "\n1\n1,1,1\n" + counts + "\n0\n");
        ASSERT_EQ(run.result.status, 0) << counts << run.result.console;
        EXPECT_TRUE(run.has(heading("Joint Loads") + "<BR>No loaded joints<BR>\n<BR>No loaded members<BR>\n" +
                            heading("Calculated Results")))
            << counts;
    }
}

// ---------------------------------------------------------------------------
// Two crossing beams, both fixed at their far ends, meeting at joint 2 in
// the middle of both 240 in spans: along x with Iy = 300 (members 1, 2),
// along y with Iy = 100 (members 3, 4). The centre turns neither way, so
// each beam is a fixed-fixed beam with deflection P*L^3/(192*E*Iy): they
// share P = 10 kips as 3:1, 7.5 and 2.5; support forces 3.75 and 1.25,
// support moments P*L/8 = 225 and 75; deflection 7.5*240^3/(192*29000*300).
std::string crossing(const std::string& load, const std::string& dummies)
{
    return "4,5,12,4\n0,120\n120,120\n240,120\n120,0\n120,240\n1,2,10,50,300,20,29000,36,11200,300,13.75\n"
           "2,3,10,50,300,20,29000,36,11200,300,13.75\n4,2," +
           sec + "\n2,5," + sec + "\n" + "1\n1,1,1\n3\n1,1,1\n4\n1,1,1\n5\n1,1,1\n1,0\n2\n" + load + "\n" + dummies;
}

TEST(GrillageTwoWay, CrossingBeamsShareTheLoadByTheirStiffness)
{
    GridRun run(crossing("0,0,-10", "0\n"));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(run.joint(2, 3), -7.5 * 240 * 240 * 240 / (192 * 29000.0 * 300), 1e-6);
    const double force[6] = {0, 3.75, 0, 3.75, 1.25, 1.25};
    for (int j : {1, 3, 4, 5})
        EXPECT_NEAR(run.joint(j, 6), force[j], 1e-5) << "joint " << j;
    EXPECT_NEAR(run.joint(1, 5), -225.0, 1e-3);
    EXPECT_NEAR(run.joint(4, 4), 75.0, 1e-3);
}

// Any loads at the centre (120, 120): the reactions balance them. A force z
// at (x, y) has the moment y*Fz about x and -x*Fz about y.
TEST(GrillageTwoWay, ReactionsBalanceTheLoads)
{
    GridRun run(crossing("30,-20,-10", "0\n"));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    const double x[6] = {0, 0, 120, 240, 120, 120}, y[6] = {0, 120, 120, 120, 0, 240};
    double fz = -10, mx = 30 + 120 * -10.0, my = -20 - 120 * -10.0;
    for (int j = 1; j <= 5; ++j) {
        fz += run.joint(j, 6);
        mx += run.joint(j, 4) + y[j] * run.joint(j, 6);
        my += run.joint(j, 5) - x[j] * run.joint(j, 6);
    }
    EXPECT_NEAR(fz, 0.0, 1e-4);
    EXPECT_NEAR(mx, 0.0, 1e-2);
    EXPECT_NEAR(my, 0.0, 1e-2);
}

// Member 1 as a dummy: its actions stay in the CSV, but the minima come from
// member 2 (198/3.75 = 52.8, 7128/225 = 31.7, Va = 0.40*Aw*Fy =
// 0.40*13.75*36 = 198, Ma = 0.66*Sy*Fy = 0.66*300*36 = 7128; members 3 and 4
// give no Sy and no Aw).
// With every member a dummy no ratio line is left.
TEST(GrillageTwoWay, DummyMembersSetNoMinimum)
{
    GridRun one(crossing("0,0,-10", "1\n1\n"));
    ASSERT_EQ(one.result.status, 0) << one.result.console;
    EXPECT_NEAR(one.action(5, 1, 3), 3.75, 1e-5);
    EXPECT_EQ(tail_from(one.txt, "\n\ndummy"), "\n\ndummy member - 1\n\nmin shear ratio =\t     52.8\t member =    2\n"
                                               "min moment ratio =\t     31.7\t member =    2\n\n");
    GridRun all(crossing("0,0,-10", "4\n1\n2\n3\n4\n"));
    ASSERT_EQ(all.result.status, 0) << all.result.console;
    EXPECT_EQ(tail_from(all.txt, "\n\ndummy"),
              "\n\ndummy member - 1\ndummy member - 2\ndummy member - 3\ndummy member - 4\n\n\n");
    EXPECT_EQ(all.csv.substr(all.csv.size() - 11), "4\n1\n2\n3\n4\n\n");
}

// ---------------------------------------------------------------------------
// An area of 0 gives the built-in section (A 2.94, J 12.3, Iy 1.22, Ix 0.114,
// E 29000, Fy 36, G 11000, no section modulus): the cantilever's tip then
// moves F*L^3/(3*29000*1.22); torsion, bending and shear are not checked
// (limits 0: the built-in section gives no shear area either).
TEST(GrillageEcho, AreaZeroTakesTheBuiltInSection)
{
    GridRun run(one_member("120,0", "0,0,-0.01", "0,1,2,3,4,5,6"));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(run.joint(2, 3), -0.01 * 120 * 120 * 120 / (3 * 29000 * 1.22), 1e-5);
    EXPECT_EQ(csv_value(run.csv, 4, 1), 0.0);
    EXPECT_EQ(csv_value(run.csv, 4, 2), 0.0);
    EXPECT_EQ(csv_value(run.csv, 4, 3), 0.0);
}

// A member fixed at both ends keeps its fixed-end actions as end actions.
// With Aw = 1.375, Sy = 1 and Fy = 40: Va = 0.40*1.375*40 = 22 and Ma =
// 0.66*1*40 = 26.4
// (as single precision). Equal to the allowable fails, just below passes;
// the ratios are 22/22 and 26.4/26.4; the torsion gets no mark.
TEST(GrillageChecks, ActionEqualToItsAllowableFails)
{
    GridRun run("1,2,6,2\n0,0\n120,0\n1,2,1,1,1,1,29000,40,11200,1,1.375\n1\n1,1,1\n2\n1,1,1\n0,1\n1\n"
                "24,26.4,22,23.99,-26.39,21.99\n0\n");
    qmtest::expect_failing_member(run);
    EXPECT_TRUE(run.has("<TD>  1</TD><TD>\n  24.000 torsion</TD>\n" + cell("  26.400", fail, "moment") +
                        cell("  22.000", fail, "shear") + "<TD>\n  23.990 torsion</TD>\n" +
                        cell(" -26.390", pass, "moment") + cell("  21.990", pass, "shear")));
    EXPECT_EQ(tail_from(run.txt, "\n\n\nmin"),
              "\n\n\nmin shear ratio =\t      1.0\t member =    1\nmin moment ratio =\t      1.0\t member =    1\n\n"
              "Checked at their ends only, not along their spans: member 1, which carries a member load; quillmark "
              "checks along the span\n");
}

// ---------------------------------------------------------------------------
// The grid's own capacities: 700 members, 200 joints, 701 dummy members.
TEST(GrillageStops, CapacitiesOfTheGrid)
{
    const std::pair<std::string, std::string> cases[] = {
        {"701,2,3,1\n", "grid.in:1: structure counts: number of members (m) 701 is outside 0..700"},
        {"1,201,3,1\n", "grid.in:1: structure counts: number of joints (nj) 201 is outside 0..200"},
        {"1,2,3,1\n0,0\n120,0\n1,2," + sec + "\n1\n1,1,1\n0,0\n702\n",
         "grid.in:8: dummy members: number of dummy members 702 is above 701"}};
    for (const auto& [input, line] : cases)
        qmtest::expect_stop_on(GridRun(input), line);
}

// ---------------------------------------------------------------------------
// The shipped floor grid (examples/grid/README.md): 50 kips on a panel
// symmetric about both centre lines, so each corner bearing takes 12.5; the
// middle cross beam's halves bring 20/2 + 5 = 15 kips to the girders, which
// then carry 5, 15, 5 kips at their quarter points: midspan moment
// 12.5*180 - 5*90 = 1800 inch-kips.
TEST(GrillageExample, FloorGridMatchesStatics)
{
    GridRun run(qmtest::example_input("grid"));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    const int nj = 11;
    for (int j : {1, 5, 6, 10})
        EXPECT_NEAR(run.joint(j, 6), 12.5, 1e-3) << "joint " << j;
    EXPECT_NEAR(run.action(nj, 10, 3), 15.0, 1e-3);
    EXPECT_NEAR(run.action(nj, 11, 6), 15.0, 1e-3);
    for (int i : {2, 6})
        EXPECT_NEAR(run.action(nj, i, 5), -1800.0, 0.01) << "member " << i;
}

} // namespace
