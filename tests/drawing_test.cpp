// The drawing beside the report, checked for what a reader relies on: each
// member where its joints are, its deflected curve where the closed forms
// put it at the stated scale (under joint loads and under its own load), the
// support symbols by what they restrain, a failing member in red; and, where
// Chromium is installed, that a browser renders it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

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

struct Pixel {
    double x, y;
};

// The points of member i's deflected curve, start to end.
std::vector<Pixel> curve_of(const std::string& svg, int i)
{
    std::smatch m;
    std::vector<Pixel> points;
    if (!std::regex_search(svg, m,
                           std::regex("<polyline data-member=\"" + std::to_string(i) + "\" points=\"([^\"]*)\"")))
        return points;
    std::istringstream in(m[1].str());
    Pixel p;
    char comma;
    while (in >> p.x >> comma >> p.y)
        points.push_back(p);
    return points;
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

// At x = L/2 the cantilever lies P*x^2*(3L - x)/6EI = 0.0621 inch below
// where it stands unloaded, times the stated scale.
TEST(Drawing, CantileverMidpointLiesOnTheElasticCurve)
{
    std::string svg = drawing_of(FRAME2D, "planefr", cantilever("-1"));
    Page page(svg);
    std::vector<Pixel> curve = curve_of(svg, 1);
    ASSERT_EQ(curve.size(), 17u);
    double x = 60, L = 120, deflection = -1.0 * x * x * (3 * L - x) / (6 * 29000.0 * 100);
    EXPECT_NEAR(curve[8].x, page.x(x), 0.01);
    EXPECT_NEAR(curve[8].y, page.y(page.scale * deflection), 0.01);
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

// The shipped plane truss stands on a pin at joint 1 and a roller at joint 7:
// a truss joint whose translations are all held is pinned, never fixed.
TEST(Drawing, TrussSupportsArePinnedAndRolling)
{
    std::string svg = drawing_of(TRUSS2D, "planetr", qmtest::example_input("planetr"));
    EXPECT_NE(tag_with(svg, "data-joint=\"1\"").find("data-support=\"pinned\""), std::string::npos);
    EXPECT_NE(tag_with(svg, "data-joint=\"7\"").find("data-support=\"roller\""), std::string::npos);
    EXPECT_EQ(tag_with(svg, "data-joint=\"7\"").find("rotate(90)"), std::string::npos);
}

// The shipped three-span beam: w = 0.1 kip/in on spans of L = 240 in, EI =
// 29000*375, support moments M = w*L^2/10 = 576 inch-kips over the interior
// supports (three-moment equation). At the middle span's midpoint the sag is
// 5wL^4/384EI - ML^2/8EI = 0.3972 - 0.3814 = 0.0159 inch. An end span, free
// to turn at its outer support, sags w*x*(L^3 - 2Lx^2 + x^3)/24EI -
// M*x*(L^2 - x^2)/6EIL, at most 0.2100 inch near x = 0.446 L.
TEST(DrawingCurves, ShippedBeamSagsAsAContinuousBeam)
{
    std::string svg = drawing_of(GIRDER, "beam", qmtest::example_input("beam"));
    Page page(svg);
    const double w = 0.1, L = 240, EI = 29000.0 * 375, M = w * L * L / 10;
    auto sag = [&](const Pixel& p) { return (p.y - page.y(0)) / (page.inch * page.scale); };
    std::vector<Pixel> middle = curve_of(svg, 2), end = curve_of(svg, 1);
    ASSERT_EQ(middle.size(), 17u);
    EXPECT_NEAR(sag(middle[8]), 0.0159, 0.02 * 0.0159);
    double drawn = 0, closed = 0;
    for (const Pixel& p : end)
        drawn = std::max(drawn, sag(p));
    for (double x = 0; x <= L; x += 0.01 * L)
        closed = std::max(closed, w * x * (L * L * L - 2 * L * x * x + x * x * x) / (24 * EI) -
                                      M * x * (L * L - x * x) / (6 * EI * L));
    EXPECT_NEAR(drawn, closed, 0.01 * closed);
}

// One span of L = 240 in fixed at both ends under w = 0.1 kip/in down, as a
// beam and as a grid member (fixed-end actions wL/2 = 12 kips, wL^2/12 = 480
// inch-kips, a grid's about member y with the opposite sign), EI =
// 29000*375: its midspan sags wL^4/384EI = 0.0794 inch below the member.
TEST(DrawingCurves, FixedEndedSpanSagsWL4Over384EI)
{
    struct Span {
        const char* program;
        const char* stem;
        std::string input;
    };
    const Span spans[] = {
        {GIRDER, "beam", "1,4,2,29000,36\n240,375,9.13,47.2\n1\n1,1\n2\n1,1\n0,1\n1\n12,480,12,-480\n"},
        {GRILLAGE, "grid",
         "1,2,6,2\n0,0\n240,0\n1,2,10,1,375,20,29000,36,11200\n1\n1,1,1\n2\n1,1,1\n0,1\n1\n0,-480,12,0,480,12\n0\n"},
    };
    for (const Span& span : spans) {
        SCOPED_TRACE(span.stem);
        std::string svg = drawing_of(span.program, span.stem, span.input);
        Page page(svg);
        std::vector<Pixel> curve = curve_of(svg, 1);
        ASSERT_EQ(curve.size(), 17u);
        std::string line = "<line data-member=\"1\"";
        double x = (attribute(svg, line, "x1") + attribute(svg, line, "x2")) / 2;
        double y = (attribute(svg, line, "y1") + attribute(svg, line, "y2")) / 2;
        double sag = 0.1 * std::pow(240.0, 4) / (384 * 29000.0 * 375);
        EXPECT_NEAR(curve[8].x, x, 0.01);
        EXPECT_NEAR(curve[8].y - y, page.inch * page.scale * sag, 0.02);
    }
}

// A column from (0,0) up to (0,120), fixed at its foot and pinned at its
// head, with 0.1 kip/in pushing it along +x. Its member y points along -x,
// so the load is -0.1 kip/in in member y: fixed-end actions 6 kips and
// +-120 inch-kips. Propped cantilever: at midheight wL^4/192EI = 0.0372 inch
// along +x.
TEST(DrawingCurves, ColumnLoadInMemberYBendsItAlongTheLoad)
{
    std::string svg =
        drawing_of(FRAME2D, "planefr",
                   "1,2,5,2\n0,0\n0,120\n1,2," + section + "\n1\n1,1,1\n2\n1,1,0\n0,1\n1\n0,6,120,0,6,-120\n0\n");
    Page page(svg);
    std::vector<Pixel> curve = curve_of(svg, 1);
    ASSERT_EQ(curve.size(), 17u);
    double sway = 0.1 * std::pow(120.0, 4) / (192 * 29000.0 * 100);
    EXPECT_NEAR(curve[8].x, page.x(page.scale * sway), 0.01);
    EXPECT_NEAR(curve[8].y, page.y(60), 0.01);
}

// A space frame member along global z, fixed at both ends: member z is
// global -x. A load in member z rising from 0 to q = 0.1 kip/in has the
// fixed-end actions 3qL/20 = 1.8 and 7qL/20 = 4.2 kips, and moments about
// member y of qL^2/30 = 48 and -qL^2/20 = -72 inch-kips. Its deflection is
// q*L^4/120EI * t^2*(1-t)^2*(2+t) with EI = E*iy = 29000*50: at t = 3/4,
// 0.0115 inch along -x, which the view draws cos 30 deg left and sin 30 deg
// up.
TEST(DrawingCurves, SpaceMemberLoadInMemberZBendsItAlongTheLoad)
{
    std::string svg = drawing_of(FRAME3D, "spacefr",
                                 "1,2,12,2\n0,0,0\n0,0,120\n1,2,10,1,50,100,29000,11000,36,2,2\n"
                                 "1\n1,1,1,1,1,1\n2\n1,1,1,1,1,1\n0,1\n1\n0,0,-1.8,0,48,0,0,0,-4.2,0,-72,0\n0\n");
    Page page(svg);
    std::vector<Pixel> curve = curve_of(svg, 1);
    ASSERT_EQ(curve.size(), 17u);
    double t = 0.75, d = 0.1 * std::pow(120.0, 4) / (120 * 29000.0 * 50) * t * t * (1 - t) * (1 - t) * (2 + t);
    double x1 = attribute(svg, "<line data-member=\"1\"", "x1"), y1 = attribute(svg, "<line data-member=\"1\"", "y1");
    double x2 = attribute(svg, "<line data-member=\"1\"", "x2"), y2 = attribute(svg, "<line data-member=\"1\"", "y2");
    double drawn = page.inch * page.scale * d;
    EXPECT_NEAR(curve[12].x - (x1 + t * (x2 - x1)), -std::cos(M_PI / 6) * drawn, 0.02);
    EXPECT_NEAR(curve[12].y - (y1 + t * (y2 - y1)), -0.5 * drawn, 0.02);
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
