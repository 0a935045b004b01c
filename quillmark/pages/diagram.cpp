#include "pages/diagram.h"

#include <algorithm>
#include <cmath>

#include "pages/text.h"

namespace quill {

namespace {

constexpr int curve_points = 16;    // inside a piece that is not straight
constexpr size_t labels_tried = 600; // per panel: a large model's largest values
constexpr size_t crowded = 100;      // members in a panel beyond which their ends go unlabelled

bool straight(const Piece& p)
{
    return p.c[2] == 0 && p.c[3] == 0 && p.c[4] == 0 && p.c[5] == 0;
}

double slope(const Piece& p, double s)
{
    double t = s - p.s0, d = 0;
    for (int k = 5; k >= 1; --k)
        d = d * t + k * p.c[static_cast<size_t>(k)];
    return d;
}

} // namespace

MemberDiagram diagram_of(int member, const Piecewise& f)
{
    MemberDiagram d;
    d.member = member;
    if (f.pieces.empty())
        return d;
    for (const Piece& p : f.pieces) {
        int n = straight(p) || p.s1 <= p.s0 ? 1 : curve_points;
        for (int k = 0; k <= n; ++k) {
            double s = k == n ? p.s1 : p.s0 + (p.s1 - p.s0) * k / n;
            d.s.push_back(s);
            d.value.push_back(p.at(s));
        }
    }
    double L = f.pieces.back().s1;
    auto add = [&](double s, double v, bool peak) {
        for (MemberDiagram::Label& l : d.labels)
            if (std::fabs(l.s - s) <= 1e-9 * (L + 1) && std::fabs(l.value - v) <= 1e-9 * (std::fabs(v) + 1e-9)) {
                l.peak = l.peak || peak;
                return;
            }
        d.labels.push_back({s, v, peak});
    };
    Extreme hi = f.max(), lo = f.min();
    add(hi.s, hi.value, true);
    add(lo.s, lo.value, true);
    add(0, f.before(0), false);
    add(L, f.at(L), false);
    for (double s : f.turning_points())
        add(s, f.at(s), false);
    // Corners and jumps between pieces: under a point load the moment peaks
    // at a corner, the shear jumps.
    for (size_t k = 0; k + 1 < f.pieces.size(); ++k) {
        const Piece &a = f.pieces[k], &b = f.pieces[k + 1];
        double s = a.s1, before = a.at(s), after = b.at(s);
        if (std::fabs(after - before) > 1e-9 * (std::fabs(before) + std::fabs(after))) {
            add(s, before, false);
            add(s, after, false);
        } else if (slope(a, s) * slope(b, s) < 0) {
            add(s, after, false);
        }
    }
    return d;
}

double largest_ordinate(const std::vector<MemberDiagram>& d)
{
    double most = 0;
    for (const MemberDiagram& m : d)
        for (double v : m.value)
            if (std::isfinite(v))
                most = std::max(most, std::fabs(v));
    return most;
}

namespace {

struct Placed {
    const MemberDiagram* d;
    const MemberDiagram::Label* l;
};

} // namespace

void draw_diagrams(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f,
                   const std::vector<MemberDiagram>& d, const DiagramStyle& style, double per)
{
    const Model& s = v.model();
    // The ordinate of value x at s along member i, inches off the member.
    auto tip = [&](int i, double at, double x) {
        double off = std::isfinite(x) ? style.sense * x * per / f.scale : 0;
        return v.at(i, at) + off * v.axis(i, style.axis);
    };
    svg.open("class=\"diagrams\" data-action=\"" + std::string(style.name) + "\" fill=\"" + style.colour +
             "\" fill-opacity=\"0.18\" stroke=\"" + style.colour + "\" stroke-width=\"1.3\"");
    for (const MemberDiagram& m : d) {
        if (m.s.empty())
            continue;
        std::vector<Px> curve;
        for (size_t k = 0; k < m.s.size(); ++k)
            curve.push_back(f.at(v.project(tip(m.member, m.s[k], m.value[k]))));
        std::vector<Px> area = curve;
        area.insert(area.begin(), f.at(v.project(v.at(m.member, m.s.front()))));
        area.push_back(f.at(v.project(v.at(m.member, m.s.back()))));
        svg.raw("<g data-member=\"" + html_escape(s.members[static_cast<size_t>(m.member) - 1].name) + "\">");
        svg.polygon(area, "stroke=\"none\"");
        svg.polyline(curve, "fill=\"none\"");
        svg.raw("</g>\n");
    }
    svg.close();

    std::vector<Placed> order;
    for (const MemberDiagram& m : d)
        for (const MemberDiagram::Label& l : m.labels)
            if (std::isfinite(l.value))
                order.push_back({&m, &l});
    std::stable_sort(order.begin(), order.end(), [](const Placed& a, const Placed& b) {
        if (a.l->peak != b.l->peak)
            return a.l->peak;
        return std::fabs(a.l->value) > std::fabs(b.l->value);
    });
    // Many members: their peaks alone, the largest first.
    if (d.size() > crowded) {
        order.erase(std::remove_if(order.begin(), order.end(), [](const Placed& p) { return !p.l->peak; }), order.end());
        order.resize(std::min(order.size(), labels_tried / 4));
    }
    if (order.size() > labels_tried)
        order.resize(labels_tried);
    Quantity q = style.quantity;
    // Round-off beside the panel's largest value is written as nothing; the
    // same value at a joint two members share is written once.
    double most = largest_ordinate(d);
    struct Written {
        Px at;
        std::string text;
    };
    std::vector<Written> written;
    svg.open("class=\"values\" font-size=\"11\" fill=\"#0d2a4a\" stroke=\"white\" stroke-width=\"3\" "
             "paint-order=\"stroke\" stroke-linejoin=\"round\"");
    for (const Placed& p : order) {
        int i = p.d->member;
        const MemberDiagram::Label& l = *p.l;
        Px base = f.at(v.project(v.at(i, l.s))), end = f.at(v.project(tip(i, l.s, l.value)));
        // Outwards: from the member to the ordinate's tip, or to the side of
        // positive ordinates where the value is nothing.
        Px out = {end.x - base.x, end.y - base.y};
        double n = std::hypot(out.x, out.y);
        if (n < 1) {
            Px side = f.at(v.project(v.at(i, l.s) + style.sense * v.axis(i, style.axis)));
            out = {side.x - base.x, side.y - base.y};
            n = std::hypot(out.x, out.y);
        }
        if (n > 0)
            out = {out.x / n, out.y / n};
        Px along = f.at(v.project(v.at(i, l.s) + v.axis(i, 0)));
        Px t = {along.x - base.x, along.y - base.y};
        double tn = std::hypot(t.x, t.y);
        t = tn > 0 ? Px{t.x / tn, t.y / tn} : Px{1, 0};
        const char* anchor = std::fabs(out.x) > 0.7 ? (out.x > 0 ? "start" : "end") : "middle";
        double value = std::fabs(l.value) <= 1e-9 * most ? 0.0 : l.value;
        double shown = s.units->from_internal(q, value);
        std::string text = fmt("%.4g", style.magnitudes ? std::fabs(shown) : shown == 0 ? 0.0 : shown);
        if (value == 0) // nothing to read: a pin's moment
            continue;
        if (std::any_of(written.begin(), written.end(), [&](const Written& w) {
                return w.text == text && std::hypot(w.at.x - end.x, w.at.y - end.y) < 40;
            }))
            continue;
        for (double shift : {0.0, 16.0, -16.0, 30.0, -30.0}) {
            Px at = {end.x + 5 * out.x + shift * t.x, end.y + 5 * out.y + (out.y > 0.3 ? 10 : out.y < -0.3 ? -1 : 4) +
                                                          shift * t.y};
            if (!labels.take(at, text.size(), anchor))
                continue;
            svg.text(at, text,
                     std::string("class=\"") + (l.peak ? "peak" : "value") + "\" data-member=\"" +
                         html_escape(s.members[static_cast<size_t>(i) - 1].name) + "\" data-at=\"" +
                         position(s, i, l.s, false) + "\" data-value=\"" + number(shown) + "\"",
                     anchor);
            written.push_back({end, text});
            break;
        }
    }
    svg.close();
}

std::string ordinate_scale(const Model& s, const DiagramStyle& style, double per)
{
    if (!(per > 0))
        return "";
    return "ordinates: 10 px = " + fmt("%.3g", s.units->from_internal(style.quantity, 10 / per)) + " " +
           s.units->unit(style.quantity);
}

} // namespace quill
