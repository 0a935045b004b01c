#include "drawing.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <string>
#include <vector>

#include "member_axes.h"
#include "span_deflection.h"

namespace qm {

namespace {

struct Vec {
    double x = 0, y = 0, z = 0;
};
Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator*(double k, Vec a)
{
    return {k * a.x, k * a.y, k * a.z};
}
double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double length(Vec a)
{
    return std::sqrt(dot(a, a));
}

struct Point {
    double u = 0, v = 0; // on the drawing plane, inches; v up
};

constexpr double page_width = 960; // pixels
constexpr double margin = 70;      // pixels around the structure
constexpr int curve_segments = 16; // per bending member
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

// Everything about one run that the drawing shows, in the structure's own
// axes (a grid's and a beam's too).
class Drawing {
public:
    Drawing(const DrawingLayout& layout, const ModelCore& s, const SolutionVectors& v, const MemberCheck& check)
        : L_(layout), s_(s), v_(v), check_(check)
    {
        place_joints();
        scale_ = deflection_scale();
        fit_page();
    }

    void write(std::FILE* f, const ProgramIdentity& id) const;

private:
    Vec joint(int j) const { return joint_[static_cast<size_t>(j)]; }
    double dof_value(const std::vector<float>& a, int j, int k) const
    {
        return k == 0 ? 0.0 : a[static_cast<size_t>(s_.size.dofs_per_joint * (j - 1) + k)];
    }
    Vec translation(int j) const
    {
        return {dof_value(v_.D, j, L_.translation[0]), dof_value(v_.D, j, L_.translation[1]),
                dof_value(v_.D, j, L_.translation[2])};
    }
    Vec rotation(int j) const
    {
        return {dof_value(v_.D, j, L_.rotation[0]), dof_value(v_.D, j, L_.rotation[1]),
                dof_value(v_.D, j, L_.rotation[2])};
    }
    bool restrained(int j, int k) const { return k != 0 && s_.dofs.rl[static_cast<size_t>(s_.dofs.raw(j, k))] != 0; }

    void place_joints();
    double deflection_scale();
    void fit_page();
    Point project(Vec p) const;
    double px(Point p) const { return left_ + (p.u - umin_) * k_; }
    double py(Point p) const { return top_ + (vmax_ - p.v) * k_; }
    int segments() const { return L_.bending ? curve_segments : 1; }
    void member_axes(int i, Vec& y, Vec& z) const;
    Vec load_deflection(int i, double t) const;
    Vec displacement(int i, double t) const;
    Vec deflected(int i, double t) const;
    const char* member_colour(int i) const;

    void write_members(std::FILE* f) const;
    void write_deflected(std::FILE* f) const;
    void write_supports(std::FILE* f) const;
    void write_loads(std::FILE* f) const;
    void write_numbers(std::FILE* f) const;
    void write_legend(std::FILE* f, const ProgramIdentity& id) const;
    void write_tripod(std::FILE* f) const;

    const DrawingLayout& L_;
    const ModelCore& s_;
    const SolutionVectors& v_;
    const MemberCheck& check_;
    std::vector<Vec> joint_;
    double scale_ = 0;
    double umin_ = 0, vmax_ = 0, k_ = 1, left_ = margin, top_ = margin, height_ = 0;
};

// A beam has no coordinates: its joints follow one another along x.
void Drawing::place_joints()
{
    joint_.assign(static_cast<size_t>(s_.nj) + 1, Vec{});
    for (int j = 1; j <= s_.nj; ++j)
        joint_[static_cast<size_t>(j)] = {s_.x[static_cast<size_t>(j)], s_.y[static_cast<size_t>(j)],
                                          s_.z[static_cast<size_t>(j)]};
    if (L_.view == View::beam)
        for (int j = 2; j <= s_.nj; ++j)
            joint_[static_cast<size_t>(j)] = {joint(j - 1).x + s_.L[static_cast<size_t>(j - 1)], 0, 0};
}

// The projection onto the drawing plane. The axonometric view looks at the
// structure from the front, the right and above; a grid lies flat in it, its
// z axis standing up.
Point Drawing::project(Vec p) const
{
    const double c = 0.8660254037844386, h = 0.5;
    switch (L_.view) {
    case View::plane:
    case View::beam: return {p.x, p.y};
    case View::space: return {c * (p.x - p.z), p.y - h * (p.x + p.z)};
    case View::grid: return {c * (p.x - p.y), p.z - h * (p.x + p.y)};
    }
    return {};
}

// The largest displacement drawn at about a tenth of the structure's size,
// the factor rounded to two significant figures. Along a bending member the
// end rotations and the member's own load displace it where its joints stay
// put (a beam over its supports), so the members' curves count too, at the
// points drawn.
double Drawing::deflection_scale()
{
    double largest = 0;
    Vec lo = joint(s_.nj > 0 ? 1 : 0), hi = lo;
    for (int j = 1; j <= s_.nj; ++j) {
        largest = std::max(largest, length(translation(j)));
        Vec p = joint(j);
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
    for (int i = 1; i <= s_.m; ++i)
        for (int k = 1; k < segments(); ++k)
            largest = std::max(largest, length(displacement(i, static_cast<double>(k) / segments())));
    double size = length(hi - lo);
    if (!(largest > 0) || !(size > 0) || !std::isfinite(largest))
        return 0;
    double raw = 0.1 * size / largest;
    double unit = std::pow(10.0, std::floor(std::log10(raw)) - 1);
    return std::max(unit, std::round(raw / unit) * unit);
}

// Member y and z in the structure's axes: in space those of the analysis;
// elsewhere member z is global z and member y is z cross x.
void Drawing::member_axes(int i, Vec& y, Vec& z) const
{
    if (L_.view == View::space) {
        float R[4][4];
        space_member_axes(s_.xcl[static_cast<size_t>(i)], s_.ycl[static_cast<size_t>(i)],
                          s_.zcl[static_cast<size_t>(i)], R);
        y = {R[2][1], R[2][2], R[2][3]};
        z = {R[3][1], R[3][2], R[3][3]};
        return;
    }
    Vec AB = joint(s_.jk[static_cast<size_t>(i)]) - joint(s_.jj[static_cast<size_t>(i)]);
    double len = length(AB);
    Vec e = len > 0 ? (1 / len) * AB : Vec{};
    z = {0, 0, 1};
    y = cross(z, e);
}

// The deflection of the member's own load at t with both ends fixed, in each
// plane it bends in. A moment about member z turns member x towards member
// y, one about member y turns it away from member z.
Vec Drawing::load_deflection(int i, double t) const
{
    Vec sum;
    if (!L_.flexural_rigidity || s_.nlm == 0)
        return sum;
    const float* q = s_.member_loads(i);
    double len = s_.L[static_cast<size_t>(i)];
    Vec y, z;
    member_axes(i, y, z);
    for (const BendingPlane& p : L_.planes) {
        if (p.shear[0] == 0)
            continue;
        double turn = p.axis == MemberAxis::y ? 1 : -1;
        SpanEndActions f = {q[p.shear[0]], turn * q[p.moment[0]], q[p.shear[1]], turn * q[p.moment[1]]};
        double v = fixed_end_deflection(balancing_linear_load(f, len), len, L_.flexural_rigidity(s_, i, p.axis), t);
        sum = sum + v * (p.axis == MemberAxis::y ? y : z);
    }
    return sum;
}

// The displacement of the member's point at t (0 at the start, 1 at the
// end). Along the member it varies linearly; across a bending member as the
// cubic whose end slopes are the end rotations, plus the deflection of the
// member's own load; across any other member linearly.
Vec Drawing::displacement(int i, double t) const
{
    int a = s_.jj[static_cast<size_t>(i)], b = s_.jk[static_cast<size_t>(i)];
    Vec AB = joint(b) - joint(a);
    double len = length(AB);
    Vec e = len > 0 ? (1 / len) * AB : Vec{};
    Vec ua = translation(a), ub = translation(b);
    Vec axial = ((1 - t) * dot(ua, e) + t * dot(ub, e)) * e;
    Vec ta = ua - dot(ua, e) * e, tb = ub - dot(ub, e) * e;
    if (!L_.bending)
        return axial + ((1 - t) * ta + t * tb);
    double h00 = 2 * t * t * t - 3 * t * t + 1, h10 = t * t * t - 2 * t * t + t;
    double h01 = -2 * t * t * t + 3 * t * t, h11 = t * t * t - t * t;
    Vec across = h00 * ta + h10 * len * cross(rotation(a), e) + h01 * tb + h11 * len * cross(rotation(b), e);
    return axial + across + load_deflection(i, t);
}

Vec Drawing::deflected(int i, double t) const
{
    Vec A = joint(s_.jj[static_cast<size_t>(i)]), B = joint(s_.jk[static_cast<size_t>(i)]);
    return A + t * (B - A) + scale_ * displacement(i, t);
}

void Drawing::fit_page()
{
    double umax = -1e300, vmin = 1e300;
    umin_ = 1e300, vmax_ = -1e300;
    auto take = [&](Vec p) {
        Point q = project(p);
        if (!std::isfinite(q.u) || !std::isfinite(q.v))
            return;
        umin_ = std::min(umin_, q.u), umax = std::max(umax, q.u);
        vmin = std::min(vmin, q.v), vmax_ = std::max(vmax_, q.v);
    };
    for (int j = 1; j <= s_.nj; ++j) {
        take(joint(j));
        take(joint(j) + scale_ * translation(j));
    }
    for (int i = 1; i <= s_.m && scale_ > 0; ++i)
        for (int k = 1; k < segments(); ++k)
            take(deflected(i, static_cast<double>(k) / segments()));
    if (umin_ > umax)
        umin_ = umax = vmin = vmax_ = 0;
    double w = umax - umin_, h = vmax_ - vmin;
    double span = std::max({w, h, 1e-9});
    k_ = (page_width - 2 * margin) / std::max(w, 0.25 * span);
    if (h * k_ > 1.4 * page_width)
        k_ = 1.4 * page_width / std::max(h, 1e-9);
    left_ = (page_width - w * k_) / 2;
    top_ = margin + 30;
    height_ = top_ + std::max(h * k_, 120.0) + margin + 40;
}

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
        Point a = project(joint(s_.jj[static_cast<size_t>(i)])), b = project(joint(s_.jk[static_cast<size_t>(i)]));
        std::fprintf(f, "<line data-member=\"%d\" x1=\"%.2f\" y1=\"%.2f\" x2=\"%.2f\" y2=\"%.2f\" stroke=\"%s\"/>\n", i,
                     px(a), py(a), px(b), py(b), member_colour(i));
    }
    std::fprintf(f, "</g>\n");
}

void Drawing::write_deflected(std::FILE* f) const
{
    if (scale_ == 0)
        return;
    std::fprintf(f,
                 "<g class=\"deflected\" fill=\"none\" stroke=\"%s\" stroke-width=\"%.1f\" "
                 "stroke-dasharray=\"6 3\">\n",
                 deflected_ink, s_.m > 200 ? 0.8 : 1.5);
    for (int i = 1; i <= s_.m; ++i) {
        std::fprintf(f, "<polyline data-member=\"%d\" points=\"", i);
        for (int k = 0; k <= segments(); ++k) {
            Point p = project(deflected(i, static_cast<double>(k) / segments()));
            std::fprintf(f, "%s%.2f,%.2f", k ? " " : "", px(p), py(p));
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
            int k = L_.translation[a];
            if (k == 0)
                continue;
            restrained(j, k) ? ++held_t : ++free_t;
            bool up = (L_.view == View::grid && a == 2) || (L_.view != View::grid && a == 1);
            vertical_held = vertical_held || (up && restrained(j, k));
        }
        for (int a = 0; a < 3; ++a)
            if (L_.rotation[a] != 0)
                restrained(j, L_.rotation[a]) ? ++held_r : ++free_r;
        if (held_t + held_r == 0)
            continue;
        Point p = project(joint(j));
        double x = px(p), y = py(p);
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
        Vec force{dof_value(s_.AJ, j, L_.translation[0]), dof_value(s_.AJ, j, L_.translation[1]),
                  dof_value(s_.AJ, j, L_.translation[2])};
        largest = std::max(largest, length(force));
    }
    std::fprintf(f, "<g class=\"loads\" stroke=\"#6a1b9a\" fill=\"#6a1b9a\" stroke-width=\"2\">\n");
    for (int j = 1; j <= s_.nj; ++j) {
        Point p = project(joint(j));
        double x = px(p), y = py(p);
        Vec force{dof_value(s_.AJ, j, L_.translation[0]), dof_value(s_.AJ, j, L_.translation[1]),
                  dof_value(s_.AJ, j, L_.translation[2])};
        Point tip = project(joint(j) + force), base = project(joint(j));
        double dx = px(tip) - px(base), dy = py(tip) - py(base), d = std::hypot(dx, dy);
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
            double moment = dof_value(s_.AJ, j, L_.rotation[a]);
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
        Point p = project(joint(j));
        joints.push_back({px(p), py(p)});
    }
    for (int i = 1; i <= s_.m; ++i) {
        Point a = project(joint(s_.jj[static_cast<size_t>(i)])), b = project(joint(s_.jk[static_cast<size_t>(i)]));
        members.push_back({(px(a) + px(b)) / 2, (py(a) + py(b)) / 2});
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
    if (L_.view != View::space && L_.view != View::grid)
        return;
    const char* names[3] = {"x", "y", "z"};
    Vec axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    double ox = 50, oy = height_ - 50;
    std::fprintf(f, "<g class=\"tripod\" stroke=\"%s\" font-family=\"sans-serif\" font-size=\"12\">\n", ink);
    for (int a = 0; a < 3; ++a) {
        Point p = project(axes[a]), o = project(Vec{});
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
    double y = height_ - 60;
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
    if (scale_ == 0)
        return;
    std::fprintf(f,
                 "<text class=\"scale\" x=\"20\" y=\"50\" font-family=\"sans-serif\" font-size=\"13\" "
                 "fill=\"%s\">deflected shape: displacements &#215; %g</text>\n",
                 deflected_ink, scale_);
    if (L_.bending)
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
                 page_width, height_, page_width, height_, scale_, k_, left_, top_, umin_, vmax_);
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
