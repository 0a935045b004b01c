#include "drawing/geometry.h"

#include <algorithm>
#include <cmath>

#include "drawing/span_deflection.h"
#include "model/member_axes.h"

namespace qm {

namespace {

constexpr double margin = 70;      // pixels around the structure
constexpr int curve_segments = 16; // per bending member

} // namespace

DrawingGeometry::DrawingGeometry(const DrawingLayout& layout, const ModelCore& s, const SolutionVectors& v)
    : layout_(layout), s_(s), v_(v)
{
    place_joints();
    scale_ = deflection_scale();
    fit_page();
}

int DrawingGeometry::segments() const
{
    return layout_.bending ? curve_segments : 1;
}

// A beam has no coordinates: its joints follow one another along x.
void DrawingGeometry::place_joints()
{
    joint_.assign(static_cast<size_t>(s_.nj) + 1, Vec{});
    for (int j = 1; j <= s_.nj; ++j)
        joint_[static_cast<size_t>(j)] = {s_.x[static_cast<size_t>(j)], s_.y[static_cast<size_t>(j)],
                                          s_.z[static_cast<size_t>(j)]};
    if (layout_.view == View::beam)
        for (int j = 2; j <= s_.nj; ++j)
            joint_[static_cast<size_t>(j)] = {joint(j - 1).x + s_.L[static_cast<size_t>(j - 1)], 0, 0};
}

// The largest displacement drawn at about a tenth of the structure's size,
// the factor rounded to two significant figures. Along a bending member the
// end rotations and the member's own load displace it where its joints stay
// put (a beam over its supports), so the members' curves count too, at the
// points drawn.
double DrawingGeometry::deflection_scale()
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
void DrawingGeometry::member_axes(int i, Vec& y, Vec& z) const
{
    if (layout_.view == View::space) {
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
Vec DrawingGeometry::load_deflection(int i, double t) const
{
    Vec sum;
    if (!layout_.flexural_rigidity || s_.nlm == 0)
        return sum;
    const float* q = s_.member_loads(i);
    double len = s_.L[static_cast<size_t>(i)];
    Vec y, z;
    member_axes(i, y, z);
    for (const BendingPlane& p : layout_.planes) {
        if (p.shear[0] == 0)
            continue;
        double turn = p.axis == MemberAxis::y ? 1 : -1;
        SpanEndActions f = {q[p.shear[0]], turn * q[p.moment[0]], q[p.shear[1]], turn * q[p.moment[1]]};
        double v =
            fixed_end_deflection(balancing_linear_load(f, len), len, layout_.flexural_rigidity(s_, i, p.axis), t);
        sum = sum + v * (p.axis == MemberAxis::y ? y : z);
    }
    return sum;
}

// The displacement of the member's point at t (0 at the start, 1 at the
// end). Along the member it varies linearly; across a bending member as the
// cubic whose end slopes are the end rotations, plus the deflection of the
// member's own load; across any other member linearly.
Vec DrawingGeometry::displacement(int i, double t) const
{
    int a = s_.jj[static_cast<size_t>(i)], b = s_.jk[static_cast<size_t>(i)];
    Vec AB = joint(b) - joint(a);
    double len = length(AB);
    Vec e = len > 0 ? (1 / len) * AB : Vec{};
    Vec ua = translation(a), ub = translation(b);
    Vec axial = ((1 - t) * dot(ua, e) + t * dot(ub, e)) * e;
    Vec ta = ua - dot(ua, e) * e, tb = ub - dot(ub, e) * e;
    if (!layout_.bending)
        return axial + ((1 - t) * ta + t * tb);
    double h00 = 2 * t * t * t - 3 * t * t + 1, h10 = t * t * t - 2 * t * t + t;
    double h01 = -2 * t * t * t + 3 * t * t, h11 = t * t * t - t * t;
    Vec across = h00 * ta + h10 * len * cross(rotation(a), e) + h01 * tb + h11 * len * cross(rotation(b), e);
    return axial + across + load_deflection(i, t);
}

Vec DrawingGeometry::deflected(int i, double t) const
{
    Vec A = joint(s_.jj[static_cast<size_t>(i)]), B = joint(s_.jk[static_cast<size_t>(i)]);
    return A + t * (B - A) + scale_ * displacement(i, t);
}

// The drawing plane's extent (the structure and its deflected shape) fills
// the page's width, a narrow structure counted at least a quarter of its
// height wide, and stands at most 1.4 page widths high.
void DrawingGeometry::fit_page()
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
    inch_ = (page_width - 2 * margin) / std::max(w, 0.25 * span);
    if (h * inch_ > 1.4 * page_width)
        inch_ = 1.4 * page_width / std::max(h, 1e-9);
    left_ = (page_width - w * inch_) / 2;
    top_ = margin + 30;
    height_ = top_ + std::max(h * inch_, 120.0) + margin + 40;
}

} // namespace qm
