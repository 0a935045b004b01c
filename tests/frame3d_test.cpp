// frame3d end to end: closed-form structures, equilibrium, every error stop
// with its exit status, hostile input files and unstable structures.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "harness.h"
#include "space_frame_generator.h"

using qmtest::csv_value;
using qmtest::expect_error_stop;
using qmtest::expect_success;
using qmtest::ProgramDir;
using qmtest::RunResult;

namespace {

// Section used throughout: A = 10, ix = 1, iy = 50, iz = 100, E = 29000; a
// record without section moduli or shear areas. With them: Sy = 25, Sz =
// 100 in^3, so the allowable moments are 0.66*25*36 = 594 and 0.66*100*36 =
// 2376, and web areas Awy = Awz = 13.75 in^2, so the allowable shears are
// 0.40*13.75*36 = 198.
const std::string section = "10,1,50,100,29000,11000,36,2,2";
const std::string section_with_moduli = section + ",25,100,13.75,13.75";
const double E = 29000, Iy = 50, Iz = 100;

using Outcome = qmtest::Analysis;

Outcome analyse(const std::string& input) { return qmtest::analyse(FRAME3D, "spacefr", input); }

// CSV lines: 0 counts, then nj displacement lines, nj reaction lines, two per member.
double displacement(const Outcome& o, int joint, int k) { return csv_value(o.csv, joint, k); }
double reaction(const Outcome& o, int nj, int joint, int k) { return csv_value(o.csv, nj + joint, k); }
double end_action(const Outcome& o, int nj, int member, int k) { return csv_value(o.csv, 2 * nj + 2 * member - 1, k); }

// Completed after refining the single-precision solution in double precision.
void expect_refined(const Outcome& o)
{
    ASSERT_EQ(o.result.status, 0) << o.result.console;
    EXPECT_NE(o.result.console.find("the single-precision solution"), std::string::npos) << o.result.console;
    EXPECT_TRUE(o.result.console.ends_with("\nsuccessfully completed\n")) << o.result.console;
}

// ---------------------------------------------------------------- beams

// Fixed-fixed beam of span 240 in two members, central load P = 10 kips down:
// end moments P*L/8 = 300, central deflection P*L^3/(192*E*Iz).
TEST(Frame3dBeams, FixedFixedBeamUnderCentralLoad)
{
    Outcome o = analyse("2,3,12,2\n0,0,0\n120,0,0\n240,0,0\n"
                        "1,2," + section + "\n2,3," + section + "\n"
                        "1\n1,1,1,1,1,1\n3\n1,1,1,1,1,1\n"
                        "1,0\n2\n0,-10,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(displacement(o, 2, 2), -10 * std::pow(240.0, 3) / (192 * E * Iz), 1e-5);
    EXPECT_NEAR(reaction(o, 3, 1, 2), 5.0, 1e-4);
    EXPECT_NEAR(reaction(o, 3, 3, 2), 5.0, 1e-4);
    EXPECT_NEAR(reaction(o, 3, 1, 6), 10 * 240 / 8.0, 1e-2);
    EXPECT_NEAR(reaction(o, 3, 3, 6), -10 * 240 / 8.0, 1e-2);
    // Member 1: start moment +PL/8, end moment (at midspan) +PL/8 sagging.
    EXPECT_NEAR(end_action(o, 3, 1, 6), 300.0, 1e-2);
    EXPECT_NEAR(end_action(o, 3, 1, 12), 300.0, 1e-2);
}

// A cantilever loaded only by a uniform load w = 0.1 kip/in given as its
// fixed-end actions: tip deflection -w*L^4/(8*E*Iz), support moment w*L^2/2,
// and the end actions are the fixed-end actions plus the elastic ones.
TEST(Frame3dBeams, MemberLoadAloneOnACantilever)
{
    const double w = 0.1, L = 120;
    Outcome o = analyse("1,2,6,1\n0,0,0\n120,0,0\n1,2," + section + "\n1\n1,1,1,1,1,1\n"
                        "0,1\n1\n0,6,0,0,0,120,0,6,0,0,0,-120\n0\n");
    expect_success(o);
    EXPECT_NEAR(displacement(o, 2, 2), -w * std::pow(L, 4) / (8 * E * Iz), 1e-5);
    EXPECT_NEAR(reaction(o, 2, 1, 2), w * L, 1e-4);
    EXPECT_NEAR(reaction(o, 2, 1, 6), w * L * L / 2, 1e-2);
    EXPECT_NEAR(end_action(o, 2, 1, 2), w * L, 1e-4);
    EXPECT_NEAR(end_action(o, 2, 1, 6), w * L * L / 2, 1e-2);
    EXPECT_NEAR(end_action(o, 2, 1, 8), 0.0, 1e-4);
    EXPECT_NEAR(end_action(o, 2, 1, 12), 0.0, 1e-2);
    EXPECT_NE(o.htm.find("<TR>\n<TD>\n1</TD><TD>   0.000</TD><TD>   6.000</TD><TD>   0.000</TD><TD>   0.000</TD><TD>"
                         "   0.000</TD><TD> 120.000</TD><TD>   0.000</TD><TD>   6.000</TD>"),
              std::string::npos);
    EXPECT_NE(o.htm.find("<BR>No loaded joints<BR>\n"), std::string::npos);
}

// A vertical column takes the vertical member axes: member z is global z, so
// a load along global x bends it about member z (iz) and a load along global
// z bends it about member y (iy).
TEST(Frame3dBeams, VerticalCantileverBendsAboutTheRightAxes)
{
    const double P = 2, L = 144;
    Outcome o = analyse("1,2,6,1\n0,0,0\n0,144,0\n1,2," + section + "\n1\n1,1,1,1,1,1\n"
                        "1,0\n2\n2,0,2,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(displacement(o, 2, 1), P * L * L * L / (3 * E * Iz), 1e-5);
    EXPECT_NEAR(displacement(o, 2, 3), P * L * L * L / (3 * E * Iy), 1e-5);
    EXPECT_NEAR(reaction(o, 2, 1, 1), -P, 1e-4);
    EXPECT_NEAR(reaction(o, 2, 1, 3), -P, 1e-4);
    // Base moments oppose r x F with r = (0, L, 0): -(L*P) about x, +(L*P) about z.
    EXPECT_NEAR(reaction(o, 2, 1, 4), -P * L, 1e-2);
    EXPECT_NEAR(reaction(o, 2, 1, 6), P * L, 1e-2);
}

// A cantilever sloped out of every coordinate plane, r = (60, 80, 40) from
// its fixed joint 1 to its tip, with P = (0, -1, 0) at the tip: the support
// moment is -r x P = (-(80*0 - 40*(-1)), -(40*0 - 60*0), -(60*(-1) - 80*0))
// = (-40, 0, 60) inch-kips, however the member axes lie, as long as they are
// right.
TEST(Frame3dBeams, SlopedCantileverSupportMomentIsMinusRCrossP)
{
    Outcome o = analyse("1,2,6,1\n0,0,0\n60,80,40\n1,2," + section + "\n1\n1,1,1,1,1,1\n1,0\n2\n0,-1,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(reaction(o, 2, 1, 4), -40.0, 1e-2);
    EXPECT_NEAR(reaction(o, 2, 1, 5), 0.0, 1e-2);
    EXPECT_NEAR(reaction(o, 2, 1, 6), 60.0, 1e-2);
}

// Each moment is checked against the modulus of its own axis: the vertical
// cantilever above with P = 2 kips along x and along z carries P*L = 288
// inch-kips about member y (against 594) and about member z (against 2376).
// Torsion is never checked: limit 0, no mark, no rotation line, one note.
TEST(Frame3dBeams, MomentsAreCheckedAboutTheirOwnAxes)
{
    Outcome o = analyse("1,2,6,1\n0,0,0\n0,144,0\n1,2," + section_with_moduli + "\n1\n1,1,1,1,1,1\n"
                        "1,0\n2\n2,0,2,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NE(o.htm.find("<TD>\n        0.00</TD>\n<TD>\n      594.00</TD>\n<TD>\n     2376.00</TD>\n"),
              std::string::npos);
    EXPECT_NE(o.htm.find("<TD>\n   0.000<BR> torsion</TD>"), std::string::npos);
    EXPECT_NE(o.htm.find("</TD><TD>S<sub>y</sub> (in<sup>3</sup>)</TD><TD>S<sub>z</sub> (in<sup>3</sup>)</TD><TD>"
                         "A<sub>wy</sub> (in<sup>2</sup>)</TD><TD>A<sub>wz</sub> (in<sup>2</sup>)\n"),
              std::string::npos);
    EXPECT_NE(o.txt.find("min moment ratio =\t      2.1\t member =    1\n"), std::string::npos);
    EXPECT_EQ(o.txt.find("rotation"), std::string::npos);
    EXPECT_TRUE(o.htm.ends_with("</TR>\n\n</TABLE>\n<BR>Torsion not checked: no member record gives the section "
                                "shape an allowable torque needs<BR>\n"));
}

// Two members joining the same pair of joints both count: two identical
// cantilevers side by side deflect half as much as one.
TEST(Frame3dBeams, ParallelMembersBetweenTheSameJointsAddUp)
{
    Outcome o = analyse("2,2,6,1\n0,0,0\n120,0,0\n1,2," + section + "\n1,2," + section +
                        "\n1\n1,1,1,1,1,1\n1,0\n2\n0,-1,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(displacement(o, 2, 2), -std::pow(120.0, 3) / (3 * E * Iz) / 2, 1e-5);
    EXPECT_NEAR(end_action(o, 2, 1, 2), 0.5, 1e-4);
    EXPECT_NEAR(end_action(o, 2, 2, 2), 0.5, 1e-4);
}

// A member record with area 0 takes the built-in section, shown in the echo
// and used in the analysis: axial tip displacement P*L/(E*2.94).
TEST(Frame3dBeams, AreaZeroTakesTheDefaultSection)
{
    Outcome o = analyse("1,2,6,1\n0,0,0\n120,0,0\n1,2,0,7,7,7,7,7,7,7,7\n1\n1,1,1,1,1,1\n"
                        "1,0\n2\n10,0,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NE(o.htm.find(" 1</TD><TD> 1</TD><TD> 2</TD><TD>   2.940</TD><TD>  10.000</TD><TD>  12.300</TD><TD>   "
                         "1.220</TD><TD>   0.114</TD><TD>29000.000</TD><TD>11000.000</TD><TD>  36.000</TD><TD>   "
                         "0.643</TD><TD>   2.050</TD>"),
              std::string::npos);
    EXPECT_NEAR(displacement(o, 2, 1), 10 * 120 / (29000 * 2.94), 1e-6);
    // Start axial force -10: tension, allowable 0.6*2.94*36 = 63.504.
    EXPECT_NE(o.htm.find("<TD>\n -10.000<B><FONT COLOR=\"green\" FACE=\"Times New Roman\"> pass<BR> tension</TD>"),
              std::string::npos);
    EXPECT_NE(o.htm.find("<TD>\n       63.50</TD>"), std::string::npos);
    EXPECT_NE(o.txt.find("min tensile ratio =\t      6.4\t member =    1\n"), std::string::npos);
}

// A dummy member keeps its actions in the report and the CSV but sets no
// minimum in the summary: the moment ratio 2376/300 = 7.9 is member 2's.
TEST(Frame3dBeams, DummyMemberSetsNoMinimum)
{
    Outcome o = analyse("2,3,12,2\n0,0,0\n120,0,0\n240,0,0\n"
                        "1,2," + section_with_moduli + "\n2,3," + section_with_moduli + "\n"
                        "1\n1,1,1,1,1,1\n3\n1,1,1,1,1,1\n"
                        "1,0\n2\n0,-10,0,0,0,0\n1\n1\n");
    expect_success(o);
    EXPECT_NEAR(end_action(o, 3, 1, 6), 300.0, 1e-2);
    EXPECT_NE(o.txt.find("\ndummy member - 1\n\n"), std::string::npos);
    EXPECT_NE(o.txt.find("min moment ratio =\t      7.9\t member =    2\n"), std::string::npos);
    EXPECT_NE(o.txt.find("min shear ratio =\t     39.6\t member =    2\n"), std::string::npos);
    EXPECT_TRUE(o.csv.size() > 4 && o.csv.substr(o.csv.size() - 4) == "1\n1\n");
}

// A record of old, without moduli or shear areas: its shears and moments
// are shown with their labels, no mark and the limit 0, feed no summary
// line, and one note each says so; its echo has no column for either.
TEST(Frame3dBeams, OldRecordWithoutShearAreasHasNoShearVerdict)
{
    Outcome o = analyse("1,2,6,1\n0,0,0\n120,0,0\n1,2," + section + "\n1\n1,1,1,1,1,1\n1,0\n2\n0,-1,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NE(o.htm.find("<TD>\n   1.000<BR> shear</TD>"), std::string::npos);
    EXPECT_NE(o.htm.find("</TR><TR>\n\n<TD>\nlimit</TD>\n<TD>\n      174.30</TD>\n<TD>\n        0.00</TD>\n<TD>\n"
                         "        0.00</TD>\n"),
              std::string::npos);
    EXPECT_EQ(o.txt.find("shear"), std::string::npos);
    EXPECT_EQ(o.htm.find("A<sub>w"), std::string::npos);
    EXPECT_EQ(o.htm.find("combined</TD>"), std::string::npos);
    EXPECT_TRUE(o.htm.ends_with("</TABLE>\n<BR>Bending not checked where the member record gives no section "
                                "modulus<BR>\n<BR>Axial force and bending not checked together where the member "
                                "record gives no section modulus<BR>\n<BR>Shear not checked where the member record "
                                "gives no shear area<BR>\n<BR>Torsion not checked: no member record gives the "
                                "section shape an allowable torque needs<BR>\n"));
}

// Beam-columns bent about both axes, each member between fixed joints so
// that its end actions are the member loads as given. K = 1, L = 120, rx =
// 3 (bending about member z, Sz = 100: Mbz = 2376) and ry = 2 (about member
// y, Sy = 25: Mby = 594): Pc = A Fa(60), F'e = Fe(40) about z and Fe(60)
// about y; Pt = 216.
TEST(Frame3dBeamColumn, InteractionOverBothAxesFollowsTheAllowableStressFormulas)
{
    const std::string beam_column = "10,1,50,100,29000,11000,36,3,2,25,100,13.75,13.75";
    const std::string stocky = "10,1,50,100,29000,11000,36,30,30,25,100,13.75,13.75"; // s = 4
    std::string in = "4,5,30,5\n";
    for (int j = 0; j <= 4; ++j)
        in += std::to_string(120 * j) + ",0,0\n";
    const std::string sections[4] = {beam_column, stocky, beam_column, beam_column};
    for (int i = 1; i <= 4; ++i)
        in += std::to_string(i) + "," + std::to_string(i + 1) + "," + sections[i - 1] + "\n";
    for (int j = 1; j <= 5; ++j)
        in += std::to_string(j) + "\n1,1,1,1,1,1\n";
    // Start Fx, Fy, Fz, Mx, My, Mz, then the end's; compression is positive
    // at the start and negative at the end.
    in += "0,4\n1\n80,0,0,0,150,600,-80,0,0,0,-150,-600\n2\n40,0,0,0,300,0,-40,0,0,0,-300,0\n"
          "3\n17,0,0,0,100,500,-17,0,0,0,-100,-500\n4\n-108,0,0,0,100,500,108,0,0,0,-100,-500\n0\n";
    Outcome o = analyse(in);
    expect_success(o);
    const double Mby = 594, Mbz = 2376, Pt = 216, Cm = 0.85;
    const double Pc = 10 * qmtest::hand_column_stress(60, 29000, 36);
    const double Pez = 10 * qmtest::hand_euler_stress(40, 29000), Pey = 10 * qmtest::hand_euler_stress(60, 29000);
    std::vector<double> v = qmtest::combined_values(o.htm);
    ASSERT_EQ(v.size(), 8u);
    // fa/Fa = 0.46: the moments amplified in their own planes govern.
    double stability = 80 / Pc + Cm * (150 / Mby) / (1 - 80 / Pey) + Cm * (600 / Mbz) / (1 - 80 / Pez);
    ASSERT_GT(stability, 80 / Pt + 150 / Mby + 600 / Mbz);
    EXPECT_NEAR(v[0], stability, 1e-3);
    EXPECT_NEAR(v[1], stability, 1e-3);
    // A stocky column: the yield of the end section governs.
    const double Pc_stocky = 10 * qmtest::hand_column_stress(4, 29000, 36);
    ASSERT_GT(40 / Pt + 300 / Mby, 40 / Pc_stocky + Cm * (300 / Mby) / (1 - 40 / (10 * qmtest::hand_euler_stress(4, 29000))));
    EXPECT_NEAR(v[2], 40 / Pt + 300 / Mby, 1e-3);
    // fa/Fa = 0.098: the plain sum; tension with bending likewise.
    ASSERT_LE(17 / Pc, 0.15);
    EXPECT_NEAR(v[4], 17 / Pc + 100 / Mby + 500 / Mbz, 1e-3);
    EXPECT_NEAR(v[6], 108 / Pt + 100 / Mby + 500 / Mbz, 1e-3);
    EXPECT_NEAR(v[7], 108 / Pt + 100 / Mby + 500 / Mbz, 1e-3);
}

// A full-size building frame: the reactions balance the loads (two lateral
// loads of 2 kips in x and a vertical load of 10 kips per level, 9 levels).
// Its slender braces fail in compression.
TEST(Frame3dLarge, FullSizeFrameReactionsBalanceTheLoads)
{
    qmtools::BuildingFrame b;
    Outcome o = analyse(qmtools::make_space_frame_input(b));
    qmtest::expect_failing_member(o);
    double fx = 0, fy = 0;
    for (int j = 1; j <= 25; ++j) {
        fx += reaction(o, 250, j, 1);
        fy += reaction(o, 250, j, 2);
    }
    EXPECT_NEAR(fx, -2.0 * 9, 1e-2);
    EXPECT_NEAR(fy, 10.0 * 9, 1e-2);
}

// ---------------------------------------------------------------- stops

TEST(Frame3dStops, ZeroLengthMemberStopsInsideTheMemberTable)
{
    Outcome o = analyse("2,3,6,1\n0,0,0\n120,0,0\n120,0,0\n1,2," + section + "\n2,3," + section +
                        "\n1\n1,1,1,1,1,1\n1,0\n2\n0,-1,0,0,0,0\n0\n");
    expect_error_stop(o);
    EXPECT_EQ(o.result.console, "\nERROR - divide by 0\none length was 0\n");
    EXPECT_NE(o.htm.find("</TD>\n</TR>\n\nERROR\tdivide by 0\ni = 2\njk[i] = 3.000000    jj[i] = 2.000000\n"
                         "xcl = 0.000000  ycl = 0.000000  zcl = 0.000000\n\n            </FONT>"),
              std::string::npos);
    EXPECT_NE(o.htm.find(" 1</TD><TD> 1</TD><TD> 2</TD>"), std::string::npos);
    EXPECT_EQ(o.htm.find("Joint Restraints"), std::string::npos);
}

// Joint 3 has no member: its six equations have no stiffness.
TEST(Frame3dStops, UnconnectedJointStopsOnTheZeroDiagonal)
{
    Outcome o = analyse("1,3,6,1\n0,0,0\n120,0,0\n240,0,0\n1,2," + section +
                        "\n1\n1,1,1,1,1,1\n1,0\n2\n0,-1,0,0,0,0\n0\n");
    expect_error_stop(o);
    EXPECT_EQ(o.result.console, "\nERROR\t0 on primary diagonal\n");
    EXPECT_NE(o.htm.find("\nERROR\t0 on primary diagonal\nand entire array columns.\nStructure is indeterminate\n"
                         "diagonal entry = 7\ndiagonal entry = 8\ndiagonal entry = 9\ndiagonal entry = 10\n"
                         "diagonal entry = 11\ndiagonal entry = 12\narray size = 12\n1,3,6,1\n            </FONT>"),
              std::string::npos);
    EXPECT_EQ(o.htm.find("Global Load Information"), std::string::npos);
}

struct BadInput {
    const char* name;
    std::string input;
    std::string console;
};

void PrintTo(const BadInput& b, std::ostream* os) { *os << b.name; }

class Frame3dBadInput : public ::testing::TestWithParam<BadInput> {};

TEST_P(Frame3dBadInput, StopsNamingFileLineAndRecord)
{
    Outcome o = analyse(GetParam().input);
    expect_error_stop(o);
    EXPECT_EQ(o.result.console, GetParam().console + "\n");
    EXPECT_NE(o.htm.find("\nERROR\t" + GetParam().console + "\n"), std::string::npos);
}

const std::string head = "1,2,6,1\n0,0,0\n120,0,0\n";
const std::string member = "1,2," + section + "\n";
const std::string restraint = "1\n1,1,1,1,1,1\n";
const std::string loads = "1,0\n2\n0,-1,0,0,0,0\n";

INSTANTIATE_TEST_SUITE_P(
    Hostile, Frame3dBadInput,
    ::testing::Values(
        BadInput{"garbage", "hello world\n",
                 "spacefr.in:1: structure counts: expected 4 comma-separated numbers, found \"hello\" as field 1, "
                 "not a whole number"},
        BadInput{"empty", "", "spacefr.in:1: structure counts: expected 4 comma-separated numbers, found end of file "
                              "at field 1"},
        BadInput{"missing_comma", "1,2,6 1\n",
                 "spacefr.in:1: structure counts: expected 4 comma-separated numbers, found no comma after field 3"},
        BadInput{"truncated_member", head + "1,2,10,1,100\n",
                 "spacefr.in:4: member 1: expected 11 comma-separated numbers, found no comma after field 5"},
        BadInput{"nan", head + "1,2,10,nan,50,100,29000,11000,36,2,2\n",
                 "spacefr.in:4: member 1: expected 11 comma-separated numbers, found \"nan\" as field 4, not a "
                 "finite number"},
        BadInput{"overflowing_real", head + "1,2,10,1e99,50,100,29000,11000,36,2,2\n",
                 "spacefr.in:4: member 1: expected 11 comma-separated numbers, found \"1e99\" as field 4, not a "
                 "finite number"},
        BadInput{"overflowing_count", "99999999999,2,6,1\n",
                 "spacefr.in:1: structure counts: expected 4 comma-separated numbers, found \"99999999999\" as "
                 "field 1, out of range"},
        BadInput{"real_for_joint_number", head + "1.5,2," + section + "\n",
                 "spacefr.in:4: member 1: expected 11 comma-separated numbers, found \"1.5\" as field 1, not a "
                 "whole number"},
        BadInput{"too_many_members", "1001,2,6,1\n",
                 "spacefr.in:1: structure counts: number of members (m) 1001 is outside 0..1000"},
        BadInput{"too_many_joints", "1,251,6,1\n",
                 "spacefr.in:1: structure counts: number of joints (nj) 251 is outside 0..250"},
        BadInput{"negative_joints", "1,-2,6,1\n",
                 "spacefr.in:1: structure counts: number of joints (nj) -2 is outside 0..250"},
        BadInput{"negative_restraints", "1,2,-6,1\n",
                 "spacefr.in:1: structure counts: number of support restraints (nr) -6 is outside 0..1500"},
        BadInput{"too_many_restrained_joints", "1,2,6,300\n",
                 "spacefr.in:1: structure counts: number of restrained joints (nrj) 300 is outside 0..250"},
        BadInput{"joint_number_beyond_nj", head + "1,3," + section + "\n",
                 "spacefr.in:4: member 1: end joint 3 is outside 1..2"},
        BadInput{"joint_number_zero", head + "0,2," + section + "\n",
                 "spacefr.in:4: member 1: start joint 0 is outside 1..2"},
        BadInput{"restraint_joint_beyond_nj", head + member + "7\n1,1,1,1,1,1\n",
                 "spacefr.in:5: restraint 1: joint 7 is outside 1..2"},
        BadInput{"restraint_flag_two", head + member + "1\n1,1,2,1,1,1\n",
                 "spacefr.in:6: restraint 1: flag 2 is outside 0..1"},
        BadInput{"nr_disagrees_with_flags", "1,2,5,1\n0,0,0\n120,0,0\n" + member + restraint,
                 "spacefr.in:6: restraints: number of support restraints (nr) is 5 but 6 restraint flags are set"},
        BadInput{"joint_load_beyond_nj", head + member + restraint + "1,0\n9\n0,-1,0,0,0,0\n0\n",
                 "spacefr.in:8: joint load 1: joint 9 is outside 1..2"},
        BadInput{"member_load_beyond_m", head + member + restraint + "0,1\n2\n0,0,0,0,0,0,0,0,0,0,0,0\n0\n",
                 "spacefr.in:8: member load 1: member 2 is outside 1..1"},
        BadInput{"dummy_beyond_m", head + member + restraint + loads + "1\n5\n",
                 "spacefr.in:11: dummy member 1: member 5 is outside 1..1"},
        BadInput{"dummy_count_too_large", head + member + restraint + loads + "1001\n",
                 "spacefr.in:10: dummy members: number of dummy members 1001 is above 1000"},
        BadInput{"missing_dummy_count", head + member + restraint + loads,
                 "spacefr.in:10: dummy members: expected a number, found end of file at field 1"}),
    [](const ::testing::TestParamInfo<BadInput>& p) { return std::string(p.param.name); });

// A load or dummy count of zero or below means none.
TEST(Frame3dStops, NegativeCountsMeanNone)
{
    Outcome o = analyse(head + member + restraint + "1,-3\n2\n0,-1,0,0,0,0\n-1\n");
    expect_success(o);
    EXPECT_NEAR(displacement(o, 2, 2), -std::pow(120.0, 3) / (3 * E * Iz), 1e-5);
}

// ---------------------------------------------------------------- instability

void expect_unstable(const Outcome& o, const std::string& console)
{
    expect_error_stop(o);
    EXPECT_EQ(o.result.console, console + "\n");
    EXPECT_NE(o.htm.find("\nERROR\t" + console + "\n"), std::string::npos);
}

// Pinned at one end only: the member spins about its own axis.
TEST(Frame3dInstability, MemberPinnedAtOneEndSpins)
{
    expect_unstable(analyse("1,2,3,1\n0,0,0\n120,0,0\n1,2," + section +
                            "\n1\n1,1,1,0,0,0\n1,0\n2\n0,-1,0,0,0,0\n0\n"),
                    "unstable or ill-conditioned structure: no stiffness left against rotation x of joint 2");
}

const std::string portal = "0,0,0\n0,144,0\n240,144,0\n240,0,0\n1,2," + section + "\n2,3," + section + "\n3,4," +
                           section + "\n";

// A portal frame on two pins sways out of its plane, whatever the load.
TEST(Frame3dInstability, PortalOnPinsSwaysOutOfPlane)
{
    expect_unstable(analyse("3,4,6,2\n" + portal + "1\n1,1,1,0,0,0\n4\n1,1,1,0,0,0\n1,0\n2\n0,0,1,0,0,0\n0\n"),
                    "unstable or ill-conditioned structure: no stiffness left against rotation x of joint 4");
}

TEST(Frame3dInstability, PortalOnFixedBasesIsStable)
{
    // Lateral load H in x: the two fixed bases share it; horizontal
    // reactions sum to -H, overturning is balanced by the vertical pair.
    Outcome o = analyse("3,4,12,2\n" + portal + "1\n1,1,1,1,1,1\n4\n1,1,1,1,1,1\n1,0\n2\n5,0,0,0,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(reaction(o, 4, 1, 1) + reaction(o, 4, 4, 1), -5.0, 1e-4);
    EXPECT_NEAR(reaction(o, 4, 1, 2) + reaction(o, 4, 4, 2), 0.0, 1e-4);
    // Moments about joint 1 (z): 5*144 from the load, 240*R4y and both base moments.
    EXPECT_NEAR(reaction(o, 4, 1, 6) + reaction(o, 4, 4, 6) + 240 * reaction(o, 4, 4, 2) - 5 * 144, 0.0, 0.05);
}

// Large mechanisms keep pivots of ordinary size through rounding; the
// equilibrium check catches them.
TEST(Frame3dInstability, FullSizeFrameWithoutSupportsIsCaught)
{
    qmtools::BuildingFrame b;
    b.fixed_base = false;
    Outcome o = analyse(qmtools::make_space_frame_input(b));
    expect_error_stop(o);
    EXPECT_NE(o.result.console.find("unstable"), std::string::npos);
    EXPECT_NE(o.result.console.find(" of joint "), std::string::npos);
}

TEST(Frame3dInstability, FullSizeFrameOnOnePinIsCaught)
{
    qmtools::BuildingFrame b;
    b.pinned_single_support = true;
    Outcome o = analyse(qmtools::make_space_frame_input(b));
    expect_error_stop(o);
    EXPECT_NE(o.result.console.find("unstable"), std::string::npos);
}

// A stiffness spread of ten orders of magnitude is still a stable structure.
TEST(Frame3dInstability, WideStiffnessSpreadIsNotAMechanism)
{
    Outcome o = analyse("2,3,6,1\n0,0,0\n120,0,0\n240,37,11\n"
                        "1,2,1000,1e5,1e5,1e5,29000,11000,36,20,20\n"
                        "2,3,0.1,0.001,0.01,0.01,29000,11000,36,0.2,0.2\n"
                        "1\n1,1,1,1,1,1\n1,0\n3\n0.001,-0.001,0.001,0,0,0\n0\n");
    expect_refined(o);
    EXPECT_NEAR(reaction(o, 3, 1, 1), -0.001, 1e-6);
    EXPECT_NEAR(reaction(o, 3, 1, 2), 0.001, 1e-6);
}

// A slender cantilever of 30 members: single precision alone misses the tip
// deflection by a few parts in a thousand; refined, it is P*L^3/3EI to the
// 1.4e-4 that the members' stiffness, held in single precision, allows.
TEST(Frame3dInstability, SlenderChainOfThirtyMembersIsStable)
{
    std::string in = "30,31,6,1\n";
    for (int j = 0; j <= 30; ++j)
        in += std::to_string(12 * j) + ",0,0\n";
    for (int i = 1; i <= 30; ++i)
        in += std::to_string(i) + "," + std::to_string(i + 1) + "," + section + "\n";
    in += "1\n1,1,1,1,1,1\n1,0\n31\n0,-1,0,0,0,0\n0\n";
    Outcome o = analyse(in);
    expect_refined(o);
    double exact = -std::pow(360.0, 3) / (3 * E * Iz);
    EXPECT_NEAR(displacement(o, 31, 2), exact, 2e-4 * std::fabs(exact));
}

} // namespace
