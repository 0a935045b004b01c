#include <algorithm>
#include <cmath>

#include "pages/diagram.h"
#include "pages/envelope.h"
#include "pages/standing.h"
#include "pages/text.h"

namespace quill {

namespace {

// One axis's envelope along every member: the largest and the smallest
// moment at each station, each curve labelled at its peak.
std::vector<MemberDiagram> envelope_curves(const Model& s, const Envelope& e, int axis, bool largest,
                                           const std::vector<bool>& drawn)
{
    std::vector<MemberDiagram> out;
    for (size_t i = 1; i <= s.members.size(); ++i) {
        if (!drawn[i])
            continue;
        const MomentEnvelope& m = e.member[i].moments;
        const std::vector<double>& x = largest ? m.hi[axis] : m.lo[axis];
        if (x.empty() || !std::isfinite(x.front()))
            continue;
        MemberDiagram d;
        d.member = static_cast<int>(i);
        d.s = m.s;
        d.value = x;
        size_t best = 0;
        for (size_t k = 1; k < x.size(); ++k)
            if (largest ? x[k] > x[best] : x[k] < x[best])
                best = k;
        d.labels.push_back({m.s[best], x[best], true});
        out.push_back(std::move(d));
    }
    return out;
}

struct EnvelopePanel {
    int axis; // of MomentEnvelope: 0 about member y, 1 about z
    const char* title;
    DiagramStyle hi, lo;
};

// A moment drawn to the side its member is in tension, as in each
// combination's drawing: Mz's on member -y, My's on member +z.
const EnvelopePanel about_z = {
    .axis = 1,
    .title = "bending moment Mz: largest and smallest of all combinations, on the tension side",
    .hi = {.axis = 1, .sense = -1, .quantity = Quantity::moment, .colour = "#c62828", .name = "Mz largest", .magnitudes = true},
    .lo = {.axis = 1, .sense = -1, .quantity = Quantity::moment, .colour = "#1565c0", .name = "Mz smallest", .magnitudes = true}};
const EnvelopePanel about_y = {
    .axis = 0,
    .title = "bending moment My: largest and smallest of all combinations, on the tension side",
    .hi = {.axis = 2, .sense = 1, .quantity = Quantity::moment, .colour = "#c62828", .name = "My largest", .magnitudes = true},
    .lo = {.axis = 2, .sense = 1, .quantity = Quantity::moment, .colour = "#1565c0", .name = "My smallest", .magnitudes = true}};

// A large model's envelope draws the members that come closest to failing
// in any combination.
std::vector<bool> envelope_drawn(const Model& s, const Envelope& e)
{
    std::vector<bool> drawn(s.members.size() + 1, s.members.size() <= members_drawn_in_full);
    drawn[0] = false;
    if (s.members.size() <= members_drawn_in_full)
        return drawn;
    std::vector<int> order = members_by_least(s, e);
    for (size_t n = 0; n < order.size() && n < members_listed; ++n)
        drawn[static_cast<size_t>(order[n])] = true;
    return drawn;
}

std::vector<const EnvelopePanel*> envelope_panels(Type t)
{
    switch (t) {
    case Type::space_frame: return {&about_z, &about_y};
    case Type::plane_frame:
    case Type::beam: return {&about_z};
    case Type::grid: return {&about_y};
    default: return {};
    }
}

} // namespace

std::string envelope_svg(const Model& s, const Envelope& e)
{
    StructureView v(s);
    Panels panels(v);
    std::vector<const EnvelopePanel*> list = envelope_panels(s.type);
    const double first = 84;
    int count = std::max<int>(1, static_cast<int>(list.size()));
    Svg svg(panels.width(), first + count * panels.height() + 16);
    std::vector<bool> drawn = envelope_drawn(s, e);
    std::string what = "envelope of all combinations (" + std::to_string(s.combinations.size()) + ")";
    if (s.members.size() > members_drawn_in_full)
        what += "; the " + std::to_string(members_listed) + " members closest to failing of " +
                std::to_string(s.members.size()) + " (the envelope's CSV file: every member)";
    draw_title(svg, s, what, units_line(s));
    draw_length_scale(svg, s, panels.frame(0, first), {panels.width() - 24, 66});
    if (list.empty()) {
        LabelSpace labels;
        draw_heading(svg, panels.top(0, first), panels.width(), "truss members carry axial force alone: no moments",
                     "");
        draw_structure(svg, labels, v, panels.frame(0, first), true);
    }
    for (size_t k = 0; k < list.size(); ++k) {
        const EnvelopePanel& p = *list[k];
        LabelSpace labels;
        Frame f = panels.frame(static_cast<int>(k), first);
        std::vector<MemberDiagram> hi = envelope_curves(s, e, p.axis, true, drawn),
                                   lo = envelope_curves(s, e, p.axis, false, drawn);
        double most = std::max(largest_ordinate(hi), largest_ordinate(lo)), per = most > 0 ? panels.ordinate() / most : 0;
        svg.open(std::string("class=\"panel\" id=\"") + (p.axis == 1 ? "Mz" : "My") + "\"");
        draw_heading(svg, panels.top(static_cast<int>(k), first), panels.width(),
                     std::string(p.title) + " (" + s.units->unit(Quantity::moment) + ")", ordinate_scale(s, p.hi, per));
        draw_structure(svg, labels, v, f, k == 0);
        draw_diagrams(svg, labels, v, f, hi, p.hi, per);
        draw_diagrams(svg, labels, v, f, lo, p.lo, per);
        svg.close();
    }
    return svg.finish();
}

} // namespace quill
