// truss2d end to end: small trusses whose displacements, bar forces and
// reactions follow by hand (Hooke's law, the method of joints, statics), the
// exact lines of the report, CSV and summary, and every error stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>
#include <string>

#include "harness.h"

using qmtest::ProgramDir;
using qmtest::RunResult;

namespace {

using qmtest::footer;
using qmtest::heading;
using qmtest::tail_from;
using qmtest::table_open;
const std::string& pass = qmtest::pass_mark;
const std::string& fail = qmtest::fail_mark;

// One member from joint 1 (0, 0) to joint 2 (120, 0), area 0 so the default
// section (A 2.94, E 29000, Fy 36, rx 0.643, ry 2.05); joint 1 pinned, joint 2
// on a roller in y; joint 2 loaded in x. n = 2*2 - 3 = 1.
std::string one_member(const std::string& joint2_load, const std::string& member_loads = "0\n",
                       const std::string& load_counts = "1,0\n")
{
    return "1,2,3,2\n"
           "0,0\n"
           "120,0\n"
           "1,2,0,0,0,0,0\n"
           "1\n1,1\n"
           "2\n0,1\n" +
           load_counts + "2\n" + joint2_load + "\n" + member_loads;
}

// CSV line of member i's end actions in a model of nj joints (line 0 holds
// the counts, lines 1..nj the joints, then two lines per member).
int member_line(int nj, int i) { return nj + 2 * i - 1; }

// Bar force, tension positive: the end force x of the member.
double bar_force(const std::string& csv, int nj, int i) { return qmtest::csv_value(csv, member_line(nj, i), 3); }

// ---------------------------------------------------------------------------
// The one-member example, pulled by 10 kips.

struct Truss2dOneMemberInTension : ::testing::Test {
    ProgramDir dir;
    RunResult result;
    void SetUp() override
    {
        dir.write("planetr.in", one_member("10,0", "0\n"));
        result = dir.run(TRUSS2D);
    }
};

TEST_F(Truss2dOneMemberInTension, RunsToCompletion)
{
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, "successfully completed\n");
    EXPECT_EQ(result.errors, "");
}

// Hooke: u = P*L/(E*A) = 10*120/(29000*2.94) = 0.0140746 inch; the pin takes
// the whole load back: support force x of joint 1 = -10.
TEST_F(Truss2dOneMemberInTension, ExtensionAndSupportForceFollowHookesLaw)
{
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(qmtest::csv_value(csv, 2, 1), 10.0 * 120 / (29000 * 2.94), 1e-6);
    EXPECT_NEAR(qmtest::csv_value(csv, 1, 3), -10.0, 1e-5);
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find("<TR>\n<TD>\n  1</TD><TD>  0.000 (inch)</TD><TD>  0.000 (inch)</TD><TD>-10.000 (kips)</TD><TD>"
                       "  0.000 (kips)\n</TD>\n</TR>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<TR>\n<TD>\n  2</TD><TD>  0.014 (inch)</TD><TD>  0.000 (inch)</TD><TD>  0.000 (kips)</TD><TD>"
                       "  0.000 (kips)\n</TD>\n</TR>\n"),
              std::string::npos);
}

// Ta = 2.94*36*0.6 = 63.504; a tension member has start force x -10
// ("tension") and end force x +10 ("tensile"). A truss has no shear check:
// its transverse forces carry their label, no mark and the limit 0, and a
// note says so.
TEST_F(Truss2dOneMemberInTension, MemberTableMarksTensionAndLeavesShearUnchecked)
{
    std::string htm = dir.read("planetr.htm");
    EXPECT_EQ(tail_from(htm, heading("Member End Actions")),
              heading("Member End Actions") + table_open +
                  "<TR>\n<TD>\nmember</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)"
                  "</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n</TD>\n</TR>\n"
                  "<TR>\n\n<TD>\n  1</TD>\n"
                  "<TD>\n -10.000" + pass + " tension</TD>\n"
                  "<TD>\n   0.000 shear</TD>\n"
                  "<TD>\n  10.000" + pass + " tensile</TD>\n"
                  "<TD>\n   0.000 shear</TD>\n"
                  "</TR><TR>\n\n<TD>\nlimit</TD>\n<TD>\n  63.504</TD>\n<TD>\n   0.000</TD>\n<TD>\n  63.504</TD>\n"
                  "<TD>\n   0.000</TD>\n</TR>\n\n"
                  "</TABLE>\n\n\n<BR>Shear not checked where the member record gives no shear area<BR>\n");
    EXPECT_EQ(htm.find("</BODY></HTML>"), std::string::npos);
}

// Only a tensile ratio exists: 63.504/10 = 6.35, printed 6.4.
TEST_F(Truss2dOneMemberInTension, SummaryHasCountsAndOnlyTheTensileRatio)
{
    std::string txt = qmtest::mask_date(dir.read("planetr.txt"));
    std::string head = "Plane Truss analysis\t\t\trev 0.14\nRun date - <date>\n";
    EXPECT_EQ(txt.substr(0, head.size()), head);
    EXPECT_EQ(qmtest::count_of(txt, std::string(73, '*') + "\n"), 2);
    EXPECT_EQ(tail_from(txt, std::string(73, '*') + "\n1,"),
              std::string(73, '*') + "\n1,1,2,3,2\n\n\nmin tensile ratio =\t      6.4\t member =    1\n\n");
}

TEST_F(Truss2dOneMemberInTension, CsvHoldsJointResultsActionsLimitsAndDummyList)
{
    // Limits: 2.94*36*0.6 = 63.504, held as the nearest single-precision
    // value (63.504002), and 0 for the transverse forces.
    EXPECT_EQ(dir.read("planetr.csv"), "1,2,3,2\n"
                                       "1,0.000000,0.000000,-10.000000,0.000000\n"
                                       "2,0.014075,0.000000,0.000000,0.000000\n"
                                       "1,-10.000000,0.000000,10.000000,0.000000\n"
                                       ",63.504002,0.000000,63.504002,0.000000\n"
                                       "0\n"
                                       "\n");
}

TEST_F(Truss2dOneMemberInTension, ReportEchoesTheInputWithTheDefaultSection)
{
    std::string htm = qmtest::mask_date(dir.read("planetr.htm"));
    EXPECT_EQ(htm.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML>\n<HEAD>\n\n", 0), 0u);
    EXPECT_NE(htm.find("Plane Truss analysis      rev 0.14\n<BR><br>\n"), std::string::npos);
    EXPECT_NE(htm.find(heading("Input Summary") + table_open +
                       "<TR>\n        <TD style=\"vertical-align: top; padding: 0.1pt;\">\n"
                       "Global structure parameters</TD><TD>number of members (m)</TD><TD>1\n</TD>\n<TR>\n<TD>\n"
                       "&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>1\n</TD>\n</TR>\n"),
              std::string::npos);
    EXPECT_NE(htm.find(heading("Joint Coordinates") + table_open +
                       "<TR>\n        <TD style=\"vertical-align: top; padding: 0.1pt;\">\n"
                       "joint</TD><TD>x (feet)</TD><TD>y (feet)\n"
                       "<TR>\n<TD>\n 1</TD><TD>   0.000</TD><TD>   0.000</TD>\n</TR>\n"
                       "<TR>\n<TD>\n 2</TD><TD>  10.000</TD><TD>   0.000</TD>\n</TR>\n</TABLE>\n"),
              std::string::npos);
    // Area 0 gives the default section; 120 inches show as 10 feet.
    EXPECT_NE(htm.find(heading("Member Properties") + table_open +
                       "<TR>\n<TD>\nmember</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD>"
                       "<TD>length (feet)</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> "
                       "(in<sup>4</sup>)</TD><TD>r<sub>y</sub> (in<sup>4</sup>)\n</TD>\n</TR>\n"
                       "<TR>\n<TD>\n 1</TD><TD> 1</TD><TD> 2</TD><TD>   2.940</TD><TD>  10.000</TD><TD>29000.000</TD>"
                       "<TD>  36.000</TD><TD>   0.643</TD><TD>   2.050</TD>\n</TR>\n</TABLE>\n"),
              std::string::npos);
    EXPECT_NE(htm.find(heading("Joint Restraints") + table_open +
                       "<TR>\n<TD>\njoint</TD><TD>restraint<sub>x</sub></TD><TD>restraint<sub>y</sub>\n</TD>\n</TR>\n"
                       "<TR>\n<TD>\n1</TD><TD>\nrestrained</TD><TD>\nrestrained</TD></TR>\n"
                       "<TR>\n<TD>\n2</TD><TD>\nunrestrained</TD><TD>\nrestrained</TD></TR>\n</TABLE>\n"),
              std::string::npos);
    EXPECT_NE(htm.find(heading("Global Load Information") + table_open +
                       "<TR>\n<TD>\nNumber of loaded joints</TD><TD>1\n</TD>\n</TR>\n"
                       "<TR>\n<TD>\nNumber of loaded members</TD><TD>0\n</TD>\n</TR>\n</TABLE>\n"),
              std::string::npos);
    EXPECT_NE(htm.find(heading("Joint Loads") + table_open +
                       "<TR>\n<TD>\njoint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)\n"
                       "</TD>\n</TR>\n"
                       "<TR>\n<TD>\n   1</TD><TD>   0.000</TD><TD>   0.000\n</TD>\n</TR>\n"
                       "<TR>\n<TD>\n   2</TD><TD>  10.000</TD><TD>   0.000\n</TD>\n</TR>\n</TABLE>\n"),
              std::string::npos);
    EXPECT_NE(htm.find(heading("Member Loads") + "<BR>No loaded members<BR>\n" + heading("Calculated Results") +
                       "<B><FONT SIZE=\"6\" COLOR=\"#660099\" FACE=\"Times New Roman\">Joint Displacements and "
                       "Support Reactions</FONT></B><FONT SIZE=\"5\" COLOR=\"navy\" FACE=\"Times New Roman\"><BR>\n\n" +
                       table_open),
              std::string::npos);
}

// ---------------------------------------------------------------------------
// The same member pushed by 10 kips.

// Ca = A * min(Fa(rx), Fa(ry)), s = L/r against Cc = sqrt(2*pi^2*E/Fy) =
// 126.10: the weak radius rx = 0.643 gives s = 186.6 > Cc, so the column
// buckles elastically, Fa = 12*pi^2*E/(23*s^2) = 4.2876 ksi (ry = 2.05, s =
// 58.5, yields at 17.57 ksi); Ca = 2.94 * 4.2876 = 12.605, and the ratio
// 12.605/10 prints 1.3.
TEST(Truss2dOneMemberInCompression, CompressionCellsUseTheColumnAllowable)
{
    const double pi = 3.14159, s = 120 / 0.643;
    double ca = 2.94 * 12 * pi * pi * 29000 / (23 * s * s);
    ASSERT_NEAR(ca, 12.605, 1e-3);

    ProgramDir dir;
    dir.write("planetr.in", one_member("-10,0"));
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0);
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find("<TR>\n\n<TD>\n  1</TD>\n<TD>\n  10.000" + pass + " compression</TD>\n<TD>\n   0.000"
                       " shear</TD>\n<TD>\n -10.000" + pass + " compressive</TD>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<TD>\nlimit</TD>\n<TD>\n  12.605</TD>\n<TD>\n   0.000</TD>\n<TD>\n  12.605</TD>\n"),
              std::string::npos);
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(qmtest::csv_value(csv, 4, 1), ca, 1e-3);
    EXPECT_NEAR(qmtest::csv_value(csv, 2, 1), -10.0 * 120 / (29000 * 2.94), 1e-6);
    std::string txt = dir.read("planetr.txt");
    EXPECT_NE(txt.find("\n\n\nmin compressive ratio =\t      1.3\t member =    1\n\n"), std::string::npos);
    EXPECT_EQ(txt.find("tensile"), std::string::npos);
    EXPECT_EQ(txt.find("shear ratio"), std::string::npos);
}

// A bar 300 in long, A = 1 in^2, r = 1 in, E = 29000, Fy = 36, pushed by
// 20 kips: s = 300 > Cc = 126.10, so Fa = 12*pi^2*29000/(23*300^2) = 1.659
// ksi and Ca = 1.659 kips (Euler alone gives pi^2*E*I/L^2 = 3.18): it fails,
// and the run exits 2. A radius of gyration of 0 gives no allowable at all:
// the bar fails with the limit 0 and the ratio 0.
TEST(Truss2dOneMemberInCompression, SlenderBarAndZeroRadiusFail)
{
    for (const char* radii : {"1,1", "0,1"}) {
        SCOPED_TRACE(radii);
        ProgramDir dir;
        dir.write("planetr.in", std::string("1,2,3,2\n0,0\n300,0\n1,2,1,29000,36,") + radii +
                                    "\n1\n1,1\n2\n0,1\n1,0\n2\n-20,0\n0\n");
        RunResult r = dir.run(TRUSS2D);
        ASSERT_EQ(r.status, 2) << r.console;
        EXPECT_EQ(r.console, "successfully completed\n");
        std::string htm = dir.read("planetr.htm"), txt = dir.read("planetr.txt");
        EXPECT_NE(htm.find("<TD>\n  20.000" + fail + " compression</TD>\n"), std::string::npos);
        EXPECT_NE(htm.find("<TD>\n -20.000" + fail + " compressive</TD>\n"), std::string::npos);
        bool zero = radii[0] == '0';
        EXPECT_NE(htm.find(std::string("<TD>\nlimit</TD>\n<TD>\n") + (zero ? "   0.000" : "   1.659") + "</TD>\n"),
                  std::string::npos);
        EXPECT_NE(txt.find(zero ? "min compressive ratio =\t      0.0\t member =    1\n"
                                : "min compressive ratio =\t      0.1\t member =    1\n"),
                  std::string::npos);
    }
}

// ---------------------------------------------------------------------------
// A statically determinate triangle: joint 1 (0, 0) pinned, joint 2 (288, 0)
// on a roller, apex joint 3 (144, 108); members 1-2, 1-3, 2-3 (3-4-5
// triangles, the sloping members 180 inches long, cosines 0.8 and 0.6).
// Apex load 6 kips in x and 12 kips down.
//
// Statics: moments about joint 1: R2y*288 = 12*144 + 6*108, R2y = 8.25;
// R1y = 12 - 8.25 = 3.75; R1x = -6.
// Method of joints at joint 3 (tension positive):
//   x: -0.8*N13 + 0.8*N23 + 6 = 0,  y: -0.6*N13 - 0.6*N23 - 12 = 0,
//   so N13 = -6.25 and N23 = -13.75 (both compression);
// at joint 2, x: -N12 - 0.8*N23 = 0, so N12 = 11 (tension).
const char* const triangle_head =
    "3,3,3,2\n"
    "0,0\n"
    "288,0\n"
    "144,108\n"
    "1,2,0,0,0,0,0\n"
    "1,3,0,0,0,0,0\n"
    "2,3,0,0,0,0,0\n"
    "1\n1,1\n"
    "2\n0,1\n"
    "1,0\n"
    "3\n6,-12\n";

TEST(Truss2dDeterminateTriangle, BarForcesMatchTheMethodOfJointsAndReactionsBalanceTheLoads)
{
    ProgramDir dir;
    dir.write("planetr.in", std::string(triangle_head) + "0\n");
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 2) << r.console; // both struts buckle, below
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(bar_force(csv, 3, 1), 11.0, 1e-4);
    EXPECT_NEAR(bar_force(csv, 3, 2), -6.25, 1e-4);
    EXPECT_NEAR(bar_force(csv, 3, 3), -13.75, 1e-4);
    // Start force x is the bar force reversed, and no shear in a truss bar.
    for (int i = 1; i <= 3; ++i) {
        EXPECT_NEAR(qmtest::csv_value(csv, member_line(3, i), 1), -bar_force(csv, 3, i), 1e-6);
        EXPECT_EQ(qmtest::csv_value(csv, member_line(3, i), 2), 0.0);
        EXPECT_EQ(qmtest::csv_value(csv, member_line(3, i), 4), 0.0);
    }
    double r1x = qmtest::csv_value(csv, 1, 3), r1y = qmtest::csv_value(csv, 1, 4);
    double r2x = qmtest::csv_value(csv, 2, 3), r2y = qmtest::csv_value(csv, 2, 4);
    EXPECT_NEAR(r1x, -6.0, 1e-4);
    EXPECT_NEAR(r1y, 3.75, 1e-4);
    EXPECT_EQ(r2x, 0.0); // not restrained: no reaction
    EXPECT_NEAR(r2y, 8.25, 1e-4);
    EXPECT_NEAR(r1x + r2x + 6, 0.0, 1e-4);
    EXPECT_NEAR(r1y + r2y - 12, 0.0, 1e-4);
    // The free apex and the roller move, the pin does not.
    EXPECT_EQ(qmtest::csv_value(csv, 1, 1), 0.0);
    EXPECT_EQ(qmtest::csv_value(csv, 1, 2), 0.0);
    EXPECT_EQ(qmtest::csv_value(csv, 2, 2), 0.0);
    EXPECT_GT(qmtest::csv_value(csv, 2, 1), 0.0); // the tie stretches
    // Ratios: tension 63.504/11 = 5.8 (member 1); compression Ca(L = 180) =
    // 2.94*Fa(rx = 0.643, s = 279.9) = 2.94*12*pi^2*E/(23*s^2) = 5.602,
    // against 13.75 gives 0.4 (member 3).
    std::string txt = dir.read("planetr.txt");
    EXPECT_NE(txt.find("\n3,3,3,3,2\n\n\nmin compressive ratio =\t      0.4\t member =    3\n"
                       "min tensile ratio =\t      5.8\t member =    1\n\n"),
              std::string::npos);
}

// Member 3 as a dummy member: analysed and reported as before, but it no
// longer sets the compressive minimum; member 2 does (5.602/6.25 = 0.9), and
// its failure keeps the exit status 2.
TEST(Truss2dDeterminateTriangle, DummyMemberIsReportedButSetsNoMinimum)
{
    ProgramDir dir;
    dir.write("planetr.in", std::string(triangle_head) + "1\n3\n");
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 2) << r.console;
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(bar_force(csv, 3, 3), -13.75, 1e-4);
    EXPECT_EQ(csv.substr(csv.size() - 5), "1\n3\n\n");
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find("<TR>\n\n<TD>\n  3</TD>\n<TD>\n  13.750" + fail + " compression</TD>\n"), std::string::npos);
    std::string txt = dir.read("planetr.txt");
    EXPECT_NE(txt.find("\n3,3,3,3,2\n\ndummy member - 3\n\nmin compressive ratio =\t      0.9\t member =    2\n"
                       "min tensile ratio =\t      5.8\t member =    1\n\n"),
              std::string::npos);
}

// ---------------------------------------------------------------------------
// Member loads.

// A fixed-end force of 5 kips in member y at the start of a horizontal member
// (xcl 1, ycl 0) loads its start joint with -5 in y; that joint is pinned, so
// its support takes +5. No joint moves; the end action keeps start force y 5,
// a shear checked against Va = 58.212 (ratio 11.6).
TEST(Truss2dMemberLoads, TransverseStartForceGoesToTheStartJoint)
{
    ProgramDir dir;
    dir.write("planetr.in", one_member("0,0", "1\n0,5,0,0\n0\n", "1,1\n"));
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    std::string csv = dir.read("planetr.csv");
    EXPECT_EQ(qmtest::csv_value(csv, 1, 4), 5.0);
    EXPECT_EQ(qmtest::csv_value(csv, 2, 4), 0.0);
    EXPECT_EQ(qmtest::csv_value(csv, 2, 1), 0.0);
    EXPECT_EQ(qmtest::line_of(csv, "1,0.000000,5"), "1,0.000000,5.000000,0.000000,0.000000"); // member 1
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find(heading("Member Loads") + table_open +
                       "<TR>\n<TD>\nmember</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> "
                       "(kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n</TD>\n</TR>\n"
                       "<TR>\n<TD>\n1</TD><TD>   0.000</TD><TD>   5.000</TD><TD>   0.000</TD><TD>   0.000\n</TD>\n"
                       "</TR>\n</TABLE>\n"),
              std::string::npos);
    // The transverse force is shown, not checked, and the member's span is
    // named as checked at its ends only.
    EXPECT_NE(htm.find("<TD>\n   5.000 shear</TD>\n"), std::string::npos);
    EXPECT_EQ(dir.read("planetr.txt").find("min shear ratio"), std::string::npos);
    const std::string spans = "Checked at their ends only, not along their spans: member 1, which carries a member "
                              "load; quillmark checks along the span";
    EXPECT_TRUE(dir.read("planetr.txt").ends_with("\n\n\n\n" + spans + "\n"));
    EXPECT_NE(htm.find("<BR>" + spans + "<BR>\n"), std::string::npos);
}

// An axial member load (fixed-end forces 4 at the start, 6 at the end, that
// is 10 kips along the member towards joint 1) balanced by a 10 kip pull at
// joint 2: the support force is 0, joint 2 moves by the net 4 kips it takes
// through the member, u = 4*120/(29000*2.94), and the bar carries 0 at the
// start and 10 in tension at the end.
TEST(Truss2dMemberLoads, AxialMemberLoadCombinesWithTheJointLoad)
{
    ProgramDir dir;
    dir.write("planetr.in", one_member("10,0", "1\n4,0,6,0\n0\n", "1,1\n"));
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(qmtest::csv_value(csv, 1, 3), 0.0, 1e-5);
    EXPECT_NEAR(qmtest::csv_value(csv, 2, 1), 4.0 * 120 / (29000 * 2.94), 1e-6);
    EXPECT_NEAR(qmtest::csv_value(csv, 3, 1), 0.0, 1e-5);
    EXPECT_NEAR(qmtest::csv_value(csv, 3, 3), 10.0, 1e-5);
}

// ---------------------------------------------------------------------------
// A truss member has no web to check in shear: transverse forces as large
// as 0.55 A Fy (22 for A 1, Fy 40), which the gross-area shear check of
// old failed, get no mark and fail nothing.
TEST(Truss2dMemberChecks, TransverseForcesAreNotChecked)
{
    ProgramDir dir;
    dir.write("planetr.in", "1,2,3,2\n0,0\n120,0\n1,2,1,29000,40,1,1\n1\n1,1\n2\n0,1\n0,1\n1\n0,22,0,21.99\n0\n");
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find("<TD>\n  22.000 shear</TD>\n"), std::string::npos);
    EXPECT_NE(htm.find("<TD>\n  21.990 shear</TD>\n"), std::string::npos);
    EXPECT_EQ(dir.read("planetr.txt").find("min shear ratio"), std::string::npos);
}

// A later load record for the same joint replaces the earlier one.
TEST(Truss2dMemberChecks, LaterJointLoadRecordReplacesTheEarlier)
{
    ProgramDir dir;
    dir.write("planetr.in", one_member("3,7\n2\n10,0", "0\n", "2,0\n"));
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    EXPECT_NE(dir.read("planetr.htm").find("<TR>\n<TD>\n   2</TD><TD>  10.000</TD><TD>   0.000\n"), std::string::npos);
    EXPECT_NEAR(qmtest::csv_value(dir.read("planetr.csv"), 1, 3), -10.0, 1e-5);
}

// ---------------------------------------------------------------------------
// Error stops: one console line (or the program's own lines), the report
// closed by the footer, exit status 1, no CSV and no summary.

void expect_stopped(const ProgramDir& dir, const RunResult& r)
{
    EXPECT_EQ(r.status, 1);
    std::string htm = dir.read("planetr.htm");
    ASSERT_GE(htm.size(), footer.size());
    EXPECT_EQ(htm.substr(htm.size() - footer.size()), footer);
    EXPECT_FALSE(dir.exists("planetr.csv"));
    EXPECT_FALSE(dir.exists("planetr.txt"));
    EXPECT_EQ(r.errors, "");
}

// A square panel without a diagonal on two pins: the top chord can sway.
// Joint 3 x (equation 1) still has stiffness; once it is eliminated joint 4 x
// (equation 3) has none left, since the top chord only ties 3 and 4 together.
TEST(Truss2dInstability, PanelWithoutDiagonalIsAMechanism)
{
    ProgramDir dir;
    dir.write("planetr.in", "4,4,4,2\n0,0\n120,0\n120,120\n0,120\n"
                            "1,2,0,0,0,0,0\n2,3,0,0,0,0,0\n3,4,0,0,0,0,0\n4,1,0,0,0,0,0\n"
                            "1\n1,1\n2\n1,1\n1,0\n4\n1,0\n0\n");
    RunResult r = dir.run(TRUSS2D);
    expect_stopped(dir, r);
    EXPECT_NE(r.console.find("translation x of joint 4"), std::string::npos) << r.console;
    EXPECT_EQ(qmtest::count_of(r.console, "\n"), 1);
    EXPECT_NE(dir.read("planetr.htm").find("\nERROR\t"), std::string::npos);
    EXPECT_EQ(dir.read("planetr.htm").find("Joint Loads"), std::string::npos); // stopped before the loads
}

// Adding the diagonal 1-3 makes the same panel stable. Method of joints
// (tension positive, a bar pulls its joint towards its other end):
// joint 4, x: N34 + 1 = 0, so N34 = -1; y: -N41 = 0.
// joint 3, x: -N34 - N13/sqrt(2) = 0, so N13 = sqrt(2); y: -N23 - N13/sqrt(2) = 0, so N23 = -1.
TEST(Truss2dInstability, PanelWithDiagonalIsStable)
{
    ProgramDir dir;
    dir.write("planetr.in", "5,4,4,2\n0,0\n120,0\n120,120\n0,120\n"
                            "1,2,0,0,0,0,0\n2,3,0,0,0,0,0\n3,4,0,0,0,0,0\n4,1,0,0,0,0,0\n1,3,0,0,0,0,0\n"
                            "1\n1,1\n2\n1,1\n1,0\n4\n1,0\n0\n");
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    std::string csv = dir.read("planetr.csv");
    EXPECT_NEAR(bar_force(csv, 4, 3), -1.0, 1e-4);
    EXPECT_NEAR(bar_force(csv, 4, 4), 0.0, 1e-4);
    EXPECT_NEAR(bar_force(csv, 4, 5), std::sqrt(2.0), 1e-4);
    EXPECT_NEAR(bar_force(csv, 4, 2), -1.0, 1e-4);
}

// A cantilever truss of N square panels (120 in), pinned at the wall, 10
// kips down at the tip: stable, but its stiffness equations are so
// ill-conditioned that single precision alone misses equilibrium. Joints
// 2i+1 (bottom) and 2i+2 (top) stand at x = 120 i.
std::string cantilever_truss(int N)
{
    std::string text = std::to_string(4 * N) + "," + std::to_string(2 * N + 2) + ",4,2\n";
    for (int i = 0; i <= N; ++i)
        text += std::to_string(120 * i) + ",0\n" + std::to_string(120 * i) + ",120\n";
    for (int i = 0; i < N; ++i) {
        int b0 = 2 * i + 1, t0 = b0 + 1, b1 = b0 + 2, t1 = b0 + 3;
        for (auto [a, b] : {std::pair{b0, b1}, {t0, t1}, {b1, t1}, {t0, b1}})
            text += std::to_string(a) + "," + std::to_string(b) + ",10,29000,36,2,2\n";
    }
    return text + "1\n1,1\n2\n1,1\n1,0\n" + std::to_string(2 * N + 1) + "\n0,-10\n0\n";
}

// The free displacements of that truss in double precision: stiffness
// E*A/L of every bar assembled and solved by Gaussian elimination with
// partial pivoting. Unknowns: x and y of joints 3 .. 2N+2.
std::vector<double> cantilever_truss_in_double(int N)
{
    int joints = 2 * N + 2, n = 2 * joints - 4;
    std::vector<std::vector<double>> K(n, std::vector<double>(n + 1, 0.0));
    auto x = [](int j) { return 120.0 * ((j - 1) / 2); };
    auto y = [](int j) { return (j - 1) % 2 == 0 ? 0.0 : 120.0; };
    for (int i = 0; i < N; ++i) {
        int b0 = 2 * i + 1, t0 = b0 + 1, b1 = b0 + 2, t1 = b0 + 3;
        for (auto [a, b] : {std::pair{b0, b1}, {t0, t1}, {b1, t1}, {t0, b1}}) {
            double dx = x(b) - x(a), dy = y(b) - y(a), L = std::hypot(dx, dy);
            double c[2] = {dx / L, dy / L}, k = 29000.0 * 10 / L;
            int dof[4] = {2 * a - 6, 2 * a - 5, 2 * b - 6, 2 * b - 5}; // negative at the wall
            for (int r = 0; r < 4; ++r)
                for (int q = 0; q < 4; ++q)
                    if (dof[r] >= 0 && dof[q] >= 0)
                        K[dof[r]][dof[q]] += ((r < 2) == (q < 2) ? k : -k) * c[r % 2] * c[q % 2];
        }
    }
    K[2 * (2 * N + 1) - 5][n] = -10.0;
    for (int col = 0; col < n; ++col) {
        int p = col;
        for (int r = col + 1; r < n; ++r)
            if (std::fabs(K[r][col]) > std::fabs(K[p][col]))
                p = r;
        std::swap(K[col], K[p]);
        for (int r = col + 1; r < n; ++r) {
            double f = K[r][col] / K[col][col];
            for (int q = col; q <= n; ++q)
                K[r][q] -= f * K[col][q];
        }
    }
    std::vector<double> d(n);
    for (int r = n - 1; r >= 0; --r) {
        double sum = K[r][n];
        for (int q = r + 1; q < n; ++q)
            sum -= K[r][q] * d[q];
        d[r] = sum / K[r][r];
    }
    return d;
}

// Refined in double precision, the displacements agree with the double
// solution to 1e-5 of the largest; the console says that they were refined,
// and calls the equations ill-conditioned where single precision alone was
// off by more than 1 % (60 panels: 3 %; 40 panels: 0.6 %).
// Its slender default-section bars fail in compression (status 2).
TEST(Truss2dInstability, IllConditionedCantileverTrussIsRefinedNotRefused)
{
    for (int N : {40, 60}) {
        SCOPED_TRACE(std::to_string(N) + " panels");
        ProgramDir dir;
        dir.write("planetr.in", cantilever_truss(N));
        RunResult r = dir.run(TRUSS2D);
        ASSERT_EQ(r.status, 2) << r.console;
        EXPECT_TRUE(r.console.starts_with(N == 60 ? "ill-conditioned equations: the single-precision solution, off by "
                                                  : "the single-precision solution was refined in "))
            << r.console;
        std::vector<double> d = cantilever_truss_in_double(N);
        double largest = 0, worst = 0;
        std::string csv = dir.read("planetr.csv");
        for (int j = 3; j <= 2 * N + 2; ++j)
            for (int k = 0; k < 2; ++k) {
                double exact = d[2 * j - 6 + k];
                largest = std::max(largest, std::fabs(exact));
                worst = std::max(worst, std::fabs(qmtest::csv_value(csv, j, 1 + k) - exact));
            }
        EXPECT_LT(worst, 1e-5 * largest) << "largest displacement " << largest;
    }
}

// Joint 3 belongs to no member: equations 2 and 3 (its x and y) have no
// stiffness at all; both are listed.
TEST(Truss2dInstability, JointWithoutMembersStopsWithTheZeroDiagonalLines)
{
    ProgramDir dir;
    dir.write("planetr.in", "1,3,3,2\n0,0\n120,0\n240,0\n1,2,0,0,0,0,0\n1\n1,1\n2\n0,1\n1,0\n2\n10,0\n0\n");
    RunResult r = dir.run(TRUSS2D);
    expect_stopped(dir, r);
    EXPECT_EQ(r.console, "\nERROR\t0 on primary diagonal\n");
    EXPECT_EQ(tail_from(dir.read("planetr.htm"), "</TABLE>\n\nERROR"),
              "</TABLE>\n\nERROR\t0 on primary diagonal\nand entire array columns.\nStructure is indeterminante\n"
              "2\n3\n" + footer);
}

// Member 2 joins joint 2 to joint 3 at the same place.
TEST(Truss2dErrorStops, ZeroLengthMemberStopsBeforeTheMemberEcho)
{
    ProgramDir dir;
    dir.write("planetr.in", "2,3,3,2\n0,0\n120,0\n120,0\n1,2,0,0,0,0,0\n2,3,0,0,0,0,0\n1\n1,1\n2\n0,1\n1,0\n2\n10,0\n0\n");
    RunResult r = dir.run(TRUSS2D);
    expect_stopped(dir, r);
    EXPECT_EQ(r.console, "\nERROR - divide by 0\none length was 0\n");
    std::string htm = dir.read("planetr.htm");
    EXPECT_EQ(tail_from(htm, "<TR>\n<TD>\n 3</TD>"),
              "<TR>\n<TD>\n 3</TD><TD>  10.000</TD><TD>   0.000</TD>\n</TR>\n</TABLE>\n"
              "\nERROR\tdivide by 0\ni = 2\njk[i] = 3.000000    jj[i] = 2.000000\nxcl = 0.000000  ycl = 0.000000\n\n" +
                  footer);
    EXPECT_EQ(htm.find("Member Properties"), std::string::npos);
}

struct Hostile {
    const char* name;
    std::string input;
    const char* console;
};

void PrintTo(const Hostile& h, std::ostream* os) { *os << h.name; }

class Truss2dHostileInput : public ::testing::TestWithParam<Hostile> {};

TEST_P(Truss2dHostileInput, StopsWithFileLineAndRecord)
{
    ProgramDir dir;
    dir.write("planetr.in", GetParam().input);
    RunResult r = dir.run(TRUSS2D);
    expect_stopped(dir, r);
    EXPECT_EQ(r.console, std::string(GetParam().console) + "\n");
    EXPECT_NE(dir.read("planetr.htm").find(std::string("\nERROR\t") + GetParam().console + "\n" + footer),
              std::string::npos);
}

const std::string head = "1,2,3,2\n0,0\n120,0\n1,2,0,0,0,0,0\n";
const std::string restraints = "1\n1,1\n2\n0,1\n";

INSTANTIATE_TEST_SUITE_P(
    Truss2d, Truss2dHostileInput,
    ::testing::Values(
        Hostile{"Garbage", "hello world\n",
                "planetr.in:1: structure counts: expected 4 comma-separated numbers, found \"hello\" as field 1, "
                "not a whole number"},
        Hostile{"Empty", "",
                "planetr.in:1: structure counts: expected 4 comma-separated numbers, found end of file at field 1"},
        Hostile{"TooManyMembers", "701,2,3,2\n",
                "planetr.in:1: structure counts: number of members (m) 701 is outside 0..700"},
        Hostile{"TooManyJoints", "1,201,3,2\n",
                "planetr.in:1: structure counts: number of joints (nj) 201 is outside 0..200"},
        Hostile{"TooManyRestraints", "1,2,401,2\n",
                "planetr.in:1: structure counts: number of support restraints (nr) 401 is outside 0..400"},
        Hostile{"NegativeRestrainedJoints", "1,2,3,-1\n",
                "planetr.in:1: structure counts: number of restrained joints (nrj) -1 is outside 0..200"},
        Hostile{"HugeCount", "1,2,3,99999999999\n",
                "planetr.in:1: structure counts: expected 4 comma-separated numbers, found \"99999999999\" as field "
                "4, out of range"},
        Hostile{"NotANumberCoordinate", "1,2,3,2\n0,0\nnan,0\n",
                "planetr.in:3: joint 2: expected 2 comma-separated numbers, found \"nan\" as field 1, not a finite "
                "number"},
        Hostile{"MissingComma", "1,2,3,2\n0 0\n",
                "planetr.in:2: joint 1: expected 2 comma-separated numbers, found no comma after field 1"},
        Hostile{"TrailingLetters", "1,2,3,2\n0,0\n120,0\n1,2,0,0,0,0,0x\n",
                "planetr.in:4: member 1: expected 7 comma-separated numbers, found \"0x\" as field 7, not a number"},
        Hostile{"MemberJointOutOfRange", "1,2,3,2\n0,0\n120,0\n1,3,0,0,0,0,0\n",
                "planetr.in:4: member 1: end joint 3 is outside 1..2"},
        Hostile{"TruncatedAfterMembers", head,
                "planetr.in:5: restraint 1: expected a number, found end of file at field 1"},
        Hostile{"RestraintJointOutOfRange", head + "3\n1,1\n",
                "planetr.in:5: restraint 1: joint 3 is outside 1..2"},
        Hostile{"RestraintFlagTwo", head + "1\n1,1\n2\n0,2\n", "planetr.in:8: restraint 2: flag 2 is outside 0..1"},
        Hostile{"RestraintCountDisagrees", "1,2,2,2\n0,0\n120,0\n1,2,0,0,0,0,0\n" + restraints,
                "planetr.in:8: restraints: number of support restraints (nr) is 2 but 3 restraint flags are set"},
        Hostile{"TruncatedJointLoad", head + restraints + "1,0\n2\n10\n",
                "planetr.in:11: joint load 1: expected 2 comma-separated numbers, found no comma after field 1"},
        Hostile{"JointLoadOutOfRange", head + restraints + "1,0\n0\n10,0\n0\n",
                "planetr.in:10: joint load 1: joint 0 is outside 1..2"},
        Hostile{"MemberLoadOutOfRange", head + restraints + "0,1\n2\n0,0,0,0\n0\n",
                "planetr.in:10: member load 1: member 2 is outside 1..1"},
        Hostile{"TooManyDummies", head + restraints + "0,0\n701\n",
                "planetr.in:10: dummy members: number of dummy members 701 is above 700"},
        Hostile{"DummyOutOfRange", head + restraints + "0,0\n1\n5\n",
                "planetr.in:11: dummy member 1: member 5 is outside 1..1"},
        Hostile{"MissingDummyCount", head + restraints + "0,0\n",
                "planetr.in:10: dummy members: expected a number, found end of file at field 1"}),
    [](const ::testing::TestParamInfo<Hostile>& p) { return std::string(p.param.name); });

// A load or dummy count of zero or below means no records of that kind: the
// file may end right after them. The counts are echoed as read.
TEST(Truss2dCountsOfNone, NegativeLoadAndDummyCountsMeanNone)
{
    ProgramDir dir;
    dir.write("planetr.in", head + restraints + "-1,-3\n-2\n");
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    std::string htm = dir.read("planetr.htm");
    EXPECT_NE(htm.find("Number of loaded joints</TD><TD>-1\n"), std::string::npos);
    EXPECT_NE(htm.find("Number of loaded members</TD><TD>-3\n"), std::string::npos);
    EXPECT_EQ(qmtest::line_of(dir.read("planetr.txt"), "dummy"), "");
    std::string csv = dir.read("planetr.csv");
    EXPECT_EQ(csv.substr(csv.size() - 4), "-2\n\n");
}

// ---------------------------------------------------------------------------
// The shipped example: a six-panel Pratt truss, 240 in panels and depth,
// pin at joint 1, roller at joint 7, 10 kips down at joints 2 to 6. Method of
// joints (see examples/planetr/README.md): reactions 25 and 25; end post 1-8
// -25*sqrt(2); bottom chord 1-2 25, 3-4 40; top chord 8-9 -40, 9-10 -45;
// vertical 2-8 10, 3-9 -5, 4-10 0; diagonal 8-3 15*sqrt(2), 9-4 5*sqrt(2).
TEST(Truss2dPrattExample, BarForcesAndReactionsMatchStatics)
{
    ProgramDir dir;
    std::string input = qmtest::example_input("planetr");
    ASSERT_FALSE(input.empty());
    dir.write("planetr.in", input);
    RunResult r = dir.run(TRUSS2D);
    ASSERT_EQ(r.status, 0) << r.console;
    EXPECT_EQ(r.console, "successfully completed\n");
    std::string csv = dir.read("planetr.csv");
    const int nj = 12;
    const double tol = 1e-3, root2 = std::sqrt(2.0);
    EXPECT_NEAR(bar_force(csv, nj, 1), 25.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 3), 40.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 4), 40.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 6), 25.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 7), -40.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 8), -45.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 11), -25.0 * root2, tol);
    EXPECT_NEAR(bar_force(csv, nj, 12), -25.0 * root2, tol);
    EXPECT_NEAR(bar_force(csv, nj, 13), 10.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 14), -5.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 15), 0.0, tol);
    EXPECT_NEAR(bar_force(csv, nj, 18), 15.0 * root2, tol);
    EXPECT_NEAR(bar_force(csv, nj, 19), 5.0 * root2, tol);
    EXPECT_NEAR(bar_force(csv, nj, 21), 15.0 * root2, tol);
    double sum_x = 0, sum_y = 0;
    for (int j = 1; j <= nj; ++j) {
        sum_x += qmtest::csv_value(csv, j, 3);
        sum_y += qmtest::csv_value(csv, j, 4);
    }
    EXPECT_NEAR(qmtest::csv_value(csv, 1, 4), 25.0, tol);
    EXPECT_NEAR(qmtest::csv_value(csv, 7, 4), 25.0, tol);
    EXPECT_NEAR(sum_x, 0.0, tol);
    EXPECT_NEAR(sum_y, 50.0, tol); // balances the five 10 kip loads
    // Symmetry: midspan joints 4 and 10 deflect alike (vertical 4-10 is unloaded).
    EXPECT_NEAR(qmtest::csv_value(csv, 4, 2), qmtest::csv_value(csv, 10, 2), 1e-4);
    EXPECT_LT(qmtest::csv_value(csv, 4, 2), 0.0);
}

} // namespace
