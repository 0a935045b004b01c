#include "pages/envelope.h"

#include <cmath>
#include <cstdio>

namespace quill {

namespace {

const char* const check_names[check_count] = {"tension", "compression", "shear", "moment", "torsion"};

// Which check an end action of value v undergoes.
CheckName check_of(Check c, double v)
{
    switch (c) {
    case Check::axial_start: return v > 0 ? compression : tension;
    case Check::axial_end: return v > 0 ? tension : compression;
    case Check::shear: return shear;
    case Check::torsion: return torsion;
    case Check::moment: return moment;
    }
    return shear;
}

std::string fmt(const char* f, double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, f, v);
    return buf;
}

double in_units(const Model& s, Kind k, double v)
{
    return s.units->from_internal(k == Kind::force ? Quantity::force : Quantity::moment, v);
}

std::string html_escape(const std::string& in)
{
    std::string out;
    for (char c : in) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

// Whether the programs check end action k of member i: torsion never, a
// moment only with the section modulus about its axis, the rest always.
bool checked(const Model& s, int i, int k)
{
    const TypeTable& t = s.t();
    if (t.check[k] == Check::torsion)
        return false;
    const Section& sec = s.sections[s.members[i - 1].section];
    // As the analysis programs check shear: on a shear area the section
    // gives, never in a truss.
    if (t.check[k] == Check::shear) {
        switch (s.type) {
        case Type::space_frame: return sec.p[t.local[k] % 6 == 1 ? Awy : Awz] != 0;
        case Type::plane_frame: return sec.p[Awy] != 0;
        case Type::grid:
        case Type::beam: return sec.p[Aw] != 0;
        default: return false;
        }
    }
    if (t.check[k] != Check::moment)
        return true;
    switch (s.type) {
    case Type::space_frame: return sec.p[t.local[k] % 6 == 4 ? Sy : Sz] != 0;
    case Type::plane_frame: return sec.p[Sz] != 0;
    case Type::grid: return sec.p[Sy] != 0;
    default: return true;
    }
}

// A CSV field that holds commas or quotes.
std::string csv_quoted(const std::string& in)
{
    std::string out = "\"";
    for (char c : in)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

std::string bending_not_checked(const Model& s, const std::vector<int>& members)
{
    std::string out = members.size() == 1 ? "bending not checked: member " : "bending not checked: members ";
    for (size_t k = 0; k < members.size(); ++k)
        out += (k ? ", " : "") + s.members[static_cast<size_t>(members[k]) - 1].name;
    return out + (members.size() == 1 ? " carries loads across it" : " carry loads across them");
}

Envelope envelope_of(const Model& s, const std::vector<CombinationRun>& runs)
{
    const TypeTable& t = s.t();
    Envelope e;
    e.member.assign(s.members.size() + 1, {});
    e.joint.assign(s.joints.size() + 1, {0.0, -1});
    double least = 0;
    std::vector<bool> bent(s.members.size() + 1, false);
    for (size_t c = 0; c < runs.size(); ++c) {
        if (!runs[c].completed)
            continue;
        for (int i : runs[c].bent)
            bent[static_cast<size_t>(i)] = true;
        const Results& r = runs[c].results;
        for (size_t i = 1; i <= s.members.size(); ++i)
            for (int k = 0; k < t.nea; ++k) {
                double v = r.ea[i][k], lim = r.limit[i][k];
                if (v == 0 || !checked(s, static_cast<int>(i), k))
                    continue;
                // A check made with a limit of 0 (an area, a radius or a
                // yield strength of 0) fails.
                double ratio = std::fabs(lim) / std::fabs(v);
                Governing& g = e.member[i][check_of(t.check[k], v)];
                if (g.combination < 0 || ratio < g.ratio)
                    g = {ratio, in_units(s, t.kind[k], v), k, static_cast<int>(c)};
            }
        for (size_t j = 1; j <= s.joints.size(); ++j) {
            double sum = 0;
            for (int k = 0; k < t.d; ++k)
                if (!t.rotation[k])
                    sum += r.D[j][k] * r.D[j][k];
            double u = std::sqrt(sum);
            if (e.joint[j].second < 0 || u > e.joint[j].first)
                e.joint[j] = {u, static_cast<int>(c)};
        }
    }
    for (size_t i = 1; i < bent.size(); ++i)
        if (bent[i])
            e.bent.push_back(static_cast<int>(i));
    for (size_t i = 1; i <= s.members.size(); ++i) {
        if (s.members[i - 1].dummy)
            continue;
        for (int c = 0; c < check_count; ++c) {
            const Governing& g = e.member[i][c];
            if (g.combination < 0)
                continue;
            if (e.governing_member == 0 || g.ratio < least) {
                least = g.ratio;
                e.governing_member = static_cast<int>(i);
                e.governing_check = static_cast<CheckName>(c);
            }
            // A check fails unless the allowable exceeds the action.
            if (g.ratio <= 1)
                e.any_failure = true;
        }
    }
    return e;
}

std::string envelope_csv(const Model& s, const std::vector<CombinationRun>& runs, const Envelope& e)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    std::string out = "member,check,ratio,end action,value,unit,combination\n";
    for (size_t i = 1; i <= s.members.size(); ++i)
        for (int c = 0; c < check_count; ++c) {
            const Governing& g = e.member[i][c];
            if (g.combination < 0)
                continue;
            out += s.members[i - 1].name + "," + check_names[c] + "," + fmt("%.3f", g.ratio) + "," + t.ea[g.k] + "," +
                   fmt("%.6g", g.action) + "," + u.unit(t.kind[g.k] == Kind::force ? Quantity::force : Quantity::moment) +
                   "," + runs[g.combination].name + "\n";
        }
    out += "\njoint,largest translation (" + std::string(u.unit(Quantity::displacement)) + "),combination\n";
    for (size_t j = 1; j <= s.joints.size(); ++j)
        if (e.joint[j].second >= 0)
            out += s.joints[j - 1].name + "," + fmt("%.6g", u.from_internal(Quantity::displacement, e.joint[j].first)) +
                   "," + runs[e.joint[j].second].name + "\n";
    out += "\ncombination,joint";
    for (int k = 0; k < t.d; ++k)
        out += std::string(",") + (t.rotation[k] ? "M" : "F") + t.dof[k][t.rotation[k] ? 1 : 0] + " (" +
               u.unit(t.rotation[k] ? Quantity::moment : Quantity::force) + ")";
    out += "\n";
    for (const CombinationRun& r : runs) {
        if (!r.completed)
            continue;
        for (const Support& sp : s.supports) {
            out += r.name + "," + s.joints[sp.joint - 1].name;
            for (int k = 0; k < t.d; ++k)
            {
                out += ',';
                out += fmt("%.6g", u.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force,
                                                   r.results.AR[sp.joint][k]));
            }
            out += "\n";
        }
    }
    if (!e.bent.empty())
        out += "\n" + csv_quoted(bending_not_checked(s, e.bent)) + "\n";
    return out;
}

std::string envelope_htm(const Model& s, const std::vector<CombinationRun>& runs, const Envelope& e,
                         const std::string& folder)
{
    const TypeTable& t = s.t();
    const Units& u = *s.units;
    std::string title = s.title.empty() ? std::string("Envelope") : html_escape(s.title);
    std::string out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title +
                      "</title>\n</head>\n<body>\n<h1>" + title + "</h1>\n<h2>Combinations</h2>\n<table border=\"1\">\n"
                      "<tr><th>combination</th><th>factors</th><th>result</th><th>report</th><th>drawing</th></tr>\n";
    for (size_t c = 0; c < runs.size(); ++c) {
        std::string factors;
        for (auto [k, f] : s.combinations[c].factors)
            factors += (factors.empty() ? "" : " + ") + fmt("%g", f) + " " + html_escape(s.cases[k].name);
        std::string base = folder + "/" + runs[c].name + "/" + t.stem;
        out += "<tr><td>" + html_escape(runs[c].name) + "</td><td>" + factors + "</td><td>" +
               (runs[c].completed ? std::string("completed") : html_escape(runs[c].error)) + "</td><td><a href=\"" +
               html_escape(base) + ".htm\">report</a></td><td><a href=\"" + html_escape(base) +
               ".svg\">drawing</a></td></tr>\n";
    }
    out += "</table>\n<h2>Members: smallest ratio of each check</h2>\n";
    if (!e.bent.empty())
        out += "<p><strong>" + html_escape(bending_not_checked(s, e.bent)) + "</strong></p>\n";
    out += "<table border=\"1\">\n"
           "<tr><th>member</th><th>check</th><th>ratio</th><th>end action</th><th>value</th><th>combination</th></tr>\n";
    for (size_t i = 1; i <= s.members.size(); ++i)
        for (int c = 0; c < check_count; ++c) {
            const Governing& g = e.member[i][c];
            if (g.combination < 0)
                continue;
            out += "<tr><td>" + html_escape(s.members[i - 1].name) + (s.members[i - 1].dummy ? " (dummy)" : "") +
                   "</td><td>" + check_names[c] + "</td><td>" + fmt("%.3f", g.ratio) + (g.ratio <= 1 ? " fail" : "") +
                   "</td><td>" + t.ea[g.k] + "</td><td>" + fmt("%.6g", g.action) + " " +
                   u.unit(t.kind[g.k] == Kind::force ? Quantity::force : Quantity::moment) + "</td><td>" +
                   html_escape(runs[g.combination].name) + "</td></tr>\n";
        }
    out += "</table>\n<h2>Joints: largest translation (" + std::string(u.unit(Quantity::displacement)) +
           ")</h2>\n<table border=\"1\">\n<tr><th>joint</th><th>translation</th><th>combination</th></tr>\n";
    for (size_t j = 1; j <= s.joints.size(); ++j)
        if (e.joint[j].second >= 0)
            out += "<tr><td>" + html_escape(s.joints[j - 1].name) + "</td><td>" +
                   fmt("%.6g", u.from_internal(Quantity::displacement, e.joint[j].first)) + "</td><td>" +
                   html_escape(runs[e.joint[j].second].name) + "</td></tr>\n";
    out += "</table>\n<h2>Reactions</h2>\n<table border=\"1\">\n<tr><th>combination</th><th>joint</th>";
    for (int k = 0; k < t.d; ++k)
        out += std::string("<th>") + (t.rotation[k] ? "M" : "F") + t.dof[k][t.rotation[k] ? 1 : 0] + " (" +
               u.unit(t.rotation[k] ? Quantity::moment : Quantity::force) + ")</th>";
    out += "</tr>\n";
    for (const CombinationRun& r : runs) {
        if (!r.completed)
            continue;
        for (const Support& sp : s.supports) {
            out += "<tr><td>" + html_escape(r.name) + "</td><td>" + html_escape(s.joints[sp.joint - 1].name) + "</td>";
            for (int k = 0; k < t.d; ++k)
                out += "<td>" +
                       fmt("%.6g", u.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force,
                                                   r.results.AR[sp.joint][k])) +
                       "</td>";
            out += "</tr>\n";
        }
    }
    out += "</table>\n</body>\n</html>\n";
    return out;
}

} // namespace quill
