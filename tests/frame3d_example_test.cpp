// frame3d on the one-member cantilever of the shipped example: the numbers a
// hand check gives, and the exact lines of the report, CSV and summary.
#include <gtest/gtest.h>

#include <cmath>

#include "harness.h"

using qmtest::ProgramDir;

namespace {

const char* const cantilever =
    "1,2,6,1\n"
    "0,0,0\n"
    "120,0,0\n"
    "1,2,10,1,100,100,29000,11000,36,2,2,25,25,4.85,4.85\n"
    "1\n"
    "1,1,1,1,1,1\n"
    "1,0\n"
    "2\n"
    "0,-1,0,0,0,0\n"
    "0\n";

struct Frame3dCantilever : ::testing::Test {
    ProgramDir dir;
    qmtest::RunResult result;
    void SetUp() override
    {
        dir.write("spacefr.in", cantilever);
        result = dir.run(FRAME3D);
    }
};

TEST_F(Frame3dCantilever, RunsToCompletion)
{
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.console, "successfully completed\n");
    EXPECT_EQ(result.errors, "");
}

// Tip deflection P*L^3/(3*E*I) = -1*120^3/(3*29000*100) = -0.19862 inch,
// tip rotation P*L^2/(2*E*I) = -0.0024828 rad = -0.14225 degrees.
TEST_F(Frame3dCantilever, TipDeflectionAndRotationMatchBeamTheory)
{
    std::string csv = dir.read("spacefr.csv");
    EXPECT_NEAR(qmtest::csv_value(csv, 2, 2), -120.0 * 120 * 120 / (3 * 29000.0 * 100), 1e-5);
    EXPECT_NEAR(qmtest::csv_value(csv, 2, 6), -120.0 * 120 / (2 * 29000.0 * 100) * 180 / 3.14159, 1e-5);
    std::string htm = dir.read("spacefr.htm");
    EXPECT_NE(htm.find("  2</TD><TD>  0.000</TD><TD> -0.199</TD><TD>  0.000</TD><TD>  0.000</TD><TD>  0.000</TD><TD> "
                       "-0.142\n"),
              std::string::npos);
}

// Reactions equal and opposite to the load, with the moment P*L.
TEST_F(Frame3dCantilever, SupportReactionsBalanceTheLoad)
{
    std::string htm = dir.read("spacefr.htm");
    EXPECT_NE(htm.find("</TD><TD>  0.000</TD><TD>  1.000</TD><TD>  0.000</TD><TD>  0.000</TD><TD>  0.000</TD><TD>120.000"
                       "\n</TD>\n</TR>\n"),
              std::string::npos);
    std::string csv = dir.read("spacefr.csv");
    EXPECT_NEAR(qmtest::csv_value(csv, 3, 2), 1.0, 1e-5);
    EXPECT_NEAR(qmtest::csv_value(csv, 3, 6), 120.0, 1e-3);
}

TEST_F(Frame3dCantilever, SummaryNamesShearAndMomentRatiosOnly)
{
    std::string txt = qmtest::mask_date(dir.read("spacefr.txt"));
    std::string expected_head = "Space Frame analysis\t\t\trev 0.22\nRun date - <date>\n";
    EXPECT_EQ(txt.substr(0, expected_head.size()), expected_head);
    std::string star_line(73, '*');
    EXPECT_EQ(qmtest::count_of(txt, star_line + "\n"), 2);
    // 0.40*4.85*36 = 69.84 against a shear of 1; 0.66*25*36 = 594 against
    // 120 (the moment came out as 120.000023, so 4.95 prints 4.9); with no
    // axial force the combined value is fb/Fb alone, 120/594.
    std::string tail = "*\n\n\nmin shear ratio =\t     69.8\t member =    1\n"
                       "min moment ratio =\t      4.9\t member =    1\n"
                       "min combined ratio =\t      4.9\t member =    1\n\n";
    ASSERT_GE(txt.size(), tail.size());
    EXPECT_EQ(txt.substr(txt.size() - tail.size()), tail);
    EXPECT_EQ(txt.find("compressive"), std::string::npos);
    EXPECT_EQ(txt.find("tensile"), std::string::npos);
    EXPECT_EQ(txt.find("rotation"), std::string::npos);
}

// Compression: s = 120/2 = 60 below Cc = 126.10, FS = 5/3 + 3*60/(8*Cc) -
// 60^3/(8*Cc^3) = 1.83164, Fa = (1 - 60^2/(2*Cc^2))*36/FS = 17.4297, times
// A = 10; shears 0.40*4.85*36 = 69.84; torsion is not checked (0);
// moments 0.66*25*36 = 594.
TEST_F(Frame3dCantilever, CsvHoldsDisplacementsReactionsActionsAndAllowables)
{
    EXPECT_EQ(dir.read("spacefr.csv"),
              "1,2,6,1\n"
              "1,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000\n"
              "2,0.000000,-0.198621,0.000000,0.000000,0.000000,-0.142252\n"
              "1,0.000000,1.000000,0.000000,0.000000,0.000000,120.000023\n"
              "2,0.000000,0.000000,0.000000,0.000000,0.000000,0.000000\n"
              "1,0.000000,1.000000,0.000000,0.000000,0.000000,120.000023,0.000000,-1.000000,0.000000,0.000000,"
              "0.000000,-0.000017\n"
              ",174.296951,69.839996,69.839996,0.000000,594.000000,594.000000,174.296951,69.839996,69.839996,"
              "0.000000,594.000000,594.000000\n"
              "0\n");
}

TEST_F(Frame3dCantilever, ReportEchoesTheInputAndEndsWithTheTorsionNote)
{
    std::string htm = qmtest::mask_date(dir.read("spacefr.htm"));
    EXPECT_EQ(htm.rfind("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n<HTML>\n<HEAD>\n\n", 0), 0u);
    EXPECT_NE(htm.find("        font : 12pt/100% 'Times New Roman' ;\n"), std::string::npos);
    EXPECT_NE(htm.find("<H1 ALIGN=\"CENTER\"> <FONT SIZE=\"5\" COLOR=\"red\">Run date <date></FONT></H1>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("Space Frame analysis      rev 0.22\n<BR><br>\n"), std::string::npos);
    EXPECT_NE(htm.find("Global structure parameters</TD><TD>number of members (m)</TD><TD>1\n</TD>\n<TR>\n<TD>\n"
                       "&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>6\n</TD>\n</TR>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<TR>\n<TD>\n 1</TD><TD> 1</TD><TD> 2</TD><TD>  10.000</TD><TD>  10.000</TD><TD>   1.000</TD>"
                       "<TD> 100.000</TD><TD> 100.000</TD><TD>29000.000</TD><TD>11000.000</TD><TD>  36.000</TD><TD>"
                       "   2.000</TD><TD>   2.000</TD><TD>  25.000</TD><TD>  25.000</TD><TD>   4.850</TD><TD>   4.850</TD>\n"
                       "</TR>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<TR>\n<TD>\n1</TD><TD>\nrestrained</TD><TD>\nrestrained</TD><TD>\nrestrained</TD><TD>\n"
                       "restrained</TD><TD>\nrestrained</TD><TD>\nrestrained</TD></TR>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<BR>No loaded members<BR>\n"), std::string::npos);
    // Start of member 1: compression cell (no force) and the shear of 1 kip.
    EXPECT_NE(htm.find("</TR>\n<TD>  1</TD><TD>\n   0.000<B><FONT COLOR=\"green\" FACE=\"Times New Roman\"> pass<BR> "
                       "compression</TD>\n<TD>\n   1.000<B><FONT COLOR=\"green\" FACE=\"Times New Roman\"> pass<BR> "
                       "shear</TD>\n"),
              std::string::npos);
    // The combined row under the limit row: 120/594 = 0.202 at the support,
    // about 0 at the tip, each in its end's axial column.
    EXPECT_NE(htm.find("<TD>\n      594.00</TD>\n</TR>\n\n<TR>\n\n<TD>\ncombined</TD>\n<TD>\n       0.202" +
                       qmtest::pass_mark + "</TD>\n"),
              std::string::npos);
    EXPECT_NE(htm.find("<TD>\n       0.000" + qmtest::pass_mark + "</TD>\n"), std::string::npos);
    std::string end = "<TD>\n</TD>\n</TR>\n\n</TABLE>\n<BR>Torsion not checked: no member record gives "
                      "the section shape an allowable torque needs<BR>\n";
    ASSERT_GE(htm.size(), end.size());
    EXPECT_EQ(htm.substr(htm.size() - end.size()), end);
    EXPECT_EQ(htm.find("</BODY></HTML>"), std::string::npos);
}

TEST(Frame3dExample, ShippedExampleRuns)
{
    ProgramDir dir;
    std::string text = qmtest::example_input("spacefr");
    ASSERT_FALSE(text.empty());
    dir.write("spacefr.in", text);
    auto r = dir.run(FRAME3D);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.console, "successfully completed\n");
    EXPECT_TRUE(dir.exists("spacefr.txt"));
}

} // namespace
