// The drawing beside the report, checked for what a reader relies on: each
// member where its joints are, the deflected tip where P*L^3/3EI puts it at
// the stated scale, the support symbols by what they restrain, a failing
// member in red; and, where Chromium is installed, that a browser renders it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <regex>
#include <string>

#include "harness.h"

namespace {

// The start tag of the first element that carries `marker`.
std::string tag_with(const std::string& svg, const std::string& marker)
{
    size_t at = svg.find(marker);
    if (at == std::string::npos)
        return "";
    size_t start = svg.rfind('<', at);
    return svg.substr(start, svg.find('>', at) - start + 1);
}

// A number attribute of that element.
double attribute(const std::string& svg, const std::string& marker, const std::string& name)
{
    std::smatch m;
    std::string tag = tag_with(svg, marker);
    if (!std::regex_search(tag, m, std::regex(" " + name + "=\"([-0-9.e]+)\"")))
        return NAN;
    return std::stod(m[1]);
}

// Where a point (u, v) of the drawing plane, in inches, lies on the page.
struct Page {
    double inch, left, top, umin, vmax, scale;
    explicit Page(const std::string& svg)
        : inch(attribute(svg, "<svg", "data-inch")), left(attribute(svg, "<svg", "data-left")),
          top(attribute(svg, "<svg", "data-top")), umin(attribute(svg, "<svg", "data-umin")),
          vmax(attribute(svg, "<svg", "data-vmax")), scale(attribute(svg, "<svg", "data-scale"))
    {
    }
    double x(double u) const { return left + (u - umin) * inch; }
    double y(double v) const { return top + (vmax - v) * inch; }
};

const std::string section = "10,100,29000,36,2,2,100"; // A, Iz, E, Fy, rx, ry, Sz

// A plane cantilever of 120 in along x, fixed at joint 1, P down at joint 2.
std::string cantilever(const std::string& P)
{
    return "1,2,3,1\n0,0\n120,0\n1,2," + section + "\n1\n1,1,1\n1,0\n2\n0," + P + ",0\n0\n";
}

// The drawing of a completed run (status 2: a member fails a check).
std::string drawing_of(const char* program, const std::string& stem, const std::string& input, int status = 0)
{
    qmtest::ProgramDir dir;
    dir.write(stem + ".in", input);
    EXPECT_EQ(dir.run(program).status, status);
    return dir.read(stem + ".svg");
}

// The member lies between its joints; the deflected tip lies P*L^3/3EI below
// the tip, times the stated scale.
TEST(Drawing, CantileverTipDeflectsWherePLCubedOver3EIPutsIt)
{
    std::string svg = drawing_of(FRAME2D, "planefr", cantilever("-1"));
    Page page(svg);
    ASSERT_GT(page.scale, 0);
    EXPECT_NEAR(attribute(svg, "<line data-member=\"1\"", "x1"), page.x(0), 0.01);
    EXPECT_NEAR(attribute(svg, "<line data-member=\"1\"", "y1"), page.y(0), 0.01);
    EXPECT_NEAR(attribute(svg, "<line data-member=\"1\"", "x2"), page.x(120), 0.01);
    EXPECT_NEAR(attribute(svg, "<line data-member=\"1\"", "y2"), page.y(0), 0.01);
    std::smatch tip;
    ASSERT_TRUE(
        std::regex_search(svg, tip, std::regex("<polyline data-member=\"1\" points=\"[^\"]* ([-0-9.]+),([-0-9.]+)\"")));
    double deflection = -1.0 * 120 * 120 * 120 / (3 * 29000.0 * 100);
    EXPECT_NEAR(std::stod(tip[1]), page.x(120), 0.01);
    EXPECT_NEAR(std::stod(tip[2]), page.y(page.scale * deflection), 0.01);
    EXPECT_NE(svg.find("displacements &#215; " + std::to_string(static_cast<int>(page.scale))), std::string::npos);
}

// Joint 1 held in x, y and rotation, joint 2 in y alone, joint 3 in x and y,
// joint 4 in x alone (a roller on its side), joint 5 free.
TEST(Drawing, SupportsAreDrawnByWhatTheyRestrain)
{
    std::string svg =
        drawing_of(FRAME2D, "planefr",
                   "4,5,7,4\n0,0\n120,0\n240,0\n360,0\n480,0\n1,2," + section + "\n2,3," + section + "\n3,4," +
                       section + "\n4,5," + section + "\n1\n1,1,1\n2\n0,1,0\n3\n1,1,0\n4\n1,0,0\n1,0\n5\n0,-1,0\n0\n");
    EXPECT_NE(tag_with(svg, "data-joint=\"1\"").find("data-support=\"fixed\""), std::string::npos);
    EXPECT_NE(tag_with(svg, "data-joint=\"2\"").find("data-support=\"roller\""), std::string::npos);
    EXPECT_EQ(tag_with(svg, "data-joint=\"2\"").find("rotate(90)"), std::string::npos);
    EXPECT_NE(tag_with(svg, "data-joint=\"3\"").find("data-support=\"pinned\""), std::string::npos);
    EXPECT_NE(tag_with(svg, "data-joint=\"4\"").find("data-support=\"roller\""), std::string::npos);
    EXPECT_NE(tag_with(svg, "data-joint=\"4\"").find("rotate(90)"), std::string::npos);
    EXPECT_EQ(tag_with(svg, "data-joint=\"5\""), "");
}

// 100 kips at the tip bends the section past 0.66*Sz*Fy = 2376 inch-kips:
// the report marks the moment "fail", the drawing shows the member red.
TEST(Drawing, MemberThatFailsACheckIsRed)
{
    std::string red = "stroke=\"#d50000\"";
    EXPECT_NE(tag_with(drawing_of(FRAME2D, "planefr", cantilever("-100"), 2), "<line data-member=\"1\"").find(red),
              std::string::npos);
    EXPECT_EQ(tag_with(drawing_of(FRAME2D, "planefr", cantilever("-1")), "<line data-member=\"1\"").find(red),
              std::string::npos);
}

// Chromium turns the space frame example's drawing into a picture.
TEST(Drawing, ChromiumRendersTheDrawing)
{
    if (std::system("command -v chromium > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "chromium is not installed";
    qmtest::ProgramDir dir;
    dir.write("planefr.in", cantilever("-1"));
    ASSERT_EQ(dir.run(FRAME2D).status, 0);
    std::string command = "cd '" + dir.path() +
                          "' && timeout 60 chromium --headless --no-sandbox --disable-gpu --disable-quic "
                          "--no-first-run --disable-background-networking --disable-component-update --disable-sync "
                          "--user-data-dir=profile --window-size=960,700 --screenshot=drawing.png "
                          "\"file://$PWD/planefr.svg\" > /dev/null 2>&1";
    std::system(command.c_str());
    std::string png = dir.read("drawing.png");
    ASSERT_GT(png.size(), 5000u);
    EXPECT_EQ(png.substr(1, 3), "PNG");
}

} // namespace
