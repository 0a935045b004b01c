#include "pages/structure_view.h"

#include <algorithm>
#include <cmath>

#include "loads/member_loads.h"
#include "pages/standing.h"
#include "pages/text.h"

namespace quill {

namespace {

qm::View view_of(Type t)
{
    switch (t) {
    case Type::space_frame:
    case Type::space_truss: return qm::View::space;
    case Type::grid: return qm::View::grid;
    case Type::beam: return qm::View::beam;
    default: return qm::View::plane;
    }
}

const char* const ink = "#1a1a1a";

} // namespace

StructureView::StructureView(const Model& s) : s_(s), view_(view_of(s.type))
{
    joint_.assign(s.joints.size() + 1, {});
    for (size_t j = 1; j <= s.joints.size(); ++j) {
        const Joint& p = s.joints[j - 1];
        joint_[j] = {p.x, p.y, p.z};
    }
    axes_.assign(s.members.size() + 1, {});
    for (size_t i = 1; i <= s.members.size(); ++i) {
        Axes a = exact_member_axes(s, static_cast<int>(i));
        for (int k = 0; k < 3; ++k)
            axes_[i][static_cast<size_t>(k)] = {a.R[k][0], a.R[k][1], a.R[k][2]};
    }
    bool first = true;
    for (size_t j = 1; j < joint_.size(); ++j) {
        qm::Point p = project(joint_[j]);
        if (!std::isfinite(p.u) || !std::isfinite(p.v))
            continue;
        umin = first ? p.u : std::min(umin, p.u), umax = first ? p.u : std::max(umax, p.u);
        vmin = first ? p.v : std::min(vmin, p.v), vmax = first ? p.v : std::max(vmax, p.v);
        first = false;
    }
}

qm::Vec StructureView::at(int i, double s) const
{
    const Member& m = s_.members[static_cast<size_t>(i) - 1];
    return joint(m.jj) + s * axis(i, 0);
}

qm::Vec StructureView::in_global(int i, double x, double y, double z) const
{
    return x * axis(i, 0) + y * axis(i, 1) + z * axis(i, 2);
}

Panels::Panels(const StructureView& v) : v_(v)
{
    const Model& s = v.model();
    const double most = 60, margin = most + 70;
    double w = v.umax - v.umin, h = v.vmax - v.vmin, span = std::max({w, h, 1e-9});
    scale_ = (width_ - 2 * margin) / std::max(w, 0.25 * span);
    scale_ = std::min(scale_, 460 / std::max(h, 1e-9));
    // Diagrams stand off their members about a third of a typical member's
    // length on the page, so that neighbours' diagrams keep apart.
    std::vector<double> lengths;
    for (size_t i = 1; i <= s.members.size(); ++i) {
        const Member& m = s.members[i - 1];
        qm::Point a = v.project(v.joint(m.jj)), b = v.project(v.joint(m.jk));
        lengths.push_back(std::hypot(b.u - a.u, b.v - a.v) * scale_);
    }
    double typical = 0;
    if (!lengths.empty()) {
        std::nth_element(lengths.begin(), lengths.begin() + static_cast<long>(lengths.size() / 2), lengths.end());
        typical = lengths[lengths.size() / 2];
    }
    ordinate_ = std::clamp(0.3 * typical, 12.0, most);
    pad_ = ordinate_ + 34;
    height_ = heading + 2 * pad_ + h * scale_;
}

Frame Panels::frame(int k, double first) const
{
    Frame f;
    f.scale = scale_;
    f.umin = v_.umin;
    f.vmax = v_.vmax;
    f.left = (width_ - (v_.umax - v_.umin) * scale_) / 2;
    f.top = top(k, first) + heading + pad_;
    return f;
}

namespace {

// Supports as engineers draw them: a hatched base where every direction is
// held (fixed), a triangle where the translations are held but the joint
// may turn (pinned), a triangle on rollers where only some translations
// are, a small square where only rotations are; a spring as a zigzag.
void draw_supports(Svg& svg, const StructureView& v, const Frame& f)
{
    const Model& s = v.model();
    const TypeTable& t = s.t();
    int up = v.view() == qm::View::grid ? 'z' : 'y';
    svg.open("class=\"supports\" stroke=\"" + std::string(ink) + "\" stroke-width=\"1.5\" fill=\"none\"");
    for (const Support& sp : s.supports) {
        int held_t = 0, held_r = 0, free_t = 0, free_r = 0;
        bool vertical = false;
        for (int k = 0; k < t.d; ++k) {
            bool held = sp.restrained[k];
            if (t.rotation[k])
                held ? ++held_r : ++free_r;
            else
                held ? ++held_t : ++free_t;
            vertical = vertical || (held && !t.rotation[k] && t.dof[k][0] == up);
        }
        if (held_t + held_r == 0)
            continue;
        std::string kind = free_t == 0 ? (free_r == 0 && held_r > 0 ? "fixed" : "pinned")
                                       : (held_t > 0 ? "roller" : "rotation");
        Px p = f.at(v.project(v.joint(sp.joint)));
        bool sideways = kind == "roller" && !vertical;
        std::string g = "<g data-support=\"" + kind + "\" data-joint=\"" +
                        html_escape(s.joints[static_cast<size_t>(sp.joint) - 1].name) + "\" transform=\"translate(" +
                        px(p.x) + " " + px(p.y) + ")" + (sideways ? " rotate(90)" : "") + "\">";
        if (kind == "fixed") {
            g += "<line x1=\"-14\" y1=\"0\" x2=\"14\" y2=\"0\" stroke-width=\"3\"/>";
            for (int k = -12; k <= 12; k += 6)
                g += "<line x1=\"" + std::to_string(k) + "\" y1=\"0\" x2=\"" + std::to_string(k - 5) + "\" y2=\"8\"/>";
        } else if (kind == "rotation") {
            g += "<rect x=\"-5\" y=\"-5\" width=\"10\" height=\"10\"/>";
        } else {
            g += "<path d=\"M0 0 L-9 14 L9 14 Z\"/>";
            g += kind == "roller" ? "<circle cx=\"-5\" cy=\"18\" r=\"3\"/><circle cx=\"5\" cy=\"18\" r=\"3\"/>"
                                  : "<line x1=\"-13\" y1=\"14\" x2=\"13\" y2=\"14\" stroke-width=\"2.5\"/>";
        }
        svg.raw(g + "</g>\n");
    }
    for (const Spring& sp : s.springs) {
        Px p = f.at(v.project(v.joint(sp.joint)));
        svg.raw("<path data-spring=\"" + html_escape(s.joints[static_cast<size_t>(sp.joint) - 1].name) + "\" d=\"M" +
                px(p.x) + " " + px(p.y) + " l0 4 l-5 3 l10 3 l-10 3 l10 3 l-5 3 l0 4 m-9 0 l18 0\"/>\n");
    }
    svg.close();
}

} // namespace

void draw_structure(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, bool names)
{
    const Model& s = v.model();
    bool many = s.members.size() > 200;
    svg.open("class=\"members\" stroke=\"" + std::string(many ? "#777" : "#555") + "\" stroke-width=\"" +
             (many ? "0.8" : "2") + "\" stroke-linecap=\"round\"");
    if (s.members.size() > members_drawn_in_full) {
        // Too many to tell apart: one path, without their names.
        std::string d;
        for (const Member& m : s.members) {
            Px a = f.at(v.project(v.joint(m.jj))), b = f.at(v.project(v.joint(m.jk)));
            d += "M" + px(a.x) + " " + px(a.y) + "L" + px(b.x) + " " + px(b.y);
        }
        svg.raw("<path fill=\"none\" d=\"" + d + "\"/>\n");
    } else {
        for (size_t i = 1; i <= s.members.size(); ++i) {
            const Member& m = s.members[i - 1];
            svg.line(f.at(v.project(v.joint(m.jj))), f.at(v.project(v.joint(m.jk))),
                     "data-member=\"" + html_escape(m.name) + "\"");
        }
    }
    svg.close();
    draw_supports(svg, v, f);
    if (!names || s.joints.size() > 400)
        return;
    svg.open("class=\"names\" font-size=\"11\" fill=\"" + std::string(ink) + "\"");
    for (size_t j = 1; j <= s.joints.size(); ++j) {
        Px p = f.at(v.project(v.joint(static_cast<int>(j))));
        Px at = {p.x + 5, p.y - 5};
        if (labels.take(at, s.joints[j - 1].name.size(), "start"))
            svg.text(at, s.joints[j - 1].name, "data-joint=\"" + html_escape(s.joints[j - 1].name) + "\"");
    }
    for (size_t i = 1; i <= s.members.size(); ++i) {
        const Member& m = s.members[i - 1];
        Px a = f.at(v.project(v.joint(m.jj))), b = f.at(v.project(v.joint(m.jk)));
        // Beside the member's middle: below a flat one, to the right of a
        // steep one.
        double dx = b.x - a.x, dy = b.y - a.y;
        bool steep = std::fabs(dy) > std::fabs(dx);
        Px at = {(a.x + b.x) / 2 + (steep ? 6 : 0), (a.y + b.y) / 2 + (steep ? 4 : 14)};
        const char* anchor = steep ? "start" : "middle";
        std::string name = "[" + m.name + "]";
        if (labels.take(at, name.size(), anchor))
            svg.text(at, name, "font-style=\"italic\" fill=\"#37474f\"", anchor);
    }
    svg.close();
}

void draw_heading(Svg& svg, double top, double width, const std::string& title, const std::string& note)
{
    svg.line({10, top + 2}, {width - 10, top + 2}, "stroke=\"#bbb\"");
    svg.text({20, top + 20}, title, "class=\"heading\" font-size=\"15\" font-weight=\"bold\" fill=\"" + std::string(ink) + "\"");
    if (!note.empty())
        svg.text({width - 20, top + 20}, note, "font-size=\"12\" fill=\"#444\"", "end");
}

void draw_title(Svg& svg, const Model& s, const std::string& what, const std::string& units)
{
    svg.text({20, 28}, s.title.empty() ? std::string(s.t().name) : s.title,
             "class=\"title\" font-size=\"18\" font-weight=\"bold\" fill=\"" + std::string(ink) + "\"");
    svg.text({20, 50}, what, "class=\"combination\" font-size=\"14\" fill=\"" + std::string(ink) + "\"");
    svg.text({20, 70}, units, "class=\"units\" font-size=\"12\" fill=\"#444\"");
}

void draw_length_scale(Svg& svg, const Model& s, const Frame& f, Px right)
{
    const Units& u = *s.units;
    double want = u.from_internal(Quantity::length, 100 / f.scale);
    if (!(want > 0) || !std::isfinite(want))
        return;
    double unit = std::pow(10.0, std::floor(std::log10(want)));
    double len = want / unit >= 5 ? 5 * unit : want / unit >= 2 ? 2 * unit : unit;
    double w = u.to_internal(Quantity::length, len) * f.scale;
    Px a = {right.x - w, right.y};
    svg.raw("<g class=\"length-scale\" stroke=\"" + std::string(ink) + "\" fill=\"" + ink + "\" font-size=\"11\">");
    svg.line(a, right, "stroke-width=\"2\"");
    svg.line({a.x, a.y - 4}, {a.x, a.y + 4});
    svg.line({right.x, right.y - 4}, {right.x, right.y + 4});
    svg.text({(a.x + right.x) / 2, a.y - 6}, fmt("%g", len) + " " + u.unit(Quantity::length), "stroke=\"none\"", "middle");
    svg.raw("</g>\n");
}

std::string units_line(const Model& s)
{
    const Units& u = *s.units;
    return std::string(u.name) + " units: forces in " + u.unit(Quantity::force) + ", moments in " +
           u.unit(Quantity::moment) + ", distributed loads in " + u.unit(Quantity::distributed) + ", lengths in " +
           u.unit(Quantity::length) + ", deflections in " + u.unit(Quantity::displacement);
}

} // namespace quill
