// truss3d end to end: space trusses whose bar forces, reactions and
// displacements follow by hand (Hooke's law, statics, virtual work), the
// member axes of vertical and near-vertical members, the checks at their
// allowables, a full-size truss and the space truss's own capacities. The
// exact report, CSV and summary of the example and of each error stop are
// compared by golden_test.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <utility>

#include "harness.h"
#include "checks/member_check.h"

using qmtest::csv_value;
using qmtest::expect_success;

namespace {

using Outcome = qmtest::Analysis;
const std::string& pass = qmtest::pass_mark;

Outcome analyse(const std::string& input) { return qmtest::analyse(TRUSS3D, "spacetr", input); }

// CSV lines: 0 the counts, 1..nj one per joint (translations x, y, z, then
// support forces x, y, z), then two per member (end actions, limits).
double translation(const Outcome& o, int joint, int k) { return csv_value(o.csv, joint, k); }
double support_force(const Outcome& o, int joint, int k) { return csv_value(o.csv, joint, 3 + k); }
// Bar force of member i, tension positive: its end force x.
double bar_force(const Outcome& o, int nj, int i) { return csv_value(o.csv, nj + 2 * i - 1, 4); }

// ---------------------------------------------------------------- one bar

// One member from joint 1 (0, 0, 0) to joint 2 (120, 0, 0), area 0 so the
// default section (A 2.94, E 29000, Fy 36); joint 1 held in x, y, z, joint 2
// in y and z; 10 kips in x on joint 2. Hooke: u = P*L/(E*A) =
// 10*120/(29000*2.94) = 0.014075; the support takes the load back. The bar
// in tension reads -10 at the start and +10 at the end; its limits are
// Ta = 2.94*36*0.6 = 63.504, and 0 for the transverse forces (a truss has no
// shear check).
TEST(Truss3dOneBar, ExtensionSupportForceAndLimitsFollowByHand)
{
    Outcome o = analyse("1,2,5,2\n0,0,0\n120,0,0\n1,2,0,0,0,0,0\n1\n1,1,1\n2\n0,1,1\n1,0\n2\n10,0,0\n0\n");
    expect_success(o);
    EXPECT_NEAR(translation(o, 2, 1), 10.0 * 120 / (29000 * 2.94), 1e-6);
    EXPECT_EQ(o.csv, "1,2,5,2\n"
                     "1,0.000000,0.000000,0.000000,-10.000000,0.000000,0.000000\n"
                     "2,0.014075,0.000000,0.000000,0.000000,0.000000,0.000000\n"
                     "1,-10.000000,0.000000,0.000000,10.000000,0.000000,0.000000\n"
                     ",63.504002,0.000000,0.000000,63.504002,0.000000,0.000000\n"
                     "\n");
}

// ---------------------------------------------------------------- pyramid

// The shipped example (see examples/spacetr/README.md): a square pyramid,
// base corners 1-4 at (+-120, 0, +-120), apex 5 at (0, 140, 0), so every leg
// is 220 in long with cosines 6/11, 7/11, 6/11. Legs 1-5, 2-5, 3-5, 4-5 and
// ring 1-2, 2-3, 3-4, 4-1; apex load 6 kips in x and 28 kips down. Statics
// (tension positive): legs -16.5, -5.5, -11, -11; ring 3, 6, 6, 6. Legs 1, 3
// and 4 buckle (Ca = 9.26 kips, below).
TEST(Truss3dPyramid, BarForcesMatchStaticsAndReactionsBalanceTheLoads)
{
    Outcome o = analyse(qmtest::example_input("spacetr"));
    qmtest::expect_failing_member(o);
    const double legs[] = {-16.5, -5.5, -11, -11}, ring[] = {3, 6, 6, 6};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(bar_force(o, 5, i), legs[i - 1], 1e-4) << "leg " << i;
        EXPECT_NEAR(bar_force(o, 5, i + 4), ring[i - 1], 1e-4) << "ring member " << i + 4;
    }
    // Support forces at joint 1 (x, y, z), joint 2 (y, z), joints 3 and 4 (y).
    EXPECT_NEAR(support_force(o, 1, 1), -6.0, 1e-4);
    EXPECT_NEAR(support_force(o, 1, 2), 10.5, 1e-4);
    EXPECT_NEAR(support_force(o, 1, 3), -3.0, 1e-4);
    EXPECT_NEAR(support_force(o, 2, 2), 3.5, 1e-4);
    EXPECT_NEAR(support_force(o, 2, 3), 3.0, 1e-4);
    EXPECT_NEAR(support_force(o, 3, 2), 7.0, 1e-4);
    EXPECT_NEAR(support_force(o, 4, 2), 7.0, 1e-4);
    double sum[3] = {};
    for (int j = 1; j <= 5; ++j)
        for (int k = 1; k <= 3; ++k)
            sum[k - 1] += support_force(o, j, k);
    EXPECT_NEAR(sum[0], -6.0, 1e-4);
    EXPECT_NEAR(sum[1], 28.0, 1e-4);
    EXPECT_NEAR(sum[2], 0.0, 1e-4);
    // Virtual work, unit load down at the apex (legs -11/28, ring 6/28):
    // (16.5 + 5.5 + 22)*11/28 * 220/(29000*2.23) + 21*6/28 * 240/(29000*1.44).
    double drop = 44 * 11.0 / 28 * 220 / (29000 * 2.23) + 21 * 6.0 / 28 * 240 / (29000 * 1.44);
    EXPECT_NEAR(translation(o, 5, 2), -drop, 1e-5);
}

// Leg 1 as a dummy member: still analysed, but the summary lists it and
// takes the compressive minimum from leg 3: a leg of 220 in with r = 1.16
// has s = 189.7 > Cc = 126.10, Fa = 12*pi^2*29000/(23*s^2) = 4.150 ksi,
// Ca = 2.23*4.150 = 9.255 kips, and 9.255/11 = 0.8.
TEST(Truss3dPyramid, DummyMemberIsReportedButSetsNoMinimum)
{
    std::string input = qmtest::example_input("spacetr");
    input.replace(input.rfind("0\n"), 2, "1\n1\n");
    Outcome o = analyse(input);
    qmtest::expect_failing_member(o);
    EXPECT_NEAR(bar_force(o, 5, 1), -16.5, 1e-4);
    EXPECT_NE(o.txt.find("\n8,8,5,7,4\n\ndummy member - 1\n\n\n\nmin compressive ratio =\t      0.8\t member =    3\n"
                         "min tensile ratio =\t      5.2\t member =    6\n\n"),
              std::string::npos);
}

// ---------------------------------------------------------------- member axes

// Three posts 120 in tall on pinned bases, their tops held in x and z:
// 1-2 vertical (Q = 0), 3-4 leaning 0.06 in (Q = 0.0005, below 0.001: taken
// as vertical) and 5-6 leaning 0.24 in (Q = 0.002: general axes). Each
// carries fixed-end forces in member y and z of 5 and 2 kips at its base and
// 3 and 1 at its top, from a sideways load against member y and z. Member y
// of a post going up is -x and member z is +z, so each joint takes its
// forces in +x and -z, and its support gives them back. Only the post with
// general axes has member y tilted up by Q: its load has a component
// (5 + 3)*Q = 0.016 kips down, which its base carries.
TEST(Truss3dMemberAxes, VerticalAndNearVerticalPostsTakeTheVerticalAxes)
{
    Outcome o = analyse("3,6,15,6\n0,0,0\n0,120,0\n240,0,0\n240.06,120,0\n480,0,0\n480.24,120,0\n"
                        "1,2,0,0,0,0,0\n3,4,0,0,0,0,0\n5,6,0,0,0,0,0\n"
                        "1\n1,1,1\n2\n1,0,1\n3\n1,1,1\n4\n1,0,1\n5\n1,1,1\n6\n1,0,1\n"
                        "0,3\n1\n0,5,2,0,3,1\n2\n0,5,2,0,3,1\n3\n0,5,2,0,3,1\n0\n");
    expect_success(o);
    for (int j = 1; j <= 6; ++j) {
        bool base = j % 2 == 1;
        EXPECT_NEAR(support_force(o, j, 1), base ? -5.0 : -3.0, 1e-4) << "joint " << j;
        EXPECT_EQ(support_force(o, j, 3), base ? 2.0 : 1.0) << "joint " << j;
    }
    EXPECT_EQ(support_force(o, 1, 2), 0.0);
    EXPECT_EQ(support_force(o, 3, 2), 0.0);
    EXPECT_NEAR(support_force(o, 5, 2), 0.016, 1e-5);
    // The vertical post's joints take exactly +5 in x: the reaction is exact.
    EXPECT_EQ(support_force(o, 1, 1), -5.0);
}

// ---------------------------------------------------------------- checks

// Every joint held, so the end actions are the member loads themselves.
// Member 1: A 1, Fy 23 and radii so large that the column yields, Fa =
// 23/FS with FS = 5/3; a compression equal to Ca passes at both ends, and a
// transverse force of 12.65 (0.55 A Fy, which failed the gross-area shear
// check of old) gets no mark: a truss has no shear check. Member 2 has a
// radius of
// gyration of 0: no allowable, so its compression fails with the limit 0 and
// the compressive ratio 0.
TEST(Truss3dChecks, ActionsAtTheirAllowablesAndAZeroRadius)
{
    float Ca = qm::column_allowable(1.0f, 1000000.0f, 1000000.0f, 120.0f, 29000.0f, 23.0f, 1.0f);
    ASSERT_NEAR(Ca, 23 * 0.6, 1e-4);
    char loads[120];
    std::snprintf(loads, sizeof loads, "1\n%.9g,12.65,0,%.9g,0,-12.65\n2\n1,0,0,-1,0,0\n0\n", Ca, -Ca);
    Outcome o = analyse(std::string("2,3,9,3\n0,0,0\n120,0,0\n240,0,0\n1,2,1,29000,23,1000000,1000000\n"
                                    "2,3,1,29000,36,0,0.25\n1\n1,1,1\n2\n1,1,1\n3\n1,1,1\n0,2\n") +
                        loads);
    qmtest::expect_failing_member(o);
    const std::string& fail = qmtest::fail_mark;
    EXPECT_NE(o.htm.find("<TD>\n  13.800" + pass + " compression</TD>\n<TD>\n  12.650 shear</TD>\n"),
              std::string::npos);
    EXPECT_NE(o.htm.find("<TD>\n -13.800" + pass + " compression</TD>\n"), std::string::npos);
    EXPECT_NE(o.htm.find("<TD>\n   1.000" + fail + " compression</TD>\n"), std::string::npos);
    EXPECT_NE(o.htm.find("<TD>\nlimit</TD>\n<TD>\n   0.000</TD>\n"), std::string::npos);
    EXPECT_NE(o.txt.find("\n\n\nmin compressive ratio =\t      0.0\t member =    2\n\n"),
              std::string::npos);
}

// ---------------------------------------------------------------- full size

// A double-layer grid of 2 x 10 x 10 joints (the 200-joint capacity), 120 in
// apart and 120 in deep, with chords, verticals, and diagonals in every
// cell up to the 1000-member capacity; the four bottom corners pinned, so
// n = 600 - 12 = 588. Every top joint carries 1 kip down and joint 1 5 kips
// in x; every member is a dummy member (the 1000-entry list).
TEST(Truss3dFullSize, ReactionsBalanceTheLoads)
{
    auto joint = [](int layer, int a, int b) { return 100 * layer + 10 * a + b + 1; };
    std::string joints, members;
    for (int layer = 0; layer < 2; ++layer)
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                joints += std::to_string(120 * a) + "," + std::to_string(120 * layer) + "," +
                          std::to_string(120 * b) + "\n";
    int m = 0;
    auto add = [&](int j, int k) {
        if (m < 1000) {
            members += std::to_string(j) + "," + std::to_string(k) + ",4,29000,36,2,2\n";
            ++m;
        }
    };
    for (int layer = 0; layer < 2; ++layer)
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                if (a < 9)
                    add(joint(layer, a, b), joint(layer, a + 1, b));
                if (b < 9)
                    add(joint(layer, a, b), joint(layer, a, b + 1));
                if (layer == 0)
                    add(joint(0, a, b), joint(1, a, b));
            }
    // What makes the grid stiff comes first: a diagonal in every vertical
    // panel and across every top cell; then redundant diagonals up to 1000.
    for (int round = 0; round < 2; ++round)
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                int da = round == 0 ? 1 : -1;
                if (a + da >= 0 && a + da <= 9)
                    add(joint(0, a, b), joint(1, a + da, b));
                if (b + da >= 0 && b + da <= 9)
                    add(joint(0, a, b), joint(1, a, b + da));
                if (a < 9 && b < 9)
                    add(joint(1 - round, a, b), joint(1 - round, a + 1, b + 1));
            }
    for (int a = 0; a < 9; ++a)
        for (int b = 0; b < 9; ++b)
            add(joint(1, a, b + 1), joint(1, a + 1, b));
    ASSERT_EQ(m, 1000);
    std::string input = "1000,200,12,4\n" + joints + members;
    for (int corner : {joint(0, 0, 0), joint(0, 9, 0), joint(0, 0, 9), joint(0, 9, 9)})
        input += std::to_string(corner) + "\n1,1,1\n";
    input += "100,0\n";
    for (int j = 101; j <= 200; ++j)
        input += std::to_string(j) + (j == 101 ? "\n5,-1,0\n" : "\n0,-1,0\n");
    input += "1000\n";
    for (int i = 1; i <= 1000; ++i)
        input += std::to_string(i) + "\n";

    Outcome o = analyse(input);
    expect_success(o);
    double sum[3] = {};
    for (int j = 1; j <= 200; ++j)
        for (int k = 1; k <= 3; ++k)
            sum[k - 1] += support_force(o, j, k);
    // Single precision through 588 equations: within 0.05% of the loads.
    EXPECT_NEAR(sum[0], -5.0, 0.05);
    EXPECT_NEAR(sum[1], 100.0, 0.05);
    EXPECT_NEAR(sum[2], 0.0, 0.05);
    EXPECT_NE(o.txt.find("\n1000,588,200,12,4\n"), std::string::npos);
    EXPECT_EQ(qmtest::count_of(o.txt, "dummy member - "), 1000);
    EXPECT_EQ(o.txt.find("min "), std::string::npos);
}

// ---------------------------------------------------------------- stops

// The space truss's own capacities: 1000 members, 200 joints, 1000 dummy
// members; and its own member record of seven values.
TEST(Truss3dStops, CapacitiesAndMemberRecordOfTheSpaceTruss)
{
    const std::string head = "1,2,5,2\n0,0,0\n120,0,0\n";
    const std::pair<std::string, std::string> cases[] = {
        {"1001,2,5,2\n", "spacetr.in:1: structure counts: number of members (m) 1001 is outside 0..1000"},
        {"1,201,5,2\n", "spacetr.in:1: structure counts: number of joints (nj) 201 is outside 0..200"},
        {head + "1,2,0,0,0,0\n1\n",
         "spacetr.in:4: member 1: expected 7 comma-separated numbers, found no comma after field 6"},
        {head + "1,2,0,0,0,0,0\n1\n1,1,1\n2\n0,1,1\n0,0\n1001\n",
         "spacetr.in:10: dummy members: number of dummy members 1001 is above 1000"}};
    for (const auto& [input, line] : cases)
        qmtest::expect_stop_on(analyse(input), line);
}

// A load or dummy count below zero reads no records; the echo still lists
// every joint and member, as for any non-zero count.
TEST(Truss3dCounts, NegativeCountsReadNoRecordsButListEveryJoint)
{
    Outcome o = analyse("1,2,5,2\n0,0,0\n120,0,0\n1,2,0,0,0,0,0\n1\n1,1,1\n2\n0,1,1\n-1,-1\n-1\n");
    expect_success(o);
    EXPECT_NE(o.htm.find("<TR>\n<TD>\n   2</TD><TD>   0.000</TD><TD>\n   0.000</TD><TD>   0.000\n</TD>\n</TR>\n"),
              std::string::npos);
    EXPECT_NE(o.htm.find("<TR>\n<TD>\n1</TD><TD>   0.000</TD><TD>   0.000</TD><TD>   0.000</TD><TD>   0.000</TD><TD>"
                         "   0.000</TD><TD>   0.000\n</TD>\n</TR>\n"),
              std::string::npos);
}

} // namespace
