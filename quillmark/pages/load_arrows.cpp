#include "pages/load_arrows.h"

#include <algorithm>
#include <cmath>

#include "loads/combined_loads.h"
#include "loads/member_loads.h"
#include "pages/text.h"

namespace quill {

namespace {

const char* const load_ink = "#6a1b9a";

qm::Vec unit_vector(int axis)
{
    qm::Vec e;
    (axis == 0 ? e.x : axis == 1 ? e.y : e.z) = 1;
    return e;
}

// The page direction of vector d of the structure at point p, one pixel
// long (zero where it points straight at the viewer).
Px page_direction(const StructureView& v, const Frame& f, qm::Vec p, qm::Vec d)
{
    Px a = f.at(v.project(p)), b = f.at(v.project(p + d));
    double n = std::hypot(b.x - a.x, b.y - a.y);
    return n > 1e-9 ? Px{(b.x - a.x) / n, (b.y - a.y) / n} : Px{0, 0};
}

std::string magnitude(const Model& s, Quantity q, double v)
{
    return fmt("%.4g", std::fabs(s.units->from_internal(q, v))) + " " + s.units->unit(q);
}

// A load's value where there is room: at `at`, else beside it.
void label(Svg& svg, LabelSpace& labels, Px at, const std::string& text, const char* anchor = "middle")
{
    for (double shift : {0.0, 36.0, -36.0, 72.0, -72.0})
        for (double lift : {0.0, -13.0, 13.0}) {
            Px p = {at.x + shift, at.y + lift};
            if (labels.take(p, text.size(), anchor)) {
                svg.text(p, text, "class=\"load-value\" stroke=\"none\"", anchor);
                return;
            }
        }
}

// The loads of a combination on one member, each factored; loads of one
// shape, direction and stretch summed, so that a beam's dead, live and
// self-weight show as the one load it carries.
struct FactoredLoad {
    MemberLoad l;
    std::string cases;
};

bool same_shape(const MemberLoad& a, const MemberLoad& b)
{
    auto spread = [](LoadKind k) { return k == LoadKind::uniform || k == LoadKind::linear; };
    return a.member == b.member && a.global == b.global && a.direction == b.direction && a.a == b.a &&
           (spread(a.kind) ? spread(b.kind) && a.b == b.b : a.kind == b.kind && a.kind != LoadKind::fixed_end_actions);
}

std::vector<std::vector<FactoredLoad>> factored_loads(const Model& s, const Combination& c)
{
    std::vector<std::vector<FactoredLoad>> out(s.members.size() + 1);
    auto add = [&](MemberLoad l, double f, const std::string& from) {
        l.w1 *= f;
        l.w2 *= f;
        for (FactoredLoad& had : out[static_cast<size_t>(l.member)])
            if (same_shape(had.l, l)) {
                had.l.w1 += l.w1;
                had.l.w2 += l.w2;
                if (had.l.kind != l.kind)
                    had.l.kind = LoadKind::linear;
                had.cases += ", " + from;
                return;
            }
        out[static_cast<size_t>(l.member)].push_back({l, from});
    };
    for (auto [k, factor] : c.factors) {
        if (factor == 0)
            continue;
        const LoadCase& lc = s.cases[static_cast<size_t>(k)];
        for (const MemberLoad& l : lc.members)
            add(l, factor, lc.name);
        if (lc.self_weight)
            for (size_t i = 1; i <= s.members.size(); ++i) {
                MemberLoad w = self_weight(s, static_cast<int>(i));
                if (w.w1 != 0)
                    add(w, factor, lc.name + " (self-weight)");
            }
    }
    return out;
}

class LoadDrawing {
public:
    LoadDrawing(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, double arrow)
        : svg_(svg), labels_(labels), v_(v), s_(v.model()), f_(f), arrow_(arrow)
    {
    }

    void joint_loads(const std::array<double, 6>& load, int j);
    // The row'th distributed load of its member; a point force reaches past
    // `rows` of them.
    void member_load(const MemberLoad& l, const std::string& from, int row, int rows);

private:
    // A row of arrows at stations along member i between a and b, each
    // pointing in d times the sign of its value, its length by its value.
    void row(int i, double a, double b, double w1, double w2, qm::Vec d, int row);

    Svg& svg_;
    LabelSpace& labels_;
    const StructureView& v_;
    const Model& s_;
    const Frame& f_;
    double arrow_;
};

void LoadDrawing::joint_loads(const std::array<double, 6>& load, int j)
{
    const TypeTable& t = s_.t();
    qm::Vec p = v_.joint(j);
    Px at = f_.at(v_.project(p));
    const std::string name = html_escape(s_.joints[static_cast<size_t>(j) - 1].name);
    for (int k = 0; k < t.d; ++k) {
        double x = load[static_cast<size_t>(k)];
        if (x == 0 || !std::isfinite(x))
            continue;
        int axis = t.dof[k][t.rotation[k] ? 1 : 0] - 'x';
        if (!t.rotation[k]) {
            Px d = page_direction(v_, f_, p, (x > 0 ? 1.0 : -1.0) * unit_vector(axis));
            Px tail = {at.x - 1.4 * arrow_ * d.x, at.y - 1.4 * arrow_ * d.y};
            svg_.arrow(tail, {at.x - 3 * d.x, at.y - 3 * d.y},
                       "class=\"joint-load\" data-joint=\"" + name + "\" stroke-width=\"2\"");
            label(svg_, labels_, {tail.x - 6 * d.x, tail.y - 6 * d.y + (d.y < -0.5 ? 0 : d.y > 0.5 ? -2 : 4)},
                  magnitude(s_, Quantity::force, x), d.x > 0.5 ? "end" : d.x < -0.5 ? "start" : "middle");
        } else {
            // Seen along the axis it turns about, a positive moment turns
            // counter-clockwise; a moment about another axis says which.
            bool towards = v_.view() == qm::View::plane || v_.view() == qm::View::beam;
            svg_.turning_arrow(at, 15, x > 0, "class=\"joint-moment\" data-joint=\"" + name + "\" fill=\"" +
                                                  std::string(load_ink) + "\" stroke-width=\"1.8\"");
            label(svg_, labels_, {at.x + 19, at.y - 12},
                  magnitude(s_, Quantity::moment, x) + (towards ? "" : std::string(" about ") + t.dof[k][1]), "start");
        }
    }
}

void LoadDrawing::row(int i, double a, double b, double w1, double w2, qm::Vec d, int row)
{
    Px start = f_.at(v_.project(v_.at(i, a))), end = f_.at(v_.project(v_.at(i, b)));
    double len = std::hypot(end.x - start.x, end.y - start.y);
    int n = std::max(2, static_cast<int>(std::round(len / 22)));
    double most = std::max(std::fabs(w1), std::fabs(w2));
    Px dir = page_direction(v_, f_, v_.at(i, a), d);
    // A load along the member is drawn beside it.
    Px along = len > 0 ? Px{(end.x - start.x) / len, (end.y - start.y) / len} : Px{1, 0};
    Px beside = {0, 0};
    if (std::fabs(dir.x * along.y - dir.y * along.x) < 0.2)
        beside = {-along.y * 8, along.x * 8};
    std::vector<Px> tails;
    for (int k = 0; k <= n; ++k) {
        double t = static_cast<double>(k) / n, w = w1 + (w2 - w1) * t;
        double sign = w < 0 ? -1 : 1, size = most > 0 ? 0.25 + 0.75 * std::fabs(w) / most : 0;
        Px head = {start.x + (end.x - start.x) * t + beside.x - row * 1.2 * arrow_ * dir.x * sign,
                   start.y + (end.y - start.y) * t + beside.y - row * 1.2 * arrow_ * dir.y * sign};
        Px tail = {head.x - sign * arrow_ * size * dir.x, head.y - sign * arrow_ * size * dir.y};
        tails.push_back(tail);
        if (w != 0)
            svg_.arrow(tail, head);
    }
    svg_.polyline(tails, "fill=\"none\"");
}

void LoadDrawing::member_load(const MemberLoad& l, const std::string& from, int n, int rows)
{
    int i = l.member;
    double L = s_.length(i);
    std::string kind = l.kind == LoadKind::uniform   ? "uniform"
                       : l.kind == LoadKind::linear  ? "linear"
                       : l.kind == LoadKind::point   ? "point"
                       : l.kind == LoadKind::moment  ? "moment"
                                                     : "fixed-end actions";
    svg_.open("class=\"member-load\" data-member=\"" + html_escape(s_.members[static_cast<size_t>(i) - 1].name) +
              "\" data-kind=\"" + kind + "\" data-case=\"" + html_escape(from) + "\" stroke=\"" + load_ink +
              "\" fill=\"" + load_ink + "\" stroke-width=\"1.3\" font-size=\"11\"");
    // The direction of a positive load: a global axis, or a member axis
    // turned with the member.
    qm::Vec d = l.global ? unit_vector(l.direction) : v_.axis(i, l.direction);
    double w1 = l.w1, w2 = l.w2;
    Px mid = f_.at(v_.project(v_.at(i, l.kind == LoadKind::point || l.kind == LoadKind::moment ? l.a : (l.a + l.b) / 2)));
    Px dir = page_direction(v_, f_, v_.at(i, l.a), (w1 < 0 ? -1.0 : 1.0) * d);
    switch (l.kind) {
    case LoadKind::uniform:
    case LoadKind::linear: {
        row(i, l.a, l.b, w1, w2, d, n);
        double reach = (n * 1.2 + 1) * arrow_ + 7;
        std::string text = l.kind == LoadKind::uniform || w1 == w2
                               ? magnitude(s_, Quantity::distributed, w1)
                               : (w1 * w2 >= 0 ? fmt("%.4g", std::fabs(s_.units->from_internal(Quantity::distributed, w1)))
                                               : number(s_.units->from_internal(Quantity::distributed, w1))) +
                                     " to " +
                                     (w1 * w2 >= 0 ? magnitude(s_, Quantity::distributed, w2)
                                                   : number(s_.units->from_internal(Quantity::distributed, w2)) + " " +
                                                         s_.units->unit(Quantity::distributed));
        Px a = f_.at(v_.project(v_.at(i, 0))), b = f_.at(v_.project(v_.at(i, L)));
        double len = std::hypot(b.x - a.x, b.y - a.y);
        Px along = len > 0 ? Px{(b.x - a.x) / len, (b.y - a.y) / len} : Px{1, 0};
        if (std::fabs(dir.x * along.y - dir.y * along.x) < 0.2) // along the member: beside it
            label(svg_, labels_, {mid.x + 14 * std::fabs(along.y), mid.y + 14 * std::fabs(along.x) + 4}, text,
                  std::fabs(along.y) > 0.5 ? "start" : "middle");
        else
            label(svg_, labels_, {mid.x - reach * dir.x, mid.y - reach * dir.y + (dir.y > 0.5 ? -2 : 9)}, text);
        break;
    }
    case LoadKind::point: {
        Px head = mid, tail = {head.x - (1.2 * rows + 1.4) * arrow_ * dir.x, head.y - (1.2 * rows + 1.4) * arrow_ * dir.y};
        svg_.arrow(tail, head, "stroke-width=\"2\"");
        label(svg_, labels_, {tail.x - 6 * dir.x, tail.y - 6 * dir.y + (dir.y > 0.5 ? -2 : 9)},
              magnitude(s_, Quantity::force, w1));
        break;
    }
    case LoadKind::moment: {
        bool towards = v_.view() == qm::View::plane || v_.view() == qm::View::beam;
        svg_.turning_arrow(mid, 13, w1 > 0, "stroke-width=\"1.6\"");
        label(svg_, labels_, {mid.x + 17, mid.y - 12},
              magnitude(s_, Quantity::moment, w1) +
                  (towards ? "" : std::string(" about ") + (l.global ? "" : "member ") + static_cast<char>('x' + l.direction)),
              "start");
        break;
    }
    case LoadKind::fixed_end_actions:
        label(svg_, labels_, {mid.x, mid.y - 8}, "fixed-end actions");
        break;
    }
    svg_.close();
}

} // namespace

void draw_loads(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, int combination, double arrow,
                const std::vector<bool>& drawn)
{
    const Model& s = v.model();
    const Combination& c = s.combinations[static_cast<size_t>(combination)];
    LoadDrawing draw(svg, labels, v, f, arrow);
    svg.open("class=\"loads\" stroke=\"" + std::string(load_ink) + "\" fill=\"" + load_ink +
             "\" font-size=\"11\"");
    CombinedLoads combined = combine(s, c);
    for (size_t j = 1; j <= s.joints.size(); ++j)
        draw.joint_loads(combined.joint[j], static_cast<int>(j));
    // A member's distributed loads stand in rows, one beyond the other.
    std::vector<std::vector<FactoredLoad>> loads = factored_loads(s, c);
    for (size_t i = 1; i < loads.size(); ++i) {
        if (!drawn[i])
            continue;
        const std::vector<FactoredLoad>& on = loads[i];
        auto spread = [](const FactoredLoad& l) {
            return l.l.kind == LoadKind::uniform || l.l.kind == LoadKind::linear;
        };
        int rows = static_cast<int>(std::count_if(on.begin(), on.end(), spread)), row = 0;
        for (const FactoredLoad& l : on)
            if (l.l.w1 != 0 || l.l.w2 != 0 || l.l.kind == LoadKind::fixed_end_actions)
                draw.member_load(l.l, l.cases, spread(l) ? row++ : 0, rows);
    }
    svg.close();
}

} // namespace quill
