#include "drawing/drawing.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "drawing/geometry.h"

namespace qm {

namespace {

const char* const ink = "#1a1a1a";
const char* const deflected_ink = "#c2185b";

// Band colours of the member utilisation, by upper limit of the band.
struct Band {
    double below;
    const char* colour;
    const char* text;
};
const Band bands[] = {
    {0.5, "#1565c0", "below 50 %"},
    {0.8, "#2e7d32", "50 to 80 %"},
    {1.0, "#ef6c00", "80 to 100 %"},
};
const char* const fail_colour = "#d50000";
const char* const unchecked_colour = "#9e9e9e";

// The SVG elements of one run, drawn where its geometry puts them.
class Drawing {
public:
    Drawing(const DrawingLayout& layout, const ModelCore& s, const SolutionVectors& v, const MemberCheck& check)
        : layout_(layout), s_(s), check_(check), g_(layout, s, v)
    {
    }

    void write(std::FILE* f, const ProgramIdentity& id) const;

private:
    bool restrained(int j, int k) const { return k != 0 && s_.dofs.rl[static_cast<size_t>(s_.dofs.raw(j, k))] != 0; }
    const char* member_colour(int i) const;

    void write_members(std::FILE* f) const;
    void write_deflected(std::FILE* f) const;
    void write_supports(std::FILE* f) const;
    void write_loads(std::FILE* f) const;
    void write_numbers(std::FILE* f) const;
    void write_legend(std::FILE* f, const ProgramIdentity& id) const;
    void write_tripod(std::FILE* f) const;

    const DrawingLayout& layout_;
    const ModelCore& s_;
    const MemberCheck& check_;
    const DrawingGeometry g_;
};

const char* Drawing::member_colour(int i) const
{
    if (check_.failed(i))
        return fail_colour;
    double u = check_.utilisation(i);
    if (!(u > 0))
        return unchecked_colour;
    for (const Band& b : bands)
        if (u < b.below)
            return b.colour;
    return bands[2].colour;
}

void Drawing::write_members(std::FILE* f) const
{
    std::fprintf(f, "<g class=\"members\" stroke-width=\"%.1f\" stroke-linecap=\"round\">\n", s_.m > 200 ? 1.0 : 2.5);
    for (int i = 1; i <= s_.m; ++i) {
        Point a = g_.project(g_.joint(s_.jj[static_cast<size_t>(i)])),
              b = g_.project(g_.joint(s_.jk[static_cast<size_t>(i)]));
        std::fprintf(f, "<line data-member=\"%d\" x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\"/>\n", i,
                     g_.px(a), g_.py(a), g_.px(b), g_.py(b), member_colour(i));
    }
    std::fprintf(f, "</g>\n");
}

void Drawing::write_deflected(std::FILE* f) const
{
    if (g_.scale() == 0)
        return;
    std::fprintf(f,
                 "<g class=\"deflected\" fill=\"none\" stroke=\"%s\" stroke-width=\"%.1f\" "
                 "stroke-dasharray=\"6 3\">\n",
                 deflected_ink, s_.m > 200 ? 0.8 : 1.5);
    for (int i = 1; i <= s_.m; ++i) {
        std::fprintf(f, "<polyline data-member=\"%d\" points=\"", i);
        for (int k = 0; k <= g_.segments(); ++k) {
            Point p = g_.project(g_.deflected(i, static_cast<double>(k) / g_.segments()));
            std::fprintf(f, "%s%.2f,%.2f", k ? " " : "", g_.px(p), g_.py(p));
        }
        std::fprintf(f, "\"/>\n");
    }
    std::fprintf(f, "</g>\n");
}

// Supports as engineers draw them: a hatched base where every translation
// and rotation is held (fixed), a triangle where the translations are held
// but the joint may turn (pinned), a triangle on rollers where only some
// translations are held, a small square where only rotations are.
void Drawing::write_supports(std::FILE* f) const
{
    std::fprintf(f, "<g class=\"supports\" stroke=\"%s\" stroke-width=\"1.5\" fill=\"none\">\n", ink);
    for (int j = 1; j <= s_.nj; ++j) {
        int held_t = 0, held_r = 0, free_t = 0, free_r = 0;
        bool vertical_held = false;
        for (int a = 0; a < 3; ++a) {
            int k = layout_.translation[a];
            if (k == 0)
                continue;
            restrained(j, k) ? ++held_t : ++free_t;
            bool up = (layout_.view == View::grid && a == 2) || (layout_.view != View::grid && a == 1);
            vertical_held = vertical_held || (up && restrained(j, k));
        }
        for (int a = 0; a < 3; ++a)
            if (layout_.rotation[a] != 0)
                restrained(j, layout_.rotation[a]) ? ++held_r : ++free_r;
        if (held_t + held_r == 0)
            continue;
        Point p = g_.project(g_.joint(j));
        double x = g_.px(p), y = g_.py(p);
        const char* kind =
            free_t == 0 ? (free_r == 0 && held_r > 0 ? "fixed" : "pinned") : (held_t > 0 ? "roller" : "rotation");
        // A roller held only across the vertical stands on its side.
        bool sideways = std::string(kind) == "roller" && !vertical_held;
        std::fprintf(f, "<g data-support=\"%s\" data-joint=\"%d\" transform=\"translate(%.2f %.2f)%s\">", kind, j, x, y,
                     sideways ? " rotate(90)" : "");
        if (std::string(kind) == "fixed") {
            std::fprintf(f, "<line x1=\"-14\" y1=\"0\" x2=\"14\" y2=\"0\" stroke-width=\"3\"/>");
            for (int t = -12; t <= 12; t += 6)
                std::fprintf(f, "<line x1=\"%d\" y1=\"0\" x2=\"%d\" y2=\"8\"/>", t, t - 5);
        } else if (std::string(kind) == "rotation") {
            std::fprintf(f, "<rect x=\"-5\" y=\"-5\" width=\"10\" height=\"10\"/>");
        } else {
            std::fprintf(f, "<path d=\"M0 0 L-9 14 L9 14 Z\"/>");
            if (std::string(kind) == "roller")
                std::fprintf(f, "<circle cx=\"-5\" cy=\"18\" r=\"3\"/><circle cx=\"5\" cy=\"18\" r=\"3\"/>");
            else
                std::fprintf(f, "<line x1=\"-13\" y1=\"14\" x2=\"13\" y2=\"14\" stroke-width=\"2.5\"/>");
        }
        std::fprintf(f, "</g>\n");
    }
    std::fprintf(f, "</g>\n");
}

// Forces as arrows pointing at their joint, the largest 60 pixels long;
// moments as a turning arrow around the joint.
void Drawing::write_loads(std::FILE* f) const
{
    double largest = 0;
    for (int j = 1; j <= s_.nj; ++j) {
        Vec force = g_.at_joint(s_.AJ, j, layout_.translation);
        largest = std::max(largest, length(force));
    }
    std::fprintf(f, "<g class=\"loads\" stroke=\"#6a1b9a\" fill=\"#6a1b9a\" stroke-width=\"2\">\n");
    for (int j = 1; j <= s_.nj; ++j) {
        Point p = g_.project(g_.joint(j));
        double x = g_.px(p), y = g_.py(p);
        Vec force = g_.at_joint(s_.AJ, j, layout_.translation);
        Point tip = g_.project(g_.joint(j) + force), base = g_.project(g_.joint(j));
        double dx = g_.px(tip) - g_.px(base), dy = g_.py(tip) - g_.py(base), d = std::hypot(dx, dy);
        if (largest > 0 && d > 0 && std::isfinite(d)) {
            double len = 18 + 42 * length(force) / largest;
            double ux = dx / d, uy = dy / d;
            std::fprintf(f,
                         "<g data-load=\"%d\"><line x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\"/>"
                         "<path d=\"M%.2f %.2f L%.2f %.2f L%.2f %.2f Z\"/></g>\n",
                         j, x - len * ux, y - len * uy, x - 6 * ux, y - 6 * uy, x, y, x - 10 * ux + 4 * uy,
                         y - 10 * uy - 4 * ux, x - 10 * ux - 4 * uy, y - 10 * uy + 4 * ux);
        }
        for (int a = 0; a < 3; ++a) {
            double moment = g_.dof_value(s_.AJ, j, layout_.rotation[a]);
            if (moment == 0 || !std::isfinite(moment))
                continue;
            double sweep = moment > 0 ? 0 : 1; // counter-clockwise for a positive moment
            std::fprintf(f,
                         "<path data-moment=\"%d\" fill=\"none\" d=\"M%.2f %.2f A16 16 0 1 %d %.2f %.2f\"/>"
                         "<circle cx=\"%.2f\" cy=\"%.2f\" r=\"2.5\"/>\n",
                         j, x + 16, y, static_cast<int>(sweep), x, y - (moment > 0 ? 16 : -16), x,
                         y - (moment > 0 ? 16 : -16));
        }
    }
    std::fprintf(f, "</g>\n");
}

// Numbers are left out where they would run into one another.
void Drawing::write_numbers(std::FILE* f) const
{
    auto crowded = [](const std::vector<Point>& at) {
        if (at.size() > 400)
            return true;
        for (size_t a = 0; a < at.size(); ++a)
            for (size_t b = a + 1; b < at.size(); ++b)
                if (std::hypot(at[a].u - at[b].u, at[a].v - at[b].v) < 16)
                    return true;
        return false;
    };
    std::vector<Point> joints, members;
    for (int j = 1; j <= s_.nj; ++j) {
        Point p = g_.project(g_.joint(j));
        joints.push_back({g_.px(p), g_.py(p)});
    }
    for (int i = 1; i <= s_.m; ++i) {
        Point a = g_.project(g_.joint(s_.jj[static_cast<size_t>(i)])),
              b = g_.project(g_.joint(s_.jk[static_cast<size_t>(i)]));
        members.push_back({(g_.px(a) + g_.px(b)) / 2, (g_.py(a) + g_.py(b)) / 2});
    }
    std::fprintf(f, "<g class=\"numbers\" font-family=\"sans-serif\" font-size=\"11\">\n");
    if (!crowded(joints))
        for (size_t j = 0; j < joints.size(); ++j)
            std::fprintf(f, "<text x=\"%.2f\" y=\"%.2f\" fill=\"%s\">%zu</text>\n", joints[j].u + 5, joints[j].v - 5,
                         ink, j + 1);
    if (!crowded(members))
        for (size_t i = 0; i < members.size(); ++i)
            std::fprintf(f,
                         "<text x=\"%.2f\" y=\"%.2f\" fill=\"#37474f\" font-style=\"italic\" "
                         "text-anchor=\"middle\">[%zu]</text>\n",
                         members[i].u, members[i].v - 4, i + 1);
    std::fprintf(f, "</g>\n");
}

void Drawing::write_tripod(std::FILE* f) const
{
    if (layout_.view != View::space && layout_.view != View::grid)
        return;
    const char* names[3] = {"x", "y", "z"};
    Vec axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    double ox = 50, oy = g_.height() - 50;
    std::fprintf(f, "<g class=\"tripod\" stroke=\"%s\" font-family=\"sans-serif\" font-size=\"12\">\n", ink);
    for (int a = 0; a < 3; ++a) {
        Point p = g_.project(axes[a]), o = g_.project(Vec{});
        double dx = p.u - o.u, dy = -(p.v - o.v), d = std::hypot(dx, dy);
        double x = ox + 30 * dx / d, y = oy + 30 * dy / d;
        std::fprintf(f, "<line x1=\"%.1f\" y1=\"%.1f\" x2=\"%.1f\" y2=\"%.1f\"/>", ox, oy, x, y);
        std::fprintf(f, "<text x=\"%.1f\" y=\"%.1f\" stroke=\"none\" fill=\"%s\">%s</text>\n", x + 4 * dx / d - 3,
                     y + 4 * dy / d + 4, ink, names[a]);
    }
    std::fprintf(f, "</g>\n");
}

void Drawing::write_legend(std::FILE* f, const ProgramIdentity& id) const
{
    std::time_t now = std::time(nullptr);
    std::tm date = *std::localtime(&now);
    std::fprintf(f,
                 "<text class=\"title\" x=\"20\" y=\"28\" font-family=\"sans-serif\" font-size=\"16\" fill=\"%s\">"
                 "%s &#8212; %s.in &#8212; run date %d-%d-%d &#8212; %d joint%s, %d member%s</text>\n",
                 ink, id.program, id.type_name, date.tm_mon + 1, date.tm_mday, date.tm_year + 1900, s_.nj,
                 s_.nj == 1 ? "" : "s", s_.m, s_.m == 1 ? "" : "s");
    double y = g_.height() - 60;
    double x = page_width - 250;
    std::fprintf(f, "<g class=\"legend\" font-family=\"sans-serif\" font-size=\"12\" fill=\"%s\">\n", ink);
    std::fprintf(f, "<text x=\"%.0f\" y=\"%.0f\">utilisation of the allowables</text>\n", x, y - 14);
    int row = 0;
    auto entry = [&](const char* colour, const char* text) {
        double yy = y + 16 * row++;
        std::fprintf(f,
                     "<line x1=\"%.0f\" y1=\"%.0f\" x2=\"%.0f\" y2=\"%.0f\" stroke=\"%s\" stroke-width=\"4\"/>"
                     "<text x=\"%.0f\" y=\"%.0f\">%s</text>\n",
                     x, yy, x + 24, yy, colour, x + 32, yy + 4, text);
    };
    for (const Band& b : bands)
        entry(b.colour, b.text);
    entry(fail_colour, "fails a check");
    std::fprintf(f, "</g>\n");
    if (g_.scale() == 0)
        return;
    std::fprintf(f,
                 "<text class=\"scale\" x=\"20\" y=\"50\" font-family=\"sans-serif\" font-size=\"13\" "
                 "fill=\"%s\">deflected shape: displacements &#215; %g</text>\n",
                 deflected_ink, g_.scale());
    if (layout_.bending)
        std::fprintf(f,
                     "<text class=\"curves\" x=\"20\" y=\"68\" font-family=\"sans-serif\" font-size=\"11\" "
                     "fill=\"%s\">between its joints each member bends as its end displacements and rotations "
                     "give%s</text>\n",
                     deflected_ink,
                     s_.nlm > 0 ? ", plus the deflection of its own load with both ends fixed (the load taken as "
                                  "varying linearly)"
                                : "");
}

void Drawing::write(std::FILE* f, const ProgramIdentity& id) const
{
    std::fprintf(f, "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    std::fprintf(f,
                 "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%.0f\" height=\"%.0f\" "
                 "viewBox=\"0 0 %.0f %.0f\" data-scale=\"%g\" data-inch=\"%g\" data-left=\"%g\" data-top=\"%g\" "
                 "data-umin=\"%g\" data-vmax=\"%g\">\n",
                 page_width, g_.height(), page_width, g_.height(), g_.scale(), g_.inch(), g_.left(), g_.top(),
                 g_.umin(), g_.vmax());
    std::fprintf(f, "<rect width=\"100%%\" height=\"100%%\" fill=\"white\"/>\n");
    write_members(f);
    write_deflected(f);
    write_supports(f);
    write_loads(f);
    write_numbers(f);
    write_tripod(f);
    write_legend(f, id);
    std::fprintf(f, "</svg>\n");
}

} // namespace

void write_drawing(std::FILE* f, const DrawingLayout& layout, const ProgramIdentity& id, const ModelCore& s,
                   const SolutionVectors& v, const MemberCheck& check)
{
    Drawing(layout, s, v, check).write(f, id);
}

} // namespace qm
