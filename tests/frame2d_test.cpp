// frame2d end to end: structures with closed-form answers, equilibrium of
// reactions against loads, the member check marks and labels, the error stops
// and hostile input files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "harness.h"
#include "checks/member_check.h"

using qmtest::csv_value;
using qmtest::ProgramDir;

namespace {

using qmtest::fail_mark;
using qmtest::pass_mark;

// A run of frame2d on an input text.
struct Frame2dRun : qmtest::Analysis {
    explicit Frame2dRun(const std::string& input) : Analysis(qmtest::analyse(FRAME2D, "planefr", input)) {}
};

bool ends_with(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// CSV layout: line 0 counts, lines 1..nj joints (j, dx, dy, rz, Rx, Ry, Mz),
// then two lines per member (i and six end actions; six limits).
double joint_value(const std::string& csv, int j, int field) { return csv_value(csv, j, field); }
double end_action(const std::string& csv, int nj, int i, int k) { return csv_value(csv, nj + 2 * i - 1, k); }
double limit_of(const std::string& csv, int nj, int i, int k) { return csv_value(csv, nj + 2 * i, k); }

// Common section: A = 10 in^2, Iz = 100 in^4, E = 29000 ksi, Fy = 36 ksi,
// rx = ry = 2 in, Sz = 100 in^3 (so the allowable moment 0.66*100*36 = 2376),
// web area Awy = 13.75 in^2 (so the allowable shear 0.40*13.75*36 = 198).
const char* const section = "10,100,29000,36,2,2,100,13.75";

// ---------------------------------------------------------------------------
// Cantilever: joint 1 at the origin fully fixed, joint 2 at x = 120 in free,
// P = -1 kip in y at joint 2. Its member record gives a web area but no
// section modulus (written as 0 before it), so its moments are not checked,
// nor its axial force and bending together.

const char* const cantilever_input =
    "1,2,3,1\n"
    "0,0\n"
    "120,0\n"
    "1,2,10,100,29000,36,2,2,0,13.75\n"
    "1\n"
    "1,1,1\n"
    "1,0\n"
    "2\n"
    "0,-1,0\n"
    "0\n";

struct Frame2dCantilever : ::testing::Test {
    Frame2dRun run{cantilever_input};
};

TEST_F(Frame2dCantilever, RunsToCompletion)
{
    EXPECT_EQ(run.result.status, 0);
    EXPECT_EQ(run.result.console, "successfully completed\n");
    EXPECT_EQ(run.result.errors, "");
}

// Tip deflection P*L^3/(3EI) = -1*120^3/(3*29000*100) = -0.198621 in;
// tip rotation P*L^2/(2EI) = -0.00248276 rad = -0.14225 degrees
// (x 360/(2*3.14159)).
TEST_F(Frame2dCantilever, TipDeflectionAndRotationMatchBeamTheory)
{
    EXPECT_NEAR(joint_value(run.csv, 2, 2), -120.0 * 120 * 120 / (3 * 29000.0 * 100), 2e-6);
    EXPECT_NEAR(joint_value(run.csv, 2, 3), -120.0 * 120 / (2 * 29000.0 * 100), 1e-6); // radians in the CSV
    EXPECT_TRUE(run.has("<TR>\n<TD>\n  2</TD><TD>   0.000 (inch)</TD><TD>  -0.199 (inch)</TD><TD>  -0.142 (degrees)"
                        "</TD><TD>   0.000 (kips)</TD><TD>   0.000 (kips)</TD><TD>   0.000 (inch-kips)\n</TD>\n</TR>\n"));
}

// The support takes the load back: force y +P = 1 kip, moment P*L = 120.
TEST_F(Frame2dCantilever, ReactionsBalanceTheLoad)
{
    EXPECT_NEAR(joint_value(run.csv, 1, 4), 0.0, 1e-6);
    EXPECT_NEAR(joint_value(run.csv, 1, 5), 1.0, 1e-5);
    EXPECT_NEAR(joint_value(run.csv, 1, 6), 120.0, 1e-3);
    EXPECT_TRUE(run.has("  1</TD><TD>   0.000 (inch)</TD><TD>   0.000 (inch)</TD><TD>   0.000 (degrees)</TD><TD>"));
    EXPECT_TRUE(run.has("</TD><TD>   1.000 (kips)</TD><TD> 120.000 (inch-kips)\n"));
}

// Member end actions: start shear +1, start moment +120, end shear -1, end
// moment 0, no axial force.
TEST_F(Frame2dCantilever, EndActionsAreTheStaticsOfTheCantilever)
{
    const double expected[7] = {0, 0.0, 1.0, 120.0, 0.0, -1.0, 0.0};
    for (int k = 1; k <= 6; ++k)
        EXPECT_NEAR(end_action(run.csv, 2, 1, k), expected[k], 1e-3) << "end action " << k;
}

// Allowables: T = 10*36*0.6 = 216, V = 0.40*13.75*36 = 198, no moment (limit
// 0); compression with K = 1.2: s = 1.2*120/2 = 72 below Cc =
// sqrt(2*3.14159^2*29000/36) = 126.10, FS = 5/3 + 3*72/(8*Cc) - 72^3/(8*Cc^3)
// = 1.85752, Fa = (1 - 72^2/(2*Cc^2))*36/FS = 16.2215, C = 10*Fa = 162.215.
TEST_F(Frame2dCantilever, LimitRowHoldsTheAllowablesOfEachPosition)
{
    EXPECT_TRUE(run.has("</TR><TR>\n\n<TD>\nlimit</TD>\n<TD>\n      162.22</TD>\n<TD>\n      198.00</TD>\n<TD>\n"
                        "        0.00</TD>\n<TD>\n      162.22</TD>\n<TD>\n      198.00</TD>\n<TD>\n        0.00</TD>\n"
                        "</TR>\n\n"));
    EXPECT_NEAR(limit_of(run.csv, 2, 1, 1), 162.215, 0.0005);
    EXPECT_NEAR(limit_of(run.csv, 2, 1, 2), 198.0, 1e-4);
    EXPECT_EQ(limit_of(run.csv, 2, 1, 3), 0.0);
}

// Without a section modulus the moment cells carry their label and no mark.
TEST_F(Frame2dCantilever, CheckRowHasMarksAndLabelsWithoutLineBreaks)
{
    EXPECT_TRUE(run.has("</TD>\n</TR>\n<TD>  1</TD><TD>\n   0.000" + pass_mark + " compressive</TD>\n<TD>\n   1.000" +
                        pass_mark + " shear</TD>\n<TD>\n 120.000 moment</TD>\n"));
    EXPECT_EQ(run.htm.find("<BR> "), std::string::npos);
    // No bending check, so no combined row either.
    EXPECT_EQ(run.htm.find("combined</TD>"), std::string::npos);
}

TEST_F(Frame2dCantilever, ReportEchoesTheInput)
{
    const std::string& h = run.htm;
    EXPECT_EQ(h.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n", 0), 0u);
    EXPECT_TRUE(run.has("Plane Frame analysis      rev 0.12\n<BR><br>\n"));
    EXPECT_TRUE(run.has("Global structure parameters</TD><TD>number of members (m)</TD><TD>1\n</TD>\n<TR>\n<TD>\n"
                        "&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>3\n</TD>\n</TR>\n"));
    // 120 in = 10 ft.
    EXPECT_TRUE(run.has("joint</TD><TD>x (feet)</TD><TD>y (feet)\n<TR>\n<TD>\n 1</TD><TD>   0.000</TD><TD>   0.000"
                        "</TD>\n</TR>\n<TR>\n<TD>\n 2</TD><TD>  10.000</TD><TD>   0.000</TD>\n</TR>\n</TABLE>\n"));
    EXPECT_TRUE(run.has("<TR>\n<TD>\n 1</TD><TD> 1</TD><TD> 2</TD><TD>  10.000</TD><TD>  10.000</TD><TD>29000.000"
                        "</TD><TD>  36.000</TD><TD>   2.000</TD><TD>   2.000</TD><TD>  13.750</TD>\n"
                        "</TR>\n</TABLE>\n"));
    // Every joint gets a restraint row, free ones included.
    EXPECT_TRUE(run.has("joint</TD><TD>shear<sub>x</sub></TD><TD>shear<sub>y</sub></TD><TD>moment<sub>z</sub>\n"
                        "</TD>\n</TR>\n<TR>\n<TD>\n1</TD><TD>\nrestrained</TD><TD>\nrestrained</TD><TD>\nrestrained"
                        "</TD></TR>\n<TR>\n<TD>\n2</TD><TD>\nunrestrained</TD><TD>\nunrestrained</TD><TD>\n"
                        "unrestrained</TD></TR>\n</TABLE>\n"));
    EXPECT_TRUE(run.has("<TR>\n<TD>\n   1</TD><TD>   0.000</TD><TD>\n   0.000</TD><TD>   0.000\n</TD>\n</TR>\n"
                        "<TR>\n<TD>\n   2</TD><TD>   0.000</TD><TD>\n  -1.000</TD><TD>   0.000\n</TD>\n</TR>\n"));
    EXPECT_TRUE(run.has("Member Loads</FONT></B><FONT SIZE=\"5\" COLOR=\"navy\" FACE=\"Times New Roman\"><BR>\n\n"
                        "<BR>No loaded members<BR>\n"));
}

// A successful report ends with the table end, two line feeds and the notes
// on bending not checked, alone and with the axial force; no closing tags.
TEST_F(Frame2dCantilever, ReportEndsAfterTheMemberTable)
{
    EXPECT_TRUE(ends_with(run.htm, "        0.00</TD>\n</TR>\n\n</TABLE>\n\n\n<BR>Bending not checked where the "
                                   "member record gives no section modulus<BR>\n<BR>Axial force and bending not "
                                   "checked together where the member record gives no section modulus<BR>\n"));
    EXPECT_EQ(run.htm.find("</BODY></HTML>"), std::string::npos);
}

// Rotations stay in radians in the CSV; it ends with the dummy count and a
// blank line.
TEST_F(Frame2dCantilever, CsvLayout)
{
    EXPECT_EQ(qmtest::line_of(run.csv, "1,2,3,1"), "1,2,3,1");
    EXPECT_TRUE(ends_with(run.csv, "\n0\n\n"));
    EXPECT_EQ(qmtest::line_of(run.csv, ",").rfind(",162.21", 0), 0u); // the limits line
}

// Shear ratio 198/1 = 198; the axial forces are zero and the moments, not
// checked, feed no line, so the shear line is the only one.
TEST_F(Frame2dCantilever, SummaryHasOnlyTheShearRatio)
{
    std::string head = "Plane Frame analysis\t\t\trev 0.12\nRun date - <date>\n";
    EXPECT_EQ(run.txt.rfind(head, 0), 0u);
    EXPECT_EQ(qmtest::count_of(run.txt, std::string(73, '*') + "\n"), 2);
    EXPECT_TRUE(ends_with(run.txt, "*\n\n\nmin shear ratio =\t    198.0\t member =    1\n\n"));
}

// A member record with area 0 takes the default section whatever it holds.
TEST(Frame2dEcho, AreaZeroTakesTheDefaultSection)
{
    std::string input = cantilever_input;
    input.replace(input.find("1,2,10,100"), 10, "1,2,0,555");
    Frame2dRun run(input);
    EXPECT_EQ(run.result.status, 0);
    EXPECT_TRUE(run.has("<TD>\n 1</TD><TD> 1</TD><TD> 2</TD><TD>   2.940</TD><TD>  10.000</TD><TD>29000.000</TD><TD>"
                        "  36.000</TD><TD>   0.643</TD><TD>   2.050</TD>\n</TR>\n"));
}

// ---------------------------------------------------------------------------
// Fixed-fixed beam, span L = 240 in, central load P = 10 kips downwards.
// End moments P*L/8 = 300 in-kips, reactions P/2 = 5 kips, central
// deflection P*L^3/(192 EI) = 10*240^3/(192*29000*100) = 0.248276 in.

TEST(Frame2dFixedBeam, TwoMembersWithACentralJointLoad)
{
    Frame2dRun run(std::string("2,3,6,2\n0,0\n120,0\n240,0\n") + "1,2," + section + "\n2,3," + section +
            "\n1\n1,1,1\n3\n1,1,1\n1,0\n2\n0,-10,0\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(joint_value(run.csv, 2, 2), -10.0 * 240 * 240 * 240 / (192 * 29000.0 * 100), 2e-6);
    EXPECT_NEAR(joint_value(run.csv, 2, 3), 0.0, 1e-7); // symmetry: no rotation at midspan
    // Support reactions: 5 kips up at each end, moments +300 (left) and -300.
    EXPECT_NEAR(joint_value(run.csv, 1, 5), 5.0, 1e-4);
    EXPECT_NEAR(joint_value(run.csv, 1, 6), 300.0, 1e-2);
    EXPECT_NEAR(joint_value(run.csv, 3, 5), 5.0, 1e-4);
    EXPECT_NEAR(joint_value(run.csv, 3, 6), -300.0, 1e-2);
    // Member 1 (left half): +5, +300 at the support; -5, +300 at midspan.
    // Member 2 (right half): -5, -300 at midspan; +5, -300 at the support.
    const double m1[7] = {0, 0, 5, 300, 0, -5, 300};
    const double m2[7] = {0, 0, -5, -300, 0, 5, -300};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_NEAR(end_action(run.csv, 3, 1, k), m1[k], 1e-2) << "member 1, end action " << k;
        EXPECT_NEAR(end_action(run.csv, 3, 2, k), m2[k], 1e-2) << "member 2, end action " << k;
    }
}

// The same beam as one member between two fixed joints, the central load
// given as its fixed-end actions: start force y P/2, start moment P*L/8, end
// force y P/2, end moment -P*L/8. With every joint fixed there is nothing to
// solve: the reactions are the fixed-end actions and so are the end actions.
TEST(Frame2dFixedBeam, OneMemberWithFixedEndActions)
{
    Frame2dRun run(std::string("1,2,6,2\n0,0\n240,0\n") + "1,2," + section +
            "\n1\n1,1,1\n2\n1,1,1\n0,1\n1\n0,5,300,0,5,-300\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(joint_value(run.csv, 1, 5), 5.0, 1e-6);
    EXPECT_NEAR(joint_value(run.csv, 1, 6), 300.0, 1e-6);
    EXPECT_NEAR(joint_value(run.csv, 2, 5), 5.0, 1e-6);
    EXPECT_NEAR(joint_value(run.csv, 2, 6), -300.0, 1e-6);
    EXPECT_NEAR(end_action(run.csv, 2, 1, 3), 300.0, 1e-6);
    EXPECT_NEAR(end_action(run.csv, 2, 1, 6), -300.0, 1e-6);
    EXPECT_TRUE(run.has("<TR>\n<TD>\n1</TD><TD>   0.000</TD><TD>   5.000</TD><TD> 300.000</TD><TD>   0.000</TD><TD>"
                        "   5.000</TD><TD>-300.000\n</TD>\n</TR>\n"));
    EXPECT_TRUE(run.has("<BR>No loaded joints<BR>\n"));
}

// A propped cantilever (fixed at joint 1, roller at joint 2, L = 240 in)
// under a uniform load w = 0.05 kip/in given as fixed-end actions
// (wL/2 = 6 kips, wL^2/12 = 240 in-kips): reactions 5wL/8 = 7.5 and
// 3wL/8 = 4.5 kips, fixed-end moment wL^2/8 = 360 in-kips, rotation at the
// roller w*L^3/(48EI) = 0.05*240^3/(48*29000*100) = 0.00496552 rad.
TEST(Frame2dFixedBeam, ProppedCantileverUnderMemberLoad)
{
    Frame2dRun run(std::string("1,2,5,2\n0,0\n240,0\n") + "1,2," + section +
            "\n1\n1,1,1\n2\n1,1,0\n0,1\n1\n0,6,240,0,6,-240\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(joint_value(run.csv, 1, 5), 7.5, 1e-4);
    EXPECT_NEAR(joint_value(run.csv, 1, 6), 360.0, 1e-2);
    EXPECT_NEAR(joint_value(run.csv, 2, 5), 4.5, 1e-4);
    EXPECT_NEAR(joint_value(run.csv, 2, 3), 0.05 * 240 * 240 * 240 / (48 * 29000.0 * 100), 1e-6);
    EXPECT_NEAR(end_action(run.csv, 2, 1, 6), 0.0, 1e-2); // no moment at the roller
}

// ---------------------------------------------------------------------------
// Portal frame: columns 12 ft high at x = 0 and x = 20 ft, fixed bases at
// joints 1 and 4, beam between joints 2 and 3, H = 10 kips at joint 2.

TEST(Frame2dPortal, ReactionsBalanceTheLateralLoad)
{
    Frame2dRun run(std::string("3,4,6,2\n0,0\n0,144\n240,144\n240,0\n") + "1,2," + section + "\n2,3," + section + "\n4,3," +
            section + "\n1\n1,1,1\n4\n1,1,1\n1,0\n2\n10,0,0\n0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    double rx = joint_value(run.csv, 1, 4) + joint_value(run.csv, 4, 4);
    double ry = joint_value(run.csv, 1, 5) + joint_value(run.csv, 4, 5);
    // Moments about joint 1: the load H at height 144 gives -144*H; the
    // reactions give their moments plus x*Ry of joint 4 at x = 240.
    double mz = joint_value(run.csv, 1, 6) + joint_value(run.csv, 4, 6) + 240 * joint_value(run.csv, 4, 5);
    EXPECT_NEAR(rx, -10.0, 1e-4);
    EXPECT_NEAR(ry, 0.0, 1e-4);
    EXPECT_NEAR(mz, 144 * 10.0, 2e-2);
    // The frame sways towards the load and both bases resist with shear.
    EXPECT_GT(joint_value(run.csv, 2, 1), 0.0);
    EXPECT_LT(joint_value(run.csv, 1, 4), 0.0);
    EXPECT_LT(joint_value(run.csv, 4, 4), 0.0);
    // Equal columns: the sway displacement is the same at both beam ends up
    // to the beam's axial shortening, H*L/(EA) at most.
    EXPECT_NEAR(joint_value(run.csv, 2, 1), joint_value(run.csv, 3, 1), 10.0 * 240 / (29000.0 * 10) + 1e-6);
}

// ---------------------------------------------------------------------------
// A vertical bar of two members between fixed joints 1 (y = 0) and 3
// (y = 240), loaded with 10 kips downwards at joint 2 (y = 120): the lower
// member carries 5 kips in compression, the upper one 5 kips in tension.
// C = 162.215 (see the cantilever), T = 216: ratios 162.215/5 = 32.4 and
// 216/5 = 43.2; no shear and no moment, so no line of either.

struct Frame2dTensionAndCompression : ::testing::Test {
    Frame2dRun run{std::string("2,3,6,2\n0,0\n0,120\n0,240\n") + "1,2," + section + "\n2,3," + section +
            "\n1\n1,1,1\n3\n1,1,1\n1,0\n2\n0,-10,0\n0\n"};
};

TEST_F(Frame2dTensionAndCompression, LowerMemberIsCompressiveAtBothEnds)
{
    ASSERT_EQ(run.result.status, 0);
    EXPECT_TRUE(run.has("<TD>  1</TD><TD>\n   5.000" + pass_mark + " compressive</TD>\n"));
    EXPECT_TRUE(run.has("<TD>\n  -5.000" + pass_mark + " compressive</TD>\n<TD>\n   0.000" + pass_mark +
                        " shear</TD>\n<TD>\n   0.000" + pass_mark + " moment</TD>\n</TR><TR>\n\n<TD>\nlimit</TD>\n"
                        "<TD>\n      162.22</TD>\n"));
}

TEST_F(Frame2dTensionAndCompression, UpperMemberIsTensileAtBothEndsWithTheTensionLimit)
{
    EXPECT_TRUE(run.has("<TD>  2</TD><TD>\n  -5.000" + pass_mark + " tensile</TD>\n"));
    EXPECT_TRUE(run.has("<TD>\n   5.000" + pass_mark + " tensile</TD>\n"));
    EXPECT_TRUE(run.has("<TD>\nlimit</TD>\n<TD>\n      216.00</TD>\n<TD>\n      198.00</TD>\n<TD>\n     2376.00</TD>\n"
                        "<TD>\n      216.00</TD>\n"));
}

TEST_F(Frame2dTensionAndCompression, SummaryNamesTheCompressiveAndTensileMembers)
{
    EXPECT_TRUE(ends_with(run.txt, "*\n\n\nmin compressive ratio =\t     32.4\t member =    1\n"
                                   "min tensile ratio =\t     43.2\t member =    2\n"
                                   "min combined ratio =\t     32.4\t member =    1\n\n"));
}

// ---------------------------------------------------------------------------
// Marks at the allowable. Three fixed joints, two members whose end actions
// are given directly as member loads (nothing moves, so the end actions are
// exactly the loads). Member 1 sits exactly at its allowables: compression C
// at both ends, shear V = 0.40*13.75*36 = 198 and moment M = 100*36*0.66 =
// 2376 (both exact in single precision); every mark fails and the run exits
// 2. Member 2 sits just below them; every mark passes, but together its
// axial force and moment are far over the allowable interaction (near 1
// each), so its combined check fails.

struct Frame2dAtTheAllowable : ::testing::Test {
    float C = 10.0f * qm::allowable_compressive_stress(2.0f, 120.0f, 29000, 36, 1.2f);
    float below = std::nextafter(C, 0.0f);

    std::string input(const char* dummies) const
    {
        char loads[400];
        std::snprintf(loads, sizeof loads, "1\n%.17g,198,2376,%.17g,-198,-2376\n2\n%.17g,197.99,2375.9,%.17g,-197.99,"
                      "-2375.9\n",
                      C, -static_cast<double>(C), below, -static_cast<double>(below));
        return std::string("2,3,9,3\n0,0\n120,0\n240,0\n") + "1,2," + section + "\n2,3," + section +
               "\n1\n1,1,1\n2\n1,1,1\n3\n1,1,1\n0,2\n" + loads + dummies;
    }
};

TEST_F(Frame2dAtTheAllowable, EqualFailsAndBelowPasses)
{
    ASSERT_NEAR(C, 162.215, 0.0005); // the hand value of the cantilever
    Frame2dRun run(input("0\n"));
    ASSERT_EQ(run.result.status, 2) << run.result.console;
    EXPECT_EQ(run.result.console, "successfully completed\n");
    EXPECT_TRUE(run.has("<TD>  1</TD><TD>\n 162.215" + fail_mark + " compressive</TD>\n<TD>\n 198.000" + fail_mark +
                        " shear</TD>\n<TD>\n2376.000" + fail_mark + " moment</TD>\n<TD>\n-162.215" + fail_mark +
                        " compressive</TD>\n<TD>\n-198.000" + fail_mark + " shear</TD>\n<TD>\n-2376.000" + fail_mark +
                        " moment</TD>\n"));
    EXPECT_TRUE(run.has("<TD>  2</TD><TD>\n 162.215" + pass_mark + " compressive</TD>\n<TD>\n 197.990" + pass_mark +
                        " shear</TD>\n<TD>\n2375.900" + pass_mark + " moment</TD>\n<TD>\n-162.215" + pass_mark +
                        " compressive</TD>\n<TD>\n-197.990" + pass_mark + " shear</TD>\n<TD>\n-2375.900" + pass_mark +
                        " moment</TD>\n"));
    // Ratios of 1 at member 1; no tensile line (nothing in tension). The
    // combined value at member 1: F'e = 12 pi^2 29000 / (23 72^2) = 28.806
    // ksi, fa/F'e = 162.215 / 288.06 = 0.5631, 1 + 0.85 / (1 - 0.5631) =
    // 2.946 (above the yield form 162.215/216 + 1 = 1.751): ratio 0.34.
    EXPECT_TRUE(ends_with(run.txt, "*\n\n\nmin compressive ratio =\t      1.0\t member =    1\n"
                                   "min shear ratio =\t      1.0\t member =    1\n"
                                   "min moment ratio =\t      1.0\t member =    1\n"
                                   "min combined ratio =\t      0.3\t member =    1\n\n"
                                   "Checked at their ends only, not along their spans: members 1, 2, which carry "
                                   "member loads; quillmark checks along the span\n"));
}

// A dummy member keeps its actions and checks in the report and CSV but sets
// no minimum: the ratios then come from member 2 (198/197.99 = 1.00005),
// whose combined check fails the run.
TEST_F(Frame2dAtTheAllowable, DummyMemberIsLeftOutOfTheMinima)
{
    Frame2dRun run(input("1\n1\n"));
    ASSERT_EQ(run.result.status, 2) << run.result.console;
    EXPECT_TRUE(run.has("<TD>  1</TD><TD>\n 162.215" + fail_mark));
    EXPECT_NEAR(end_action(run.csv, 3, 1, 2), 198.0, 1e-6);
    EXPECT_TRUE(ends_with(run.csv, "\n1\n1\n\n"));
    EXPECT_TRUE(ends_with(run.txt, "*\n\ndummy member - 1\n\nmin compressive ratio =\t      1.0\t member =    2\n"
                                   "min shear ratio =\t      1.0\t member =    2\n"
                                   "min moment ratio =\t      1.0\t member =    2\n"
                                   "min combined ratio =\t      0.3\t member =    2\n\n"
                                   "Checked at their ends only, not along their spans: members 1, 2, which carry "
                                   "member loads; quillmark checks along the span\n"));
}

// ---------------------------------------------------------------------------
// Beam-columns: axial force and bending checked together at each end. Each
// member joins two fixed joints, so its end actions are the member loads as
// given. The common section has Pc = A Fa(72) (K = 1.2, L = 120, r = 2), Pt =
// 216, Mb = 2376 and, in the frame's plane (rx = 2), F'e = Fe(72).

// Members of 120 in along x between fixed joints, member i from joint i.
std::string fixed_members(const std::vector<std::string>& sections, const std::vector<std::string>& loads)
{
    int m = static_cast<int>(sections.size());
    std::string in = std::to_string(m) + "," + std::to_string(m + 1) + "," + std::to_string(3 * (m + 1)) + "," +
                     std::to_string(m + 1) + "\n";
    for (int j = 0; j <= m; ++j)
        in += std::to_string(120 * j) + ",0\n";
    for (int i = 1; i <= m; ++i)
        in += std::to_string(i) + "," + std::to_string(i + 1) + "," + sections[static_cast<size_t>(i - 1)] + "\n";
    for (int j = 1; j <= m + 1; ++j)
        in += std::to_string(j) + "\n1,1,1\n";
    in += "0," + std::to_string(m) + "\n";
    for (int i = 1; i <= m; ++i)
        in += std::to_string(i) + "\n" + loads[static_cast<size_t>(i - 1)] + "\n";
    return in + "0\n";
}

TEST(Frame2dBeamColumn, InteractionFollowsTheAllowableStressFormulas)
{
    const double Mb = 2376, Pt = 216, Cm = 0.85;
    const double Pc = 10 * qmtest::hand_column_stress(72, 29000, 36), Pe = 10 * qmtest::hand_euler_stress(72, 29000);
    // A stocky section (r = 20, s = 7.2), whose yield form governs.
    const std::string stocky = "10,100,29000,36,20,20,100,13.75";
    const double Pc_stocky = 10 * qmtest::hand_column_stress(7.2, 29000, 36);
    const double Pe_stocky = 10 * qmtest::hand_euler_stress(7.2, 29000);
    Frame2dRun run(fixed_members({section, stocky, section, section},
                                 {"81,0,1000,-81,0,-500", "40,0,1600,-40,0,-1600", "16,0,1000,-16,0,-1000",
                                  "-108,0,1000,108,0,-1000"}));
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    auto stability = [&](double P, double M, double Pc_, double Pe_) {
        return P / Pc_ + Cm * (M / Mb) / (1 - P / Pe_);
    };
    auto yield = [&](double P, double M) { return P / Pt + M / Mb; };
    std::vector<double> v = qmtest::combined_values(run.htm);
    ASSERT_EQ(v.size(), 8u);
    // fa/Fa = 0.50: the amplified moment governs, at either end.
    ASSERT_GT(stability(81, 1000, Pc, Pe), yield(81, 1000));
    EXPECT_NEAR(v[0], stability(81, 1000, Pc, Pe), 1e-3);
    EXPECT_NEAR(v[1], stability(81, 500, Pc, Pe), 1e-3);
    // A stocky column, fa/Fa = 0.19: the yield of the end section governs.
    ASSERT_GT(yield(40, 1600), stability(40, 1600, Pc_stocky, Pe_stocky));
    EXPECT_NEAR(v[2], yield(40, 1600), 1e-3);
    // fa/Fa = 0.099, at most 0.15: the plain sum.
    ASSERT_LE(16 / Pc, 0.15);
    EXPECT_NEAR(v[4], 16 / Pc + 1000 / Mb, 1e-3);
    // Tension with bending, at both ends: fa/Ft + fb/Fb.
    EXPECT_NEAR(v[6], 108 / Pt + 1000 / Mb, 1e-3);
    EXPECT_NEAR(v[7], 108 / Pt + 1000 / Mb, 1e-3);
    // The start's value stands in the start axial column, the end's in the
    // end axial column, each with its mark.
    EXPECT_TRUE(run.has("<TD>\ncombined</TD>\n<TD>\n       0.921" + pass_mark + "</TD>\n<TD>\n</TD>\n<TD>\n</TD>\n"
                        "<TD>\n       0.921" + pass_mark + "</TD>\n<TD>\n</TD>\n<TD>\n</TD>\n</TR>\n"));
}

// Each action alone within its allowable (0.6 of each), together over the
// interaction: 0.6 + 0.85 * 0.6 / (1 - 97.3/288.06) = 1.37. The combined
// check alone fails the run, with status 2 and the combined ratio 1/1.37 =
// 0.73 in the summary.
TEST(Frame2dBeamColumn, CombinedFailureAloneFailsTheRun)
{
    Frame2dRun run(fixed_members({section}, {"97.3,0,1425.6,-97.3,0,-1425.6"}));
    qmtest::expect_failing_member(run);
    EXPECT_EQ(qmtest::count_of(run.htm, fail_mark), 2);
    EXPECT_TRUE(run.has("<TD>\ncombined</TD>\n<TD>\n"));
    std::vector<double> v = qmtest::combined_values(run.htm);
    ASSERT_EQ(v.size(), 2u);
    EXPECT_GT(v[0], 1.0);
    EXPECT_NE(run.txt.find("min combined ratio =\t      0.7\t member =    1\n"), std::string::npos) << run.txt;
}

// ---------------------------------------------------------------------------
// Error stops: exit status 1, the report closed without closing tags, no
// CSV or summary file.

void expect_error_stop(const Frame2dRun& run)
{
    EXPECT_EQ(run.result.status, 1);
    EXPECT_EQ(run.htm.find("</BODY></HTML>"), std::string::npos);
    EXPECT_EQ(run.htm.find("</FONT>        </TD>"), std::string::npos);
    EXPECT_FALSE(run.csv_written);
    EXPECT_FALSE(run.txt_written);
}

// Two joints at the same place joined by a member: the report ends after the
// Joint Coordinates table with the four error lines.
TEST(Frame2dStops, ZeroLengthMember)
{
    Frame2dRun run(std::string("2,3,3,1\n0,0\n120,0\n120,0\n") + "1,2," + section + "\n2,3," + section + "\n");
    expect_error_stop(run);
    EXPECT_EQ(run.result.console, "\nERROR - divide by 0\none length was 0\n");
    EXPECT_TRUE(ends_with(run.htm, "<TD>\n 3</TD><TD>  10.000</TD><TD>   0.000</TD>\n</TR>\n</TABLE>\n"
                                   "\nERROR\tdivide by 0\ni = 2\njk[i] = 3.000000    jj[i] = 2.000000\n"
                                   "xcl = 0.000000  ycl = 0.000000\n\n"));
    EXPECT_EQ(run.htm.find("Member Properties"), std::string::npos);
}

// Joint 3 is joined to nothing and free: equations 4, 5 and 6 (joint 2 takes
// 1 to 3) have no stiffness.
TEST(Frame2dStops, ZeroOnThePrimaryDiagonal)
{
    Frame2dRun run(std::string("1,3,3,1\n0,0\n120,0\n240,0\n") + "1,2," + section + "\n1\n1,1,1\n1,0\n2\n0,-1,0\n0\n");
    expect_error_stop(run);
    EXPECT_EQ(run.result.console, "\nERROR\t0 on primary diagonal\n");
    EXPECT_TRUE(ends_with(run.htm, "</TABLE>\n\nERROR\t0 on primary diagonal\nand entire array columns.\n"
                                   "Structure is indeterminante\n4\n5\n6\n"));
}

// A portal frame on rollers (restrained in y only): nothing holds it
// sideways, so the whole frame can slide along x.
TEST(Frame2dStops, FrameFreeToSwayIsAMechanism)
{
    Frame2dRun run(std::string("3,4,2,2\n0,0\n0,144\n240,144\n240,0\n") + "1,2," + section + "\n2,3," + section + "\n4,3," +
            section + "\n1\n0,1,0\n4\n0,1,0\n1,0\n2\n10,0,0\n0\n");
    expect_error_stop(run);
    EXPECT_NE(run.result.console.find("unstable"), std::string::npos) << run.result.console;
    EXPECT_NE(run.result.console.find(" of joint "), std::string::npos) << run.result.console;
    EXPECT_EQ(run.htm.find("Calculated Results"), std::string::npos);
}

// Hostile input files: each stops with one console line that names the file,
// the line and the record.
struct Hostile {
    const char* name;
    std::string input;
    std::string console_start; // the console line begins with this
    std::string console_has;   // and contains this
};

void PrintTo(const Hostile& h, std::ostream* os) { *os << h.name; }

std::string with_section(const std::string& text)
{
    std::string out = text;
    for (size_t p = out.find("SEC"); p != std::string::npos; p = out.find("SEC"))
        out.replace(p, 3, section);
    return out;
}

const std::string good_tail = "1\n1,1,1\n1,0\n2\n0,-1,0\n0\n";

std::vector<Hostile> hostile_cases()
{
    return {
        {"Empty", "", "planefr.in:1: structure counts: expected 4 comma-separated numbers", "end of file"},
        {"Garbage", "hello world\n", "planefr.in:1: structure counts: expected 4", "hello"},
        {"MissingComma", "1 2,3,1\n", "planefr.in:1: structure counts", "expected 4"},
        {"NotANumberInJoint", "1,2,3,1\n0,0\nabc,0\n", "planefr.in:3: joint 2: expected 2", "abc"},
        {"NanCoordinate", "1,2,3,1\n0,0\nnan,0\n", "planefr.in:3: joint 2", "not a finite number"},
        {"InfiniteArea", with_section("1,2,3,1\n0,0\n120,0\n1,2,inf,100,29000,36,2,2\n"), "planefr.in:4: member 1",
         "not a finite number"},
        {"TruncatedMember", "1,2,3,1\n0,0\n120,0\n1,2,10,100\n", "planefr.in:4: member 1: expected 8", "after field 4"},
        {"TruncatedBeforeDummies", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,1,1\n1,0\n2\n0,-1,0\n"),
         "planefr.in:", "dummy members"},
        {"HugeMemberCount", "1000000,2,3,1\n", "planefr.in:1: structure counts",
         "number of members (m) 1000000 is outside 0..700"},
        {"TooManyJoints", "1,201,3,1\n", "planefr.in:1: structure counts", "number of joints (nj) 201 is outside 0..200"},
        {"NegativeJoints", "1,-2,3,1\n", "planefr.in:1: structure counts", "number of joints (nj) -2 is outside"},
        {"TooManyRestraints", "1,2,601,1\n", "planefr.in:1: structure counts",
         "number of support restraints (nr) 601 is outside 0..600"},
        {"TooManyRestrainedJoints", "1,2,3,201\n", "planefr.in:1: structure counts",
         "number of restrained joints (nrj) 201 is outside 0..200"},
        {"HugeIntegerField", "99999999999999999999,2,3,1\n", "planefr.in:1: structure counts", "out of range"},
        {"MemberEndJointOutOfRange", with_section("1,2,3,1\n0,0\n120,0\n1,5,SEC\n"), "planefr.in:4: member 1",
         "end joint 5 is outside 1..2"},
        {"MemberStartJointZero", with_section("1,2,3,1\n0,0\n120,0\n0,2,SEC\n"), "planefr.in:4: member 1",
         "start joint 0 is outside 1..2"},
        {"RestraintJointOutOfRange", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n3\n1,1,1\n"),
         "planefr.in:5: restraint 1", "joint 3 is outside 1..2"},
        {"RestraintFlagTwo", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,2,1\n"), "planefr.in:6: restraint 1",
         "flag 2 is outside 0..1"},
        {"RestraintCountDisagrees", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,1,0\n"),
         "planefr.in:6: restraints", "number of support restraints (nr) is 3 but 2 restraint flags are set"},
        {"JointLoadJointOutOfRange", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,1,1\n1,0\n7\n0,-1,0\n0\n"),
         "planefr.in:8: joint load 1", "joint 7 is outside 1..2"},
        {"MemberLoadMemberOutOfRange",
         with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,1,1\n0,1\n9\n0,0,0,0,0,0\n0\n"),
         "planefr.in:8: member load 1", "member 9 is outside 1..1"},
        {"TooManyDummies", with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n" + good_tail.substr(0, good_tail.size() - 2) +
                                        "702\n"),
         "planefr.in:10: dummy members", "702 is above 701"},
        {"DummyMemberOutOfRange",
         with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n" + good_tail.substr(0, good_tail.size() - 2) + "1\n2\n"),
         "planefr.in:11: dummy member 1", "member 2 is outside 1..1"},
    };
}

class Frame2dHostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(Frame2dHostile, StopsWithOneLineNamingTheRecord)
{
    const Hostile& h = GetParam();
    Frame2dRun run(h.input);
    expect_error_stop(run);
    const std::string& out = run.result.console;
    EXPECT_EQ(out.rfind(h.console_start, 0), 0u) << out;
    EXPECT_NE(out.find(h.console_has), std::string::npos) << out;
    EXPECT_EQ(qmtest::count_of(out, "\n"), 1) << out;
    EXPECT_TRUE(ends_with(run.htm, out)) << "the report ends with the same line";
}

INSTANTIATE_TEST_SUITE_P(Files, Frame2dHostile, ::testing::ValuesIn(hostile_cases()),
                         [](const ::testing::TestParamInfo<Hostile>& case_info) { return std::string(case_info.param.name); });

// A count of zero or below means none: negative load and dummy counts read
// no records and the run completes.
TEST(Frame2dCounts, NegativeLoadAndDummyCountsMeanNone)
{
    Frame2dRun run(with_section("1,2,3,1\n0,0\n120,0\n1,2,SEC\n1\n1,1,1\n-1,-3\n-2\n"));
    EXPECT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.has("<BR>No loaded joints<BR>\n"));
    EXPECT_TRUE(run.has("<BR>No loaded members<BR>\n"));
}

// ---------------------------------------------------------------------------
// The shipped example: a two-bay, three-storey frame with fixed bases, wind
// at the floor levels and uniform beam loads given as fixed-end actions.
// Applied totals (see examples/planefr/README.md): wind 6 + 6 + 3 = 15 kips
// along x; gravity 4 floor beams x 36 kips + 2 roof beams x 24 kips =
// 192 kips down. Moments about the origin: wind -(6*168 + 6*312 + 3*456) =
// -4248; gravity -(36*(144 + 432)*2 + 24*(144 + 432)) = -55296.
TEST(Frame2dExample, ShippedBuildingFrameReactionsBalanceTheLoads)
{
    std::string text = qmtest::example_input("planefr");
    ASSERT_FALSE(text.empty());
    Frame2dRun run(text);
    ASSERT_EQ(run.result.status, 2) << run.result.console; // member 10 fails in bending, below
    EXPECT_EQ(run.result.console, "successfully completed\n");
    const double base_x[4] = {0, 0, 288, 576};
    double rx = 0, ry = 0, mz = 0;
    for (int j = 1; j <= 3; ++j) {
        rx += joint_value(run.csv, j, 4);
        ry += joint_value(run.csv, j, 5);
        mz += joint_value(run.csv, j, 6) + base_x[j] * joint_value(run.csv, j, 5);
    }
    EXPECT_NEAR(rx, -15.0, 1e-3);
    EXPECT_NEAR(ry, 192.0, 1e-3);
    EXPECT_NEAR(mz, 4248.0 + 55296.0, 0.5);
    // Joints above the bases carry no reactions.
    for (int j = 4; j <= 12; ++j)
        for (int f = 4; f <= 6; ++f)
            EXPECT_EQ(joint_value(run.csv, j, f), 0.0);
    EXPECT_EQ(qmtest::count_of(run.htm, "</TR><TR>\n\n<TD>\nlimit</TD>\n"), 15);
    // Member 10, a W16x31 beam of S = 47.2 in^3: allowable moment
    // 0.66*47.2*36 = 1121.47 inch-kips, exceeded by its end moment.
    EXPECT_NEAR(limit_of(run.csv, 12, 10, 6), 1121.472, 1e-3);
    EXPECT_TRUE(run.has("<TD>\n-1306.990" + fail_mark + " moment</TD>\n</TR><TR>\n"));
    EXPECT_NE(run.txt.find("min moment ratio =\t      0.9\t member =   10\n"), std::string::npos);
}

} // namespace
