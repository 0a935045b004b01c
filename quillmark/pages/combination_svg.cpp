#include "pages/combination_svg.h"

#include <algorithm>
#include <cmath>

#include "pages/diagram.h"
#include "pages/load_arrows.h"
#include "pages/standing.h"
#include "pages/text.h"

namespace quill {

namespace {

const char* const deflected_ink = "#c2185b";

struct ActionPanel {
    // Panels of one group share their scale: a space frame's two moments,
    // its two shears.
    int group;
    const char* title;
    Piecewise SpanActions::*f;
    DiagramStyle style;
};

// What each panel draws and which way: a moment to the side its member is
// in tension (Mz's on member -y, My's on member +z), a shear or an axial
// force to the side of its positive values.
const ActionPanel moment_z = {
    .group = 0,
    .title = "bending moment Mz, drawn on the tension side",
    .f = &SpanActions::Mz,
    .style = {.axis = 1, .sense = -1, .quantity = Quantity::moment, .colour = "#1565c0", .name = "Mz", .magnitudes = true}};
const ActionPanel moment_y = {
    .group = 0,
    .title = "bending moment My, drawn on the tension side",
    .f = &SpanActions::My,
    .style = {.axis = 2, .sense = 1, .quantity = Quantity::moment, .colour = "#0d47a1", .name = "My", .magnitudes = true}};
const ActionPanel shear_y = {
    .group = 1,
    .title = "shear force Vy, positive towards member +y",
    .f = &SpanActions::Vy,
    .style = {.axis = 1, .sense = 1, .quantity = Quantity::force, .colour = "#2e7d32", .name = "Vy"}};
const ActionPanel shear_z = {
    .group = 1,
    .title = "shear force Vz, positive towards member +z",
    .f = &SpanActions::Vz,
    .style = {.axis = 2, .sense = 1, .quantity = Quantity::force, .colour = "#1b5e20", .name = "Vz"}};
const ActionPanel axial = {
    .group = 2,
    .title = "axial force N, tension positive (towards member +y)",
    .f = &SpanActions::N,
    .style = {.axis = 1, .sense = 1, .quantity = Quantity::force, .colour = "#e65100", .name = "N"}};

std::vector<const ActionPanel*> panels_of(Type t)
{
    switch (t) {
    case Type::space_frame: return {&moment_z, &moment_y, &shear_y, &shear_z, &axial};
    case Type::plane_frame: return {&moment_z, &shear_y, &axial};
    case Type::beam: return {&moment_z, &shear_y};
    case Type::grid: return {&moment_y, &shear_z};
    case Type::space_truss:
    case Type::plane_truss: return {&axial};
    }
    return {};
}

// The member's displacement at s in the structure's axes: its ends' axial
// translations varying linearly, its deflections v and w across.
qm::Vec displacement(const StructureView& v, const Solution& sol, int i, const SpanActions& a, double s)
{
    const std::array<double, 12>& e = sol.ends[static_cast<size_t>(i)];
    double ux = a.L > 0 ? e[0] + (e[6] - e[0]) * s / a.L : e[0];
    return v.in_global(i, ux, a.v.pieces.empty() ? 0 : a.v.at(s), a.w.pieces.empty() ? 0 : a.w.at(s));
}

// The deflected shape over the structure, the largest displacement drawn
// at about a tenth of the structure's size, the factor rounded to two
// significant figures; the largest displacement written where it is.
void draw_deflected(Svg& svg, LabelSpace& labels, const StructureView& v, const Frame& f, const Solution& sol,
                    const std::vector<SpanActions>& along, const std::vector<bool>& drawn, double& factor)
{
    const Model& s = v.model();
    std::vector<std::vector<double>> at(along.size());
    double largest = 0, where_s = 0;
    int where = 0;
    for (size_t i = 1; i < along.size(); ++i) {
        if (!drawn[i])
            continue;
        at[i] = stations(along[i], 12);
        for (double x : at[i]) {
            double d = qm::length(displacement(v, sol, static_cast<int>(i), along[i], x));
            if (std::isfinite(d) && d > largest) {
                largest = d;
                where = static_cast<int>(i);
                where_s = x;
            }
        }
    }
    double size = std::hypot((v.umax - v.umin), (v.vmax - v.vmin));
    factor = 0;
    if (!(largest > 0) || !(size > 0))
        return;
    double raw = 0.1 * size / largest, unit = std::pow(10.0, std::floor(std::log10(raw)) - 1);
    factor = std::max(unit, std::round(raw / unit) * unit);
    svg.open("class=\"deflected\" fill=\"none\" stroke=\"" + std::string(deflected_ink) + "\" stroke-width=\"" +
             (s.members.size() > 200 ? "0.9" : "1.8") + "\" stroke-dasharray=\"6 3\"");
    for (size_t i = 1; i < along.size(); ++i) {
        if (!drawn[i])
            continue;
        std::vector<Px> p;
        for (double x : at[i])
            p.push_back(f.at(v.project(v.at(static_cast<int>(i), x) +
                                       factor * displacement(v, sol, static_cast<int>(i), along[i], x))));
        svg.polyline(p, "data-member=\"" + html_escape(s.members[i - 1].name) + "\"");
    }
    svg.close();
    Px p = f.at(v.project(v.at(where, where_s) + factor * displacement(v, sol, where, along[static_cast<size_t>(where)], where_s)));
    std::string text = "largest " + fmt("%.4g", s.units->from_internal(Quantity::displacement, largest)) + " " +
                       s.units->unit(Quantity::displacement);
    Px t = {p.x + 6, p.y + 16};
    labels.take(t, text.size(), "start");
    svg.circle(p, 3, "fill=\"" + std::string(deflected_ink) + "\"");
    svg.text(t, text,
             "class=\"largest-displacement\" data-member=\"" + html_escape(s.members[static_cast<size_t>(where) - 1].name) +
                 "\" data-at=\"" + position(s, where, where_s, false) + "\" font-size=\"11\" fill=\"" + deflected_ink +
                 "\" stroke=\"white\" stroke-width=\"3\" paint-order=\"stroke\"");
}

} // namespace

std::string forces_svg(const Model& s, int c, const CombinationOutcome& o, const std::vector<SpanActions>& along)
{
    StructureView v(s);
    Panels panels(v);
    std::vector<const ActionPanel*> actions = panels_of(s.type);
    const double first = 84;
    int count = 2 + static_cast<int>(actions.size());
    Svg svg(panels.width(), first + count * panels.height() + 16);
    const Combination& comb = s.combinations[static_cast<size_t>(c)];
    std::string factors;
    for (auto [k, f] : comb.factors)
        factors += (factors.empty() ? "" : " + ") + fmt("%g", f) + " " + s.cases[static_cast<size_t>(k)].name;
    Standings st = standings(s, c, o);
    std::vector<bool> drawn = members_drawn(s, st);
    std::string what = "combination " + comb.name + " = " + factors + " (quillmark's own analysis)";
    if (s.members.size() > members_drawn_in_full)
        what += "; loads and diagrams of the " + std::to_string(st.listed) + " members closest to failing of " +
                std::to_string(s.members.size()) + " (forces.csv: every member)";
    draw_title(svg, s, what, units_line(s));
    draw_length_scale(svg, s, panels.frame(0, first), {panels.width() - 24, 66});

    int k = 0;
    {
        LabelSpace labels;
        Frame f = panels.frame(k, first);
        svg.open("class=\"panel\" id=\"loads\"");
        draw_heading(svg, panels.top(k, first), panels.width(), "loads of " + comb.name + ", factored", "");
        draw_structure(svg, labels, v, f, true);
        draw_loads(svg, labels, v, f, c, std::min(34.0, panels.ordinate()), drawn);
        svg.close();
    }
    ++k;
    {
        LabelSpace labels;
        Frame f = panels.frame(k, first);
        svg.open("class=\"panel\" id=\"deflected\"");
        double factor = 0;
        draw_structure(svg, labels, v, f, false);
        draw_deflected(svg, labels, v, f, o.solution, along, drawn, factor);
        draw_heading(svg, panels.top(k, first), panels.width(), "deflected shape",
                     factor > 0 ? "displacements drawn \xc3\x97 " + fmt("%g", factor) : "no displacement");
        svg.close();
    }
    std::vector<std::vector<MemberDiagram>> diagrams;
    double most[3] = {0, 0, 0};
    for (const ActionPanel* a : actions) {
        std::vector<MemberDiagram>& d = diagrams.emplace_back();
        for (size_t i = 1; i < along.size(); ++i)
            if (drawn[i])
                d.push_back(diagram_of(static_cast<int>(i), along[i].*(a->f)));
        most[a->group] = std::max(most[a->group], largest_ordinate(d));
    }
    for (size_t n = 0; n < actions.size(); ++n) {
        const ActionPanel* a = actions[n];
        const std::vector<MemberDiagram>& d = diagrams[n];
        ++k;
        LabelSpace labels;
        Frame f = panels.frame(k, first);
        double per = most[a->group] > 0 ? panels.ordinate() / most[a->group] : 0;
        svg.open(std::string("class=\"panel\" id=\"") + a->style.name + "\"");
        draw_heading(svg, panels.top(k, first), panels.width(),
                     std::string(a->title) + " (" + s.units->unit(a->style.quantity) + ")",
                     ordinate_scale(s, a->style, per));
        draw_structure(svg, labels, v, f, false);
        draw_diagrams(svg, labels, v, f, d, a->style, per);
        svg.close();
    }
    return svg.finish();
}

} // namespace quill
