// girder end to end: continuous beams whose reactions, moments and
// deflections follow by hand (beam tables, the three-moment equation), the
// checks at their allowables, the capacity of 20 members and the header
// checks of the beam's own. The exact report, CSV and summary of the example
// and of each error stop are compared by golden_test.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "harness.h"

using qmtest::csv_value;

namespace {

using qmtest::fail_mark;
using qmtest::heading;
using qmtest::pass_mark;

struct BeamRun : qmtest::Analysis {
    explicit BeamRun(const std::string& input) : Analysis(qmtest::analyse(GIRDER, "beam", input)) {}
};

// W16x31, E = 29000 ksi: EI = 29000 * 375 = 10875000 kip-in^2. Allowables:
// shear on the web, d tw = 15.9 * 0.275 = 4.37 in^2, Va = 0.40*4.37*36 =
// 62.928 kips; Ma = 47.2*36*0.66 = 1121.472 in-kips.
const double EI = 29000.0 * 375;
const std::string w16 = "375,9.13,47.2,4.37\n";

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
double joint(const BeamRun& r, int j, int field) { return csv_value(r.csv, j, field); }
double end_action(const BeamRun& r, int nj, int i, int k) { return csv_value(r.csv, nj + 2 * i - 1, k); }

// A uniform load w = 0.1 kip/in on a 240 in span as fixed-end actions:
// wL/2 = 12 kips, wL^2/12 = 480 in-kips.
const std::string uniform = "12,480,12,-480\n";

// ---------------------------------------------------------------------------
// Propped cantilever, L = 240 in, fixed at joint 1, roller at joint 2, under
// w = 0.1 kip/in: prop reaction 3wL/8 = 9, fixed end 5wL/8 = 15, fixed-end
// moment wL^2/8 = 720, prop rotation wL^3/(48EI) = 0.0026483 rad; the limits
// are Va and Ma.
TEST(GirderProppedCantilever, ReactionsRotationAndEndActionsMatchTheBeamTable)
{
    BeamRun run("1,3,2,29000,36\n" + spans(1, "240") + "2\n1,0\n1\n1,1\n0,1\n1\n" + uniform);
    qmtest::expect_success(run);
    EXPECT_EQ(run.csv, "1,2,3,2\n"
                       "1,0.000000,0.000000,15.000000,720.000000\n"
                       "2,0.000000,0.002648,9.000000,0.000000\n"
                       "1,15.000000,720.000000,9.000000,0.000000\n"
                       ",62.927998,1121.472046,62.927998,1121.472046\n\n");
    EXPECT_TRUE(run.has("<TD>   62.93</TD><TD> 1121.47</TD><TD>   62.93</TD><TD> 1121.47</TD>"));
    EXPECT_NEAR(joint(run, 2, 2), 0.1 * std::pow(240.0, 3) / (48 * EI), 1e-6);
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
// Cantilever of one member, L = 120 in, fixed at joint 1,
// P = -1 kip at the tip, no member loads: tip deflection PL^3/(3EI) =
// -0.05297 in, tip rotation PL^2/(2EI) = -0.000662 rad, support force 1 and
// moment 120. The end actions come from the displacements alone.
TEST(GirderEdgeCases, CantileverOfOneMember)
{
    BeamRun run("1,2,1,29000,36\n" + spans(1, "120") + "1\n1,1\n1,0\n2\n-1,0\n");
    ASSERT_EQ(run.result.status, 0) << run.result.console;
    EXPECT_NEAR(joint(run, 2, 1), -std::pow(120.0, 3) / (3 * EI), 1e-6);
    EXPECT_NEAR(joint(run, 2, 2), -120.0 * 120 / (2 * EI), 1e-6);
    EXPECT_NEAR(joint(run, 1, 3), 1.0, 1e-5);
    EXPECT_NEAR(joint(run, 1, 4), 120.0, 1e-3);
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

// Both joints fully fixed (n = 0): the end actions are the member loads as
// given. Aw = 1.375, Sx = 1, Fy = 40: Va = 22 and Ma = 26.4 (as single
// precision);
// an action equal to its allowable fails, one just below passes.
TEST(GirderEdgeCases, ActionEqualToTheAllowableFails)
{
    BeamRun run("1,4,2,29000,40\n240,375,1,1,1.375\n1\n1,1\n2\n1,1\n0,1\n1\n22,26.4,21.99,-26.39\n");
    qmtest::expect_failing_member(run);
    EXPECT_TRUE(run.has("<TD>\n    22.00" + fail_mark + " shear</FONT></B></TD>\n<TD>\n    26.40" + fail_mark +
                        " bending moment</FONT></B></TD>\n<TD>\n    21.99" + pass_mark +
                        " shear</FONT></B></TD>\n<TD>\n   -26.39" + pass_mark + " bending moment"));
    EXPECT_TRUE(run.txt.ends_with("min shear ratio =\t      1.0\t member =    1\n"
                                  "min moment ratio =\t      1.0\t member =    1\n\n"
                                  "Checked at their ends only, not along their spans: member 1, which carries a "
                                  "member load; quillmark checks along the span\n"));
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
    qmtest::expect_success(run);
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
// allows. The support moment P*L = 2400 exceeds Ma = 1121.47: status 2.
TEST(GirderCapacity, CantileverOfTwentyMembersIsRefinedToItsStatics)
{
    std::string input = "20,2,1,29000,36\n" + spans(20, "12") + "1\n1,1\n1,0\n21\n-10,0\n";
    BeamRun run(input);
    ASSERT_EQ(run.result.status, 2) << run.result.console;
    // Refinement moves the displacements by 0.3 % of the largest: not called
    // ill-conditioned.
    EXPECT_TRUE(run.result.console.starts_with("the single-precision solution was refined in ")) << run.result.console;
    EXPECT_NEAR(joint(run, 1, 3), 10.0, 1e-3);
    EXPECT_NEAR(joint(run, 1, 4), 2400.0, 0.5);
    EXPECT_NEAR(joint(run, 21, 1), -10 * 240.0 * 240 * 240 / (3 * EI), 5e-4 * 10 * 240.0 * 240 * 240 / (3 * EI));
}

// ---------------------------------------------------------------------------
// What the beam's own header decides: E is a whole number, and nr may not
// exceed the 2(m + 1) degrees of freedom of the beam.
TEST(GirderStops, HeaderOfTheBeamIsCheckedAsItsOwn)
{
    const std::pair<std::string, std::string> cases[] = {
        {"1,2,1,29000.5,36\n", "beam.in:1: structure header: expected 5 comma-separated numbers, found \"29000.5\" "
                               "as field 4, not a whole number"},
        {"1,5,2,29000,36\n", "beam.in:1: structure header: number of support restraints (nr) 5 is outside 0..4"}};
    for (const auto& [input, line] : cases)
        qmtest::expect_stop_on(BeamRun(input), line);
}

} // namespace
