// girder end to end: continuous beams whose reactions, moments and
// deflections follow by hand (beam tables, the three-moment equation), the
// exact lines of the report, CSV and summary, the capacity of 20 members,
// and every error stop with its status and console line.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "harness.h"

using qmtest::csv_value;

namespace {

using qmtest::fail_mark;
using qmtest::footer;
using qmtest::heading;
using qmtest::pass_mark;
using qmtest::table_open;

struct BeamRun : qmtest::Analysis {
    explicit BeamRun(const std::string& input) : Analysis(qmtest::analyse(GIRDER, "beam", input)) {}
    bool ends_with(const std::string& tail) const { return htm.ends_with(tail); }
};

// W16x31, E = 29000 ksi: EI = 29000 * 375 = 10875000 kip-in^2. Allowables
// Va = 9.13*36*0.55 = 180.774 kips, Ma = 47.2*36*0.66 = 1121.472 in-kips.
const double EI = 29000.0 * 375;
const std::string w16 = "375,9.13,47.2\n";

// n members of length L (inches), each with the W16x31 section.
std::string spans(int n, const std::string& L)
{
    std::string text;
    for (int i = 0; i < n; ++i)
        text += L + "," + w16;
    return text;
}

// CSV: line 0 the header counts, lines 1..nj the joints (translation,
// rotation in radians, force, moment), then two lines per member (end
// actions; limits).
double joint(const BeamRun& r, int j, int field)
{
    return csv_value(r.csv, j, field);
}
double end_action(const BeamRun& r, int nj, int i, int k)
{
    return csv_value(r.csv, nj + 2 * i - 1, k);
}

// A uniform load w = 0.1 kip/in on a 240 in span as fixed-end actions:
// wL/2 = 12 kips, wL^2/12 = 480 in-kips.
const std::string uniform = "12,480,12,-480\n";

// ---------------------------------------------------------------------------
// Propped cantilever, L = 240 in, fixed at joint 1, roller at joint 2, under
// w = 0.1 kip/in: prop reaction 3wL/8 = 9, fixed end 5wL/8 = 15, fixed-end
// moment wL^2/8 = 720, prop rotation wL^3/(48EI) = 0.0026483 rad = 0.15 deg.
// Ratios: shear 180.774/15 = 12.05, moment 1121.472/720 = 1.56.

struct GirderProppedCantilever : ::testing::Test {
    BeamRun run{"1,3,2,29000,36\n" + spans(1, "240") + "2\n1,0\n1\n1,1\n0,1\n1\n" + uniform};
};

TEST_F(GirderProppedCantilever, ReactionsRotationAndEndActionsMatchTheBeamTable)
{
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_EQ(run.result.console, "successfully completed\n");
    EXPECT_EQ(run.csv, "1,2,3,2\n"
                       "1,0.000000,0.000000,15.000000,720.000000\n"
                       "2,0.000000,0.002648,9.000000,0.000000\n"
                       "1,15.000000,720.000000,9.000000,0.000000\n"
                       ",180.774002,1121.472046,180.774002,1121.472046\n\n");
    EXPECT_NEAR(joint(run, 2, 2), 0.1 * std::pow(240.0, 3) / (48 * EI), 1e-6);
    EXPECT_TRUE(run.has("<TR>\n<TD>\n  2</TD><TD>   0.00 (inches)</TD><TD>   0.15 (degrees)</TD><TD>   9.00 (kips)"
                        "</TD><TD>   0.00 (inch-kip)\n</TD>\n</TR>\n"));
}

TEST_F(GirderProppedCantilever, MemberTableHasCellsLimitsAndTheBeamsClosingLines)
{
    std::string cell = "</FONT></B></TD>\n<TD>\n";
    EXPECT_TRUE(run.ends_with(
        heading("Member End Actions") + table_open +
        "<TR>\n<TD>\nmember</TD><TD>start force (kips)</TD><TD>start moment (inch-kips)</TD><TD>end force (kips)"
        "</TD><TD>end moment (inch-kips)\n</TD>\n"
        "<TR>\n<TD>\n  1  </TD>\n<TD>\n    15.00" +
        pass_mark + " shear" + cell + "   720.00" + pass_mark + " bending moment" + cell + "     9.00" + pass_mark +
        " shear" + cell + "     0.00" + pass_mark +
        " bending moment</FONT></B></TD>\n\n </TR>\n"
        "<TR>\n<TD>\nlimits</TD>\n<TD>  180.77</TD><TD> 1121.47</TD><TD>  180.77</TD><TD> "
        "1121.47</TD>\n\n</TR>\n</TD>\n"
        "\n<BR>\n            </FONT>       </TD>\n</TR> </TABLE>\n</BODY></HTML>\n"));
}

TEST_F(GirderProppedCantilever, SummaryHasTheShearAndMomentRatiosOnly)
{
    std::string stars = std::string(73, '*') + "\n";
    EXPECT_EQ(run.txt.rfind("BEAM analysis\t\t\trev 0.17\nRun date - <date>\n" + stars, 0), 0u);
    EXPECT_EQ(run.txt.substr(run.txt.rfind(stars)),
              stars +
                  "\nmin shear ratio =\t     12.1\t member =    1\nmin moment ratio =\t      1.6\t member =    1\n\n");
}

// The echo: the beam's parameters table (no joint count; E and Fy), lengths
// in feet, one restraint row per joint.
TEST_F(GirderProppedCantilever, ReportEchoesTheBeamsOwnInputTables)
{
    EXPECT_TRUE(run.has("BEAM analysis      rev 0.17\n<BR><br>\n"));
    EXPECT_TRUE(run.has(
        "Global structure parameters</TD><TD>number of members (m)</TD><TD>1</TD>\n"
        "<TR>\n<TD>\n&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>1</TD>\n</TR>\n"
        "<TR>\n<TD>\n&nbsp;</TD><TD>number of support restraints (nr)</TD><TD>3</TD>\n</TR>\n"
        "<TR>\n<TD>\n&nbsp;</TD><TD>number of restrained joints (nrj)</TD><TD>2</TD>\n</TR>\n"
        "<TR>\n<TD>\n&nbsp;</TD><TD>Modulus of Elasticity (e)</TD><TD>29000</TD>\n</TR>\n"
        "<TR>\n<TD>\n&nbsp;</TD><TD>Yield strength (F<sub>y</sub>)</TD><TD>36.00 ksi</TD>\n</TR>\n"
        "<TR>\n<TD>\nunless otherwise stated, all units are:</TD><TD>kips</TD><TD>(1000 pounds)</TD>\n</TR>\n"));
    EXPECT_TRUE(run.has("&nbsp;</TD><TD>rotational</TD><TD>degrees</TD>\n</TR>\n</TABLE>\n" +
                        heading("Member Properties") + table_open +
                        "<TR>\n<TD>\nmember</TD><TD>length (feet)</TD><TD>I<sub>x</sub> (in<sup>4</sup>)</TD><TD>"
                        "area (in<sup>2</sup>)</TD><TD>S<sub>x</sub> (in<sup>3</sup>)</TD>\n</TR>\n"
                        "<TR>\n<TD>\n1</TD><TD>  20.000</TD><TD> 375.000</TD><TD>   9.130</TD><TD>  47.200</TD>\n"
                        "</TR>\n</TABLE>\n" +
                        heading("Joint Restraints") + table_open +
                        "<TR>\n<TD>\njoint</TD><TD>translation</TD><TD>rotation\n</TD>\n</TR>\n"
                        "<TR>\n<TD>\n1</TD><TD>\nrestrained</TD><TD>\nrestrained</TD></TR>\n"
                        "<TR>\n<TD>\n2</TD><TD>\nrestrained</TD><TD>\nunrestrained</TD></TR>\n</TABLE>\n"));
    EXPECT_TRUE(run.has("<BR>No loaded joints<BR>\n" + heading("Member Loads") + table_open +
                        "<TR>\n<TD>\nmember</TD><TD>start force (kips)</TD><TD>start moment (inch-kips)</TD><TD>end "
                        "force (kips)</TD><TD>end moment (inch-kips)\n</TD>\n</TR>\n"
                        "<TR>\n<TD>\n1</TD><TD>  12.000</TD><TD> 480.000</TD><TD>  12.000</TD><TD>-480.000\n</TD>\n"
                        "</TR>\n</TABLE>\n" +
                        heading("Calculated Results") + heading("Joint Displacements and Support Reactions")));
}

// ---------------------------------------------------------------------------
// Two spans of 240 in on three supports, w = 0.1 kip/in on both: the middle
// support takes 1.25wL = 30 kips, each end 0.375wL = 9, and the moment over
// the middle support is -wL^2/8 = -720 (end moment of member 1).
TEST(GirderContinuous, TwoSpanBeamUnderUniformLoad)
{
    BeamRun run("2,3,3,29000,36\n" + spans(2, "240") + "1\n1,0\n2\n1,0\n3\n1,0\n0,2\n1\n" + uniform + "2\n" + uniform);
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(joint(run, 1, 3), 9.0, 1e-4);
    EXPECT_NEAR(joint(run, 2, 3), 30.0, 1e-4);
    EXPECT_NEAR(joint(run, 3, 3), 9.0, 1e-4);
    EXPECT_NEAR(end_action(run, 3, 1, 4), -720.0, 1e-3);
    EXPECT_NEAR(end_action(run, 3, 2, 2), 720.0, 1e-3);
    EXPECT_NEAR(joint(run, 2, 2), 0.0, 1e-9); // symmetry
}

// The shipped example, three equal spans (see examples/beam/README.md):
// three-moment equation M = -wL^2/10 = -576 over the interior supports,
// reactions 0.4wL = 9.6 and 1.1wL = 26.4. The same beam with its restraint
// records in reverse order gives the same files.
TEST(GirderContinuous, ShippedThreeSpanExampleMatchesTheThreeMomentEquation)
{
    const std::string text = qmtest::example_input("beam");
    BeamRun run(text);
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    const double reaction[5] = {0, 9.6, 26.4, 26.4, 9.6};
    for (int j = 1; j <= 4; ++j)
        EXPECT_NEAR(joint(run, j, 3), reaction[j], 1e-4) << "joint " << j;
    EXPECT_NEAR(end_action(run, 4, 1, 4), -576.0, 1e-3);
    EXPECT_NEAR(end_action(run, 4, 3, 2), 576.0, 1e-3);

    std::string reversed = text;
    size_t at = reversed.find("1\n1,0\n2\n1,0\n3\n1,0\n4\n1,0\n");
    ASSERT_NE(at, std::string::npos);
    reversed.replace(at, 24, "4\n1,0\n3\n1,0\n2\n1,0\n1\n1,0\n");
    EXPECT_EQ(BeamRun(reversed).csv, run.csv);
}

// ---------------------------------------------------------------------------
// Cantilever of one member (n = 2), L = 120 in (10 ft), fixed at joint 1,
// P = -1 kip at the tip, no member loads: tip deflection PL^3/(3EI) =
// -0.05297 in, tip rotation PL^2/(2EI) = -0.000662 rad, support force 1 and
// moment 120. The end actions come from the displacements alone.
TEST(GirderEdgeCases, CantileverOfOneMember)
{
    BeamRun run("1,2,1,29000,36\n" + spans(1, "120") + "1\n1,1\n1,0\n2\n-1,0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.has("number of degrees of freedom (n)</TD><TD>2</TD>"));
    EXPECT_TRUE(run.has("<TD>\n1</TD><TD>  10.000</TD>"));
    EXPECT_NEAR(joint(run, 2, 1), -std::pow(120.0, 3) / (3 * EI), 1e-6);
    EXPECT_NEAR(joint(run, 2, 2), -120.0 * 120 / (2 * EI), 1e-6);
    EXPECT_TRUE(run.has("<TR>\n<TD>\n   1</TD><TD>   0.000</TD><TD>   0.000\n</TD>\n</TR>\n"
                        "<TR>\n<TD>\n   2</TD><TD>  -1.000</TD><TD>   0.000\n</TD>\n</TR>\n</TABLE>\n"));
    EXPECT_TRUE(run.has("<BR>No loaded members<BR>\n"));
    EXPECT_TRUE(run.has("  1</TD><TD>   0.00 (inches)</TD><TD>   0.00 (degrees)</TD><TD>   1.00 (kips)</TD><TD> "
                        "120.00 (inch-kip)\n"));
    EXPECT_TRUE(run.has("  2</TD><TD>  -0.05 (inches)</TD><TD>  -0.04 (degrees)</TD><TD>   0.00 (kips)</TD><TD>"
                        "   0.00 (inch-kip)\n"));
    const double expected[5] = {0, 1, 120, -1, 0};
    for (int k = 1; k <= 4; ++k)
        EXPECT_NEAR(end_action(run, 2, 1, k), expected[k], 1e-4) << "end action " << k;
}

// Two equal members (a = 120 in) between fixed joints 1 and 3, P = 10 kips
// down at joint 2: deflection P(2a)^3/(192EI) = 0.066 in, no rotation at the
// middle, support moments P(2a)/8 = 300 of opposite sign, reactions 5 kips.
TEST(GirderEdgeCases, FixedEndedBeamWithCentralLoad)
{
    BeamRun run("2,4,2,29000,36\n" + spans(2, "120") + "1\n1,1\n3\n1,1\n1,0\n2\n-10,0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.has("  2</TD><TD>  -0.07 (inches)</TD><TD>   0.00 (degrees)</TD><TD>   0.00 (kips)</TD>"));
    EXPECT_NEAR(joint(run, 2, 1), -10 * std::pow(240.0, 3) / (192 * EI), 1e-6);
    EXPECT_NEAR(joint(run, 1, 4), 300.0, 1e-3);
    EXPECT_NEAR(joint(run, 3, 4), -300.0, 1e-3);
    EXPECT_NEAR(joint(run, 1, 3) + joint(run, 3, 3), 10.0, 1e-4);
}

// Load counts 0,0: no load records read, nothing moves, every end action is
// 0, so every ratio is 999999 and the summary has no ratio line.
TEST(GirderEdgeCases, UnloadedBeamWritesNoRatioLine)
{
    BeamRun run("1,3,2,29000,36\n" + spans(1, "240") + "1\n1,1\n2\n1,0\n0,0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.has("<BR>No loaded joints<BR>\n" + heading("Member Loads") + "<BR>No loaded members<BR>\n"));
    EXPECT_TRUE(run.txt.ends_with(std::string(73, '*') + "\n\n\n"));
}

// Yield strength 0: every allowable is 0, so no pass or fail text, limits of
// 0.00 and ratios of 0 where an action is not 0 (cantilever as above).
TEST(GirderEdgeCases, ZeroYieldStrengthGivesNoMarks)
{
    BeamRun run("1,2,1,29000,0\n" + spans(1, "120") + "1\n1,1\n1,0\n2\n-1,0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_EQ(run.htm.find("> pass"), std::string::npos);
    EXPECT_EQ(run.htm.find("> fail"), std::string::npos);
    EXPECT_TRUE(run.has("<TD>\n     1.00 shear</FONT></B></TD>\n"));
    EXPECT_TRUE(run.has("limits</TD>\n<TD>    0.00</TD><TD>    0.00</TD><TD>    0.00</TD><TD>    0.00</TD>\n"));
    EXPECT_TRUE(run.txt.ends_with("\nmin shear ratio =\t      0.0\t member =    1\n"
                                  "min moment ratio =\t      0.0\t member =    1\n\n"));
}

// Both joints fully fixed (n = 0): the end actions are the member loads as
// given. A = Sx = 1, Fy = 40: Va = 22 and Ma = 26.4 (as single precision);
// an action equal to its allowable fails, one just below passes.
TEST(GirderEdgeCases, ActionEqualToTheAllowableFails)
{
    BeamRun run("1,4,2,29000,40\n240,375,1,1\n1\n1,1\n2\n1,1\n0,1\n1\n22,26.4,21.99,-26.39\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.has("<TD>\n    22.00" + fail_mark + " shear</FONT></B></TD>\n<TD>\n    26.40" + fail_mark +
                        " bending moment</FONT></B></TD>\n<TD>\n    21.99" + pass_mark +
                        " shear</FONT></B></TD>\n<TD>\n   -26.39" + pass_mark + " bending moment"));
    EXPECT_TRUE(run.txt.ends_with("min shear ratio =\t      1.0\t member =    1\n"
                                  "min moment ratio =\t      1.0\t member =    1\n\n"));
}

// ---------------------------------------------------------------------------
// Capacity: 20 spans of 240 in on 21 supports (42 rows of the matrix), w =
// 0.1 kip/in on each. The three-moment equation for equal spans,
// M(k-1) + 4M(k) + M(k+1) = -wL^2/2, gives M = -wL^2/12 far from the ends
// and, from M = 0 at the end support, M(k) = -wL^2/12 (1 - r^k) with
// r = sqrt(3) - 2: over the first interior support -wL^2 (3 - sqrt(3))/12 =
// -608.6 in-kips, at the end support wL/2 + M(1)/L = 9.464 kips; at the
// middle (k = 10, r^10 = 2e-6) -wL^2/12 = -480 and a reaction of wL = 24.
TEST(GirderCapacity, TwentySpanBeamRunsToCompletion)
{
    std::string input = "20,21,21,29000,36\n" + spans(20, "240");
    for (int j = 1; j <= 21; ++j)
        input += std::to_string(j) + "\n1,0\n";
    input += "0,20\n";
    for (int i = 1; i <= 20; ++i)
        input += std::to_string(i) + "\n" + uniform;
    BeamRun run(input);
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_EQ(run.result.console, "successfully completed\n");
    const double wL2 = 0.1 * 240 * 240, m1 = -wL2 * (3 - std::sqrt(3.0)) / 12;
    EXPECT_NEAR(end_action(run, 21, 1, 4), m1, 1e-2);
    EXPECT_NEAR(joint(run, 1, 3), 12 + m1 / 240, 1e-4);
    EXPECT_NEAR(joint(run, 21, 3), 12 + m1 / 240, 1e-4);
    EXPECT_NEAR(end_action(run, 21, 10, 4), -wL2 / 12, 1e-2);
    EXPECT_NEAR(joint(run, 11, 3), 24.0, 1e-4);
    EXPECT_TRUE(run.has("<TR>\n<TD>\n 20  </TD>\n"));
    EXPECT_TRUE(run.has("<TR>\n<TD>\n  21</TD><TD>   0.00 (inches)</TD>"));
}

// The same 240 in cantilever with 10 kips at its tip, cut into 20 members of
// 12 in: single precision alone gives a support reaction of 9.96 kips; the
// refined solution gives the statics, P and P*L, and the tip P*L^3/3EI to
// the few parts in 10^4 that the members' stiffness in single precision
// allows.
TEST(GirderCapacity, CantileverOfTwentyMembersIsRefinedToItsStatics)
{
    std::string input = "20,2,1,29000,36\n" + spans(20, "12") + "1\n1,1\n1,0\n21\n-10,0\n";
    BeamRun run(input);
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_TRUE(run.result.console.starts_with("ill-conditioned equations: the solution was refined in "));
    EXPECT_NEAR(joint(run, 1, 3), 10.0, 1e-3);
    EXPECT_NEAR(joint(run, 1, 4), 2400.0, 0.5);
    EXPECT_NEAR(joint(run, 21, 1), -10 * 240.0 * 240 * 240 / (3 * EI), 5e-4 * 10 * 240.0 * 240 * 240 / (3 * EI));
}

// ---------------------------------------------------------------------------
// Error stops: exit status 1, the report closed by the footer, no CSV and no
// summary.
using qmtest::expect_error_stop;

// Member 2 of 3 has length 0: the stop follows its own row; member 3 is not
// echoed.
TEST(GirderStops, ZeroLengthMemberStopsAfterItsRow)
{
    BeamRun run("3,3,3,29000,36\n240," + w16 + "0," + w16 + "240," + w16);
    expect_error_stop(run);
    EXPECT_EQ(run.result.console, "\nERROR - length was 0\n");
    EXPECT_TRUE(run.ends_with("<TR>\n<TD>\n2</TD><TD>   0.000</TD><TD> 375.000</TD><TD>   9.130</TD><TD>  47.200"
                              "</TD>\n</TR>\n<TR>\n<TD>\n\nERROR\tdivide by 0\n</TD>\n</TR>\n" +
                              footer));
}

// Ix = 0 gives the member no stiffness: both free equations of the
// cantilever's tip (1 and 2) have a zero diagonal.
TEST(GirderStops, ZeroOnThePrimaryDiagonal)
{
    BeamRun run("1,2,1,29000,36\n240,0,9.13,47.2\n1\n1,1\n1,0\n2\n-1,0\n");
    expect_error_stop(run);
    EXPECT_EQ(run.result.console, "\nERROR\t0 on primary diagonal<BR>\n");
    EXPECT_TRUE(run.ends_with("unrestrained</TD></TR>\n</TABLE>\n<TR>\n<TD>\n\nERROR</TD><TD>0 on primary diagonal"
                              "<BR>\nand entire array columns.<BR>\nStructure is indeterminante<BR>\n1<BR>\n2<BR>\n"
                              "array size =</TD><TD>2\n1,2,2,1\n</TR>\n</TD>\n" +
                              footer));
    EXPECT_FALSE(run.has("Joint Loads"));
}

// A beam on a single roller at joint 1 turns about it. Its free equations
// are rotation 1, translation 2 and rotation 2; once the first two are
// eliminated the last has no stiffness left.
TEST(GirderStops, BeamOnASingleRollerIsAMechanism)
{
    BeamRun run("1,1,1,29000,36\n" + spans(1, "240") + "1\n1,0\n1,0\n2\n-1,0\n");
    expect_error_stop(run);
    EXPECT_EQ(run.result.console,
              "unstable or ill-conditioned structure: no stiffness left against rotation of joint 2\n");
    EXPECT_FALSE(run.has("Joint Loads"));
}

struct Hostile {
    const char* name;
    std::string input;
    const char* console;
};

void PrintTo(const Hostile& h, std::ostream* os)
{
    *os << h.name;
}

class GirderHostile : public ::testing::TestWithParam<Hostile> {};

TEST_P(GirderHostile, StopsWithFileLineAndRecord)
{
    BeamRun run(GetParam().input);
    expect_error_stop(run);
    EXPECT_EQ(run.result.console, std::string(GetParam().console) + "\n");
    EXPECT_TRUE(run.ends_with("\nERROR\t" + std::string(GetParam().console) + "\n" + footer));
}

const std::string one = "1,2,1,29000,36\n" + spans(1, "240");

INSTANTIATE_TEST_SUITE_P(
    Girder, GirderHostile,
    ::testing::Values(
        Hostile{"JointCountInHeader", "1,2,2,1\n",
                "beam.in:1: structure header: expected 5 comma-separated numbers, found no comma after field 4"},
        Hostile{"TwentyOneMembers", "21,2,1,29000,36\n",
                "beam.in:1: structure header: number of members (m) 21 is outside 0..20"},
        Hostile{"MoreRestraintsThanDegreesOfFreedom", "1,5,2,29000,36\n",
                "beam.in:1: structure header: number of support restraints (nr) 5 is outside 0..4"},
        Hostile{"RealModulus", "1,2,1,29000.5,36\n",
                "beam.in:1: structure header: expected 5 comma-separated numbers, found \"29000.5\" as field 4, "
                "not a whole number"},
        Hostile{"TruncatedMember", "1,2,1,29000,36\n240,375\n",
                "beam.in:2: member 1: expected 4 comma-separated numbers, found no comma after field 2"},
        Hostile{"RestraintJointOutOfRange", one + "3\n1,1\n", "beam.in:3: restraint 1: joint 3 is outside 1..2"},
        Hostile{"RestraintFlagTwo", one + "1\n1,2\n", "beam.in:4: restraint 1: flag 2 is outside 0..1"},
        Hostile{"RestraintCountDisagrees", one + "1\n1,0\n",
                "beam.in:4: restraints: number of support restraints (nr) is 2 but 1 restraint flags are set"},
        Hostile{"JointLoadOutOfRange", one + "1\n1,1\n1,0\n3\n0,0\n",
                "beam.in:6: joint load 1: joint 3 is outside 1..2"},
        Hostile{"MemberLoadOutOfRange", one + "1\n1,1\n0,1\n0\n0,0,0,0\n",
                "beam.in:6: member load 1: member 0 is outside 1..1"}),
    [](const ::testing::TestParamInfo<Hostile>& p) { return std::string(p.param.name); });

} // namespace
