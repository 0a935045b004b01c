// quillmark's pages of each combination and its envelope diagram: the
// diagrams' values where engineers read them (a simple span's wL^2/8, the
// same number its check reports), drawn on the tension side, the loads and
// units on the drawing, an SI model's report in SI units, a space frame's
// two moments, the envelope's largest and smallest.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "harness.h"

namespace {

// The W16x31 simple span, titled, under `loads`.
std::string simple_span(const std::string& loads, const std::string& combinations = "")
{
    return "title = \"Simple span\"\n" + qmtest::simple_span_structure() + loads + combinations;
}

const std::string gravity = R"(
[cases.gravity]
members = [ { member = "AB", kind = "uniform", direction = "y", axes = "global", w = -6 } ]
)";

// The part of a drawing that panel `id` holds.
std::string panel(const std::string& svg, const std::string& id)
{
    size_t at = svg.find("class=\"panel\" id=\"" + id + "\"");
    if (at == std::string::npos)
        return "";
    size_t next = svg.find("class=\"panel\"", at + 1);
    return svg.substr(at, next == std::string::npos ? std::string::npos : next - at);
}

struct Label {
    std::string cls, member, at, value, text;
};

// The values written on a diagram.
std::vector<Label> labels(const std::string& part)
{
    std::vector<Label> out;
    std::regex re("class=\"(peak|value)\" data-member=\"([^\"]*)\" data-at=\"([^\"]*)\" data-value=\"([^\"]*)\"[^>]*>([^<]*)<");
    for (std::sregex_iterator it(part.begin(), part.end(), re), end; it != end; ++it)
        out.push_back({(*it)[1], (*it)[2], (*it)[3], (*it)[4], (*it)[5]});
    return out;
}

// The largest magnitude among a member's peak values.
double peak_of(const std::vector<Label>& all, const std::string& member)
{
    double most = 0;
    for (const Label& l : all)
        if (l.cls == "peak" && l.member == member)
            most = std::max(most, std::fabs(std::stod(l.value)));
    return most;
}

// The demand of a member's check in report.htm, as written ("300 kip*ft").
std::string demand(const std::string& report, const std::string& member, const std::string& check)
{
    std::regex re("<tr><td>" + member + "</td><td>[^<]*</td><td>[^<]*</td><td>" + check +
                  "</td><td class=\"n\">([^<]*)</td>");
    std::smatch m;
    return std::regex_search(report, m, re) ? m[1].str() : "<no " + check + " row for " + member + ">";
}

// The y pixels of the points of member `member`'s diagram in a panel, and
// of the member's own line there.
std::vector<double> diagram_ys(const std::string& part, const std::string& member)
{
    std::vector<double> ys;
    std::smatch m;
    std::regex re("<g data-member=\"" + member + "\"><polygon[^>]*/>\\s*<polyline points=\"([^\"]*)\"");
    if (!std::regex_search(part, m, re))
        return ys;
    std::string p = m[1];
    std::regex xy("[-0-9.]+,([-0-9.]+)");
    for (std::sregex_iterator it(p.begin(), p.end(), xy), end; it != end; ++it)
        ys.push_back(std::stod((*it)[1]));
    return ys;
}

double member_y(const std::string& part, const std::string& member)
{
    std::smatch m;
    std::regex re("<line x1=\"[-0-9.]+\" y1=\"([-0-9.]+)\" x2=\"[-0-9.]+\" y2=\"[-0-9.]+\" data-member=\"" + member + "\"");
    return std::regex_search(part, m, re) ? std::stod(m[1]) : NAN;
}

// wL^2/8 = 6 * 20^2 / 8 = 300 kip*ft at midspan, 3.2 times the allowable
// 0.66 Sz Fy: the span fails, and its drawing and its report say the same
// number at the same place.
TEST(QuillmarkPages, SimpleSpanMomentPeakIsItsCheckDemand)
{
    qmtest::ProgramDir dir;
    qmtest::RunResult r = qmtest::run_model(dir, simple_span(gravity));
    EXPECT_EQ(r.status, 2) << r.console;
    std::string svg = dir.read("m.out/gravity/forces.svg"), report = dir.read("m.out/gravity/report.htm");
    std::string mz = panel(svg, "Mz");
    EXPECT_NE(mz.find("bending moment Mz, drawn on the tension side (kip*ft)"), std::string::npos);
    std::vector<Label> all = labels(mz);
    auto peak = std::find_if(all.begin(), all.end(), [](const Label& l) { return l.cls == "peak" && l.at == "10"; });
    ASSERT_NE(peak, all.end()) << mz;
    EXPECT_EQ(peak->text, "300");
    EXPECT_NEAR(std::stod(peak->value), 300, 1e-9);
    EXPECT_EQ(demand(report, "AB", "moment"), peak->value + " kip*ft");
    // The shear's peaks are the reactions wL/2 = 60 kips.
    EXPECT_NEAR(peak_of(labels(panel(svg, "Vy")), "AB"), 60, 1e-9);
}

// A drawing says which combination it is and in which units, and draws each
// member load where it acts, factored, with its value.
TEST(QuillmarkPages, DrawingNamesItsCombinationUnitsAndMemberLoads)
{
    qmtest::ProgramDir dir;
    std::string model = R"(type = "plane_frame"
units = "US"

[sections]
W = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2, Sz = 40 }

[joints]
A = [0, 0]
B = [0, 12]
C = [20, 12]
D = [20, 0]

[members]
left = { joints = ["A", "B"], section = "W" }
top = { joints = ["B", "C"], section = "W" }
right = { joints = ["D", "C"], section = "W" }

[supports]
A = "fixed"
D = "fixed"

[cases.live]
members = [
  { member = "top", kind = "uniform", direction = "y", axes = "member", w = -2 },
  { member = "left", kind = "point", direction = "x", axes = "global", P = 5, at = 6 },
]

[combinations]
ULS = { live = 1.5 }
)";
    qmtest::run_model(dir, model);
    std::string svg = dir.read("m.out/ULS/forces.svg");
    EXPECT_EQ(qmtest::xml_problem(svg), "");
    EXPECT_NE(svg.find(">combination ULS = 1.5 live"), std::string::npos);
    EXPECT_NE(svg.find("forces in kip, moments in kip*ft, distributed loads in kip/ft, lengths in ft"), std::string::npos);
    std::string loads = panel(svg, "loads");
    for (const char* member : {"top", "left"}) {
        size_t at = loads.find("class=\"member-load\" data-member=\"" + std::string(member) + "\"");
        ASSERT_NE(at, std::string::npos) << member;
        std::string group = loads.substr(at, loads.find("</g>\n</g>", at) - at);
        EXPECT_NE(group.find("<line"), std::string::npos) << member << ": no arrow";
    }
    EXPECT_EQ(qmtest::count_of(loads, "class=\"member-load\""), 2);
    EXPECT_NE(loads.find(">3 kip/ft</text>"), std::string::npos);
    EXPECT_NE(loads.find(">7.5 kip</text>"), std::string::npos);
}

// An SI model's report is in kN, kN*m, m and mm, never in kips or inches.
TEST(QuillmarkPages, SiReportIsInSiUnits)
{
    qmtest::ProgramDir dir;
    std::string model = R"(type = "plane_frame"
units = "SI"

[sections]
IPE400 = { A = 8446, Iz = 231.3e6, Sz = 1156e3, E = 200000, Fy = 275, rx = 165.5, ry = 39.5 }

[joints]
A = [0, 0]
B = [6, 0]

[members]
beam = { joints = ["A", "B"], section = "IPE400" }

[supports]
A = "pinned"
B = ["y"]

[cases.dead]
members = [ { member = "beam", kind = "uniform", direction = "y", axes = "global", w = -20 } ]
)";
    qmtest::run_model(dir, model);
    std::string report = dir.read("m.out/dead/report.htm"), svg = dir.read("m.out/dead/forces.svg");
    ASSERT_FALSE(report.empty());
    // wL^2/8 = 20 * 36 / 8 = 90 kN*m at 3 m; wL/2 = 60 kN.
    EXPECT_EQ(demand(report, "beam", "moment"), "90 kN*m");
    EXPECT_NE(report.find("<td>3 m</td>"), std::string::npos);
    EXPECT_NE(report.find("<th>y (mm)</th>"), std::string::npos);
    EXPECT_NE(report.find("<th>deflection (mm)</th>"), std::string::npos);
    for (const char* us : {"kip", "inch", " in<", "(in)", " ft"}) {
        EXPECT_EQ(report.find(us), std::string::npos) << us;
        EXPECT_EQ(svg.find(us), std::string::npos) << us;
    }
}

// Moments on the tension side: a cantilever's hogging moment above it
// (listed from its tip to its root, so that its member y points down), a
// simple span's sagging moment below it.
TEST(QuillmarkPages, MomentIsDrawnOnTheTensionSide)
{
    qmtest::ProgramDir span, cantilever;
    qmtest::run_model(span, simple_span(gravity));
    std::string sagging = panel(span.read("m.out/gravity/forces.svg"), "Mz");
    std::string model = R"(type = "plane_frame"
units = "US"

[sections]
W = { A = 10, Iz = 200, E = 29000, Fy = 36, rx = 3, ry = 2, Sz = 40 }

[joints]
root = [0, 0]
tip = [10, 0]

[members]
arm = { joints = ["tip", "root"], section = "W" }

[supports]
root = "fixed"

[cases.load]
members = [ { member = "arm", kind = "uniform", direction = "y", axes = "global", w = -1 } ]
)";
    qmtest::run_model(cantilever, model);
    std::string hogging = panel(cantilever.read("m.out/load/forces.svg"), "Mz");
    auto side = [](const std::string& part, const std::string& member) {
        std::vector<double> ys = diagram_ys(part, member);
        double line = member_y(part, member), most = 0;
        for (double y : ys)
            most = std::fabs(y - line) > std::fabs(most) ? y - line : most;
        EXPECT_FALSE(ys.empty()) << member;
        return most; // pixels down the page from the member
    };
    EXPECT_GT(side(sagging, "AB"), 20);
    EXPECT_LT(side(hogging, "arm"), -20);
    // The root's moment wL^2/2 = 50 kip*ft.
    EXPECT_NEAR(peak_of(labels(hogging), "arm"), 50, 1e-9);
}

// A space frame, bent about both member axes: its drawing is well-formed,
// with a panel per moment whose peaks are the checks' demands.
TEST(QuillmarkPages, SpaceFrameDrawingHoldsBothMoments)
{
    qmtest::ProgramDir dir;
    std::string model = R"(type = "space_frame"
units = "US"

[sections]
W = { A = 10, J = 2, Iy = 80, Iz = 200, E = 29000, G = 11200, Fy = 36, rx = 4, ry = 2, Sy = 20, Sz = 40 }

[joints]
base = [0, 0, 0]
top = [0, 12, 0]
end = [15, 12, 0]

[members]
column = { joints = ["base", "top"], section = "W" }
beam = { joints = ["top", "end"], section = "W" }

[supports]
base = "fixed"

[cases.load]
joints = { end = { fz = 2 } }
members = [ { member = "beam", kind = "uniform", direction = "y", axes = "global", w = -0.5 } ]
)";
    qmtest::run_model(dir, model);
    std::string svg = dir.read("m.out/load/forces.svg"), report = dir.read("m.out/load/report.htm");
    EXPECT_EQ(qmtest::xml_problem(svg), "");
    std::string mz = panel(svg, "Mz"), my = panel(svg, "My");
    ASSERT_FALSE(mz.empty());
    ASSERT_FALSE(my.empty());
    for (const char* member : {"column", "beam"}) {
        for (auto [part, check] : {std::pair{mz, "moment z"}, std::pair{my, "moment y"}}) {
            std::string d = demand(report, member, check);
            EXPECT_NEAR(peak_of(labels(part), member), std::stod(d), 1e-5 * std::stod(d)) << member << " " << check;
            EXPECT_EQ(d.substr(d.find(' ')), " kip*ft");
        }
    }
}

// The envelope diagram: per member the largest and the smallest moment of
// all combinations, here gravity's sagging 300 kip*ft and uplift's hogging
// half of it.
TEST(QuillmarkPages, EnvelopeDiagramHoldsLargestAndSmallest)
{
    qmtest::ProgramDir dir;
    qmtest::run_model(dir, simple_span(gravity, "\n[combinations]\ndown = { gravity = 1 }\nup = { gravity = -0.5 }\n"));
    std::string svg = dir.read("m.envelope.svg");
    EXPECT_EQ(qmtest::xml_problem(svg), "");
    EXPECT_NE(svg.find("envelope of all combinations"), std::string::npos);
    EXPECT_NE(svg.find("(kip*ft)"), std::string::npos);
    auto values_of = [&](const std::string& action) {
        size_t at = svg.find("class=\"values\"", svg.find("data-action=\"" + action + "\""));
        return labels(svg.substr(at, svg.find("</g>", at) - at));
    };
    std::vector<Label> hi = values_of("Mz largest"), lo = values_of("Mz smallest");
    ASSERT_EQ(hi.size(), 1u);
    ASSERT_EQ(lo.size(), 1u);
    EXPECT_EQ(hi[0].at, "10");
    EXPECT_NEAR(std::stod(hi[0].value), 300, 1e-9);
    EXPECT_EQ(lo[0].at, "10");
    EXPECT_NEAR(std::stod(lo[0].value), -150, 1e-9);
    EXPECT_NE(dir.read("m.envelope.htm").find("<a href=\"m.envelope.svg\">"), std::string::npos);
}

} // namespace
