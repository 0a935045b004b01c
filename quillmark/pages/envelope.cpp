#include "pages/envelope.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "pages/text.h"

namespace quill {

namespace {

bool is_moment(int k)
{
    return k == moment_y || k == moment_z;
}

// The demand of check k in the model's units, with its unit ("" for the
// interaction value).
std::pair<double, std::string> demand_text(const Model& s, int k, double v)
{
    if (k == combined)
        return {v, ""};
    if (k == check_count)
        return {s.units->from_internal(Quantity::displacement, v), s.units->unit(Quantity::displacement)};
    Kind kind = is_moment(k) ? Kind::moment : Kind::force;
    return {in_units(s, kind, v), unit_of(s, kind)};
}

std::string names_of(const Model& s, const std::vector<int>& members)
{
    std::string out;
    for (size_t k = 0; k < members.size(); ++k)
        out += (k ? ", " : "") + s.members[static_cast<size_t>(members[k]) - 1].name;
    return out;
}

void merge(std::vector<int>& into, const std::vector<int>& more)
{
    into.insert(into.end(), more.begin(), more.end());
    std::sort(into.begin(), into.end());
    into.erase(std::unique(into.begin(), into.end()), into.end());
}

bool fails_check(int k, double ratio)
{
    // A strength check fails unless its allowable exceeds the demand; a
    // deflection may reach its limit.
    return k == check_count ? ratio < 1 : !(ratio > 1);
}

} // namespace

std::string bending_not_checked(const Model& s, const std::vector<int>& members)
{
    bool one = members.size() == 1;
    return std::string(one ? "bending not checked: member " : "bending not checked: members ") + names_of(s, members) +
           (one ? " carries loads across it" : " carry loads across them");
}

std::string ends_only_note(const Model& s, const std::vector<int>& members)
{
    bool one = members.size() == 1;
    return std::string(one ? "checked at its ends only: member " : "checked at their ends only: members ") +
           names_of(s, members) + (one ? " carries" : " carry") +
           " loads given as fixed-end actions, whose distribution along the member is not known";
}

std::vector<int> members_by_least(const Model& s, const Envelope& e)
{
    std::vector<int> order;
    for (size_t i = 1; i <= s.members.size(); ++i)
        if (e.member[i].least_check >= 0)
            order.push_back(static_cast<int>(i));
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return e.member[static_cast<size_t>(a)].least < e.member[static_cast<size_t>(b)].least;
    });
    return order;
}

std::string envelope_check_name(const Model& s, int k)
{
    return k == check_count ? "deflection" : check_label(s.type, static_cast<CheckName>(k));
}

Envelope start_envelope(const Model& s)
{
    Envelope e;
    e.member.assign(s.members.size() + 1, {});
    e.joint.assign(s.joints.size() + 1, {0.0, -1});
    for (size_t i = 1; i <= s.members.size(); ++i) {
        MomentEnvelope& m = e.member[i].moments;
        double L = s.length(static_cast<int>(i));
        for (int k = 0; k <= stations_of_envelope; ++k)
            m.s.push_back(L * k / stations_of_envelope);
        for (int a = 0; a < 2; ++a) {
            m.hi[a].assign(m.s.size(), -INFINITY);
            m.lo[a].assign(m.s.size(), INFINITY);
        }
    }
    return e;
}

// Combinations may come in any order: a tie goes to the earlier one.
void add_combination(Envelope& e, const Model& s, int c, const CombinationOutcome& o,
                     const std::vector<SpanActions>& along)
{
    const TypeTable& t = s.t();
    merge(e.bent, o.bent);
    merge(e.ends_only, o.ends_only);
    for (size_t i = 1; i <= s.members.size(); ++i) {
        MemberEnvelope& me = e.member[i];
        const MemberVerdict& v = o.members[i];
        for (int k = 0; k < check_count; ++k) {
            const Demand& d = v.check[static_cast<size_t>(k)];
            Governing& g = me.check[static_cast<size_t>(k)];
            if (d.made && (g.combination < 0 || d.ratio < g.ratio || (d.ratio == g.ratio && c < g.combination)))
                g = {d.ratio, d.value, d.s, c};
        }
        const Deflection& df = v.deflection;
        if (me.deflection.combination < 0 || df.delta > me.deflection.value ||
            (df.delta == me.deflection.value && c < me.deflection.combination))
            me.deflection = {df.span_ratio, df.delta, df.s, c};
        if (s.deflection.applies_to(c) && df.delta > 0) {
            double r = df.span_ratio / s.deflection.limit;
            if (me.deflection_limit.combination < 0 || r < me.deflection_limit.ratio ||
                (r == me.deflection_limit.ratio && c < me.deflection_limit.combination))
                me.deflection_limit = {r, df.delta, df.s, c};
        }
        if (static_cast<size_t>(i) < along.size()) {
            MomentEnvelope& m = me.moments;
            const Piecewise* M[2] = {&along[i].My, &along[i].Mz};
            for (int a = 0; a < 2; ++a)
                if (!M[a]->pieces.empty())
                    for (size_t k = 0; k < m.s.size(); ++k) {
                        // At a jump both sides count.
                        double x = M[a]->at(m.s[k]), y = M[a]->before(m.s[k]);
                        m.hi[a][k] = std::max({m.hi[a][k], x, y});
                        m.lo[a][k] = std::min({m.lo[a][k], x, y});
                    }
        }
    }
    for (size_t j = 1; j <= s.joints.size(); ++j) {
        double sum = 0;
        for (int k = 0; k < t.d; ++k)
            if (!t.rotation[k])
                sum += o.solution.D[j][static_cast<size_t>(k)] * o.solution.D[j][static_cast<size_t>(k)];
        double u = std::sqrt(sum);
        if (e.joint[j].second < 0 || u > e.joint[j].first || (u == e.joint[j].first && c < e.joint[j].second))
            e.joint[j] = {u, c};
    }
}

void finish_envelope(Envelope& e, const Model& s)
{
    double least = 0;
    for (size_t i = 1; i <= s.members.size(); ++i) {
        MemberEnvelope& me = e.member[i];
        for (int k = 0; k <= check_count; ++k) {
            const Governing& g = k == check_count ? me.deflection_limit : me.check[static_cast<size_t>(k)];
            if (g.combination < 0)
                continue;
            if (me.least_check < 0 || g.ratio < me.least) {
                me.least = g.ratio;
                me.least_check = k;
            }
        }
        if (me.least_check < 0 || s.members[i - 1].dummy)
            continue;
        if (e.governing_member == 0 || me.least < least) {
            least = me.least;
            e.governing_member = static_cast<int>(i);
        }
        e.any_failure = e.any_failure || fails_check(me.least_check, me.least);
    }
}

std::string envelope_csv(const Model& s, const std::vector<CombinationOutcome>& runs, const Envelope& e)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    const std::string lu = u.unit(Quantity::length), du = u.unit(Quantity::displacement);
    std::string out = "member,check,ratio,demand,unit,at (" + lu + "),combination,result\n";
    for (size_t i = 1; i <= s.members.size(); ++i) {
        const MemberEnvelope& me = e.member[i];
        for (int k = 0; k <= check_count; ++k) {
            const Governing& g = k == check_count ? me.deflection_limit : me.check[static_cast<size_t>(k)];
            if (g.combination < 0)
                continue;
            auto [v, unit] = demand_text(s, k, g.value);
            out += csv_field(s.members[i - 1].name) + "," + envelope_check_name(s, k) + "," + fmt("%.3f", g.ratio) +
                   "," + number(v) + "," + unit + "," + position(s, static_cast<int>(i), g.s, false) + "," +
                   csv_field(runs[static_cast<size_t>(g.combination)].name) + "," +
                   (fails_check(k, g.ratio) ? "fails" : "passes") + "\n";
        }
    }
    out += "\nmember,combination,largest deflection (" + du + "),at (" + lu + "),span ratio,limit\n";
    for (size_t i = 1; i <= s.members.size(); ++i)
        for (size_t c = 0; c < runs.size(); ++c) {
            const Deflection& d = runs[c].members[i].deflection;
            std::string limit;
            if (s.deflection.applies_to(static_cast<int>(c)))
                limit = fmt("%g", s.deflection.limit) + (d.delta > 0 && d.span_ratio < s.deflection.limit ? " fails" : " passes");
            out += csv_field(s.members[i - 1].name) + "," + csv_field(runs[c].name) + "," +
                   number(u.from_internal(Quantity::displacement, d.delta)) + "," +
                   position(s, static_cast<int>(i), d.s, false) + "," + (d.delta > 0 ? fmt("%.0f", d.span_ratio) : "") +
                   "," + limit + "\n";
        }
    out += "\njoint,largest translation (" + du + "),combination\n";
    for (size_t j = 1; j <= s.joints.size(); ++j)
        if (e.joint[j].second >= 0)
            out += csv_field(s.joints[j - 1].name) + "," + number(u.from_internal(Quantity::displacement, e.joint[j].first)) +
                   "," + csv_field(runs[static_cast<size_t>(e.joint[j].second)].name) + "\n";
    out += "\ncombination,joint";
    for (int k = 0; k < t.d; ++k)
        out += "," + reaction_title(s, k);
    out += "\n";
    const std::vector<int> held = s.reaction_joints();
    for (const CombinationOutcome& r : runs)
        for (int j : held) {
            out += csv_field(r.name) + "," + csv_field(s.joints[static_cast<size_t>(j) - 1].name);
            for (int k = 0; k < t.d; ++k)
                out += "," + number(u.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force,
                                                    r.solution.AR[static_cast<size_t>(j)][static_cast<size_t>(k)]));
            out += "\n";
        }
    std::string notes;
    for (const std::string& n : e.notes)
        notes += csv_field(n) + "\n";
    if (!e.bent.empty())
        notes += csv_field(bending_not_checked(s, e.bent)) + "\n";
    if (!e.ends_only.empty())
        notes += csv_field(ends_only_note(s, e.ends_only)) + "\n";
    if (!notes.empty())
        out += "\n" + notes;
    return out;
}

std::string envelope_htm(const Model& s, const std::vector<CombinationOutcome>& runs, const Envelope& e,
                         const std::string& folder, const std::string& diagram)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    const std::string du = u.unit(Quantity::displacement);
    std::string title = s.title.empty() ? std::string("Envelope") : html_escape(s.title);
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
                      "</title>\n<style>td.fail{color:#b00;font-weight:bold}</style>\n</head>\n<body>\n<h1>" + title +
                      "</h1>\n<p>" + t.name + ", in " + u.name + " units (forces in " + u.unit(Quantity::force) +
                      ", moments in " + u.unit(Quantity::moment) + ", lengths in " + u.unit(Quantity::length) +
                      ", deflections in " + du + "). The envelope diagram: <a href=\"" + html_escape(diagram) + "\">" +
                      html_escape(diagram) + "</a>.</p>\n";
    if (!e.notes.empty() || !e.bent.empty() || !e.ends_only.empty()) {
        out += "<h2>Notes</h2>\n<ul>\n";
        for (const std::string& n : e.notes)
            out += "<li><strong>" + html_escape(n) + "</strong></li>\n";
        if (!e.bent.empty())
            out += "<li><strong>" + html_escape(bending_not_checked(s, e.bent)) + "</strong></li>\n";
        if (!e.ends_only.empty())
            out += "<li><strong>" + html_escape(ends_only_note(s, e.ends_only)) + "</strong></li>\n";
        out += "</ul>\n";
    }
    out += "<h2>Combinations</h2>\n<table border=\"1\">\n"
           "<tr><th>combination</th><th>factors</th><th>pages</th><th>classic analysis</th></tr>\n";
    for (size_t c = 0; c < runs.size(); ++c) {
        const CombinationOutcome& r = runs[c];
        std::string factors;
        for (auto [k, f] : s.combinations[c].factors)
            factors += (factors.empty() ? "" : " + ") + fmt("%g", f) + " " + html_escape(s.cases[static_cast<size_t>(k)].name);
        std::string dir = html_escape(folder + "/" + r.name + "/");
        std::string classic = "beyond the capacity of " + std::string(t.program);
        if (r.classic.ran) {
            std::string base = dir + t.stem;
            classic = r.classic.completed ? "<a href=\"" + base + ".htm\">" + t.program + " report</a>, <a href=\"" +
                                                base + ".svg\">drawing</a>" +
                                                (r.classic.disagreement.empty()
                                                     ? std::string(": agrees")
                                                     : ": <strong>differs: " + html_escape(r.classic.disagreement) + "</strong>")
                                          : html_escape(std::string(t.program) + " stopped: " + r.classic.error);
        }
        out += "<tr><td>" + html_escape(r.name) + "</td><td>" + factors + "</td><td><a href=\"" + dir +
               "report.htm\">report</a>, <a href=\"" + dir + "forces.svg\">forces</a>, <a href=\"" + dir +
               "forces.csv\">forces.csv</a></td><td>" + classic + "</td></tr>\n";
    }
    out += "</table>\n";

    // Members by how close they come to failing: the failing and governing
    // ones first. A large model lists the closest only; the CSV file holds all.
    std::vector<int> order = members_by_least(s, e);
    const size_t shown = 200;
    size_t listed = 0;
    out += "<h2>Members by how close they come to failing</h2>\n<table border=\"1\">\n"
           "<tr><th>member</th><th>check</th><th>ratio</th><th>demand</th><th>at</th><th>combination</th></tr>\n";
    for (int i : order) {
        const MemberEnvelope& me = e.member[static_cast<size_t>(i)];
        bool failing = fails_check(me.least_check, me.least);
        if (listed >= shown && !failing)
            break;
        ++listed;
        for (int k = 0; k <= check_count; ++k) {
            const Governing& g = k == check_count ? me.deflection_limit : me.check[static_cast<size_t>(k)];
            if (g.combination < 0)
                continue;
            bool f = fails_check(k, g.ratio);
            auto [v, unit] = demand_text(s, k, g.value);
            out += std::string("<tr><td>") + (k == me.least_check ? "<strong>" : "") +
                   html_escape(s.members[static_cast<size_t>(i) - 1].name) +
                   (s.members[static_cast<size_t>(i) - 1].dummy ? " (dummy)" : "") +
                   (k == me.least_check ? "</strong>" : "") + "</td><td>" + envelope_check_name(s, k) + "</td><td" +
                   (f ? " class=\"fail\">" : ">") + fmt("%.3f", g.ratio) + (f ? " fails" : "") + "</td><td>" +
                   number(v) + (unit.empty() ? "" : " " + unit) + "</td><td>" +
                   position(s, i, g.s, true) + "</td><td>" + html_escape(runs[static_cast<size_t>(g.combination)].name) +
                   "</td></tr>\n";
        }
    }
    out += "</table>\n";
    if (listed < order.size())
        out += "<p>" + std::to_string(order.size() - listed) + " more members pass every check with a ratio of " +
               fmt("%.3f", e.member[static_cast<size_t>(order[listed])].least) +
               " or more; the envelope's CSV file lists every member.</p>\n";

    out += "<h2>Largest deflection of each member between its ends (" + du + ")</h2>\n<table border=\"1\">\n"
           "<tr><th>member</th><th>deflection</th><th>at</th><th>span ratio</th><th>combination</th></tr>\n";
    std::vector<int> by_deflection(s.members.size());
    std::iota(by_deflection.begin(), by_deflection.end(), 1);
    std::stable_sort(by_deflection.begin(), by_deflection.end(), [&](int a, int b) {
        return e.member[static_cast<size_t>(a)].deflection.value > e.member[static_cast<size_t>(b)].deflection.value;
    });
    if (by_deflection.size() > shown)
        by_deflection.resize(shown);
    for (int i : by_deflection) {
        const Governing& g = e.member[static_cast<size_t>(i)].deflection;
        if (g.combination < 0 || g.value == 0)
            continue;
        out += "<tr><td>" + html_escape(s.members[static_cast<size_t>(i) - 1].name) + "</td><td>" +
               number(u.from_internal(Quantity::displacement, g.value)) + "</td><td>" + position(s, i, g.s, true) +
               "</td><td>L/" + fmt("%.0f", g.ratio) + "</td><td>" +
               html_escape(runs[static_cast<size_t>(g.combination)].name) + "</td></tr>\n";
    }
    out += "</table>\n";
    if (s.deflection.limit > 0)
        out += "<p>Deflection limit: span/" + fmt("%g", s.deflection.limit) + ", in " +
               (s.deflection.combinations.empty() ? std::string("every combination") : std::string("the combinations ")) +
               [&] {
                   std::string names;
                   for (int c : s.deflection.combinations)
                       names += (names.empty() ? "" : ", ") + html_escape(runs[static_cast<size_t>(c)].name);
                   return names;
               }() +
               ".</p>\n";

    out += "<h2>Joints: largest translation (" + du + ")</h2>\n<table border=\"1\">\n"
           "<tr><th>joint</th><th>translation</th><th>combination</th></tr>\n";
    for (size_t j = 1; j <= s.joints.size(); ++j)
        if (e.joint[j].second >= 0)
            out += "<tr><td>" + html_escape(s.joints[j - 1].name) + "</td><td>" +
                   number(u.from_internal(Quantity::displacement, e.joint[j].first)) + "</td><td>" +
                   html_escape(runs[static_cast<size_t>(e.joint[j].second)].name) + "</td></tr>\n";
    out += "</table>\n<h2>Reactions</h2>\n<table border=\"1\">\n<tr><th>combination</th><th>joint</th>";
    for (int k = 0; k < t.d; ++k)
        out += "<th>" + reaction_title(s, k) + "</th>";
    out += "</tr>\n";
    const std::vector<int> held = s.reaction_joints();
    for (const CombinationOutcome& r : runs)
        for (int j : held) {
            out += "<tr><td>" + html_escape(r.name) + "</td><td>" +
                   html_escape(s.joints[static_cast<size_t>(j) - 1].name) + "</td>";
            for (int k = 0; k < t.d; ++k)
                out += "<td>" +
                       number(u.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force,
                                              r.solution.AR[static_cast<size_t>(j)][static_cast<size_t>(k)])) +
                       "</td>";
            out += "</tr>\n";
        }
    out += "</table>\n</body>\n</html>\n";
    return out;
}

} // namespace quill
