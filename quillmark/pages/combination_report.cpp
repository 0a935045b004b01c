#include "pages/combination_report.h"

#include <algorithm>
#include <cmath>

#include "file/unit_sense.h"
#include "pages/envelope.h"
#include "pages/standing.h"
#include "pages/text.h"

namespace quill {

namespace {

std::string member_cells(const Model& s, int i)
{
    const Member& m = s.members[static_cast<size_t>(i) - 1];
    return "<td>" + html_escape(m.name) + (m.dummy ? " (dummy)" : "") + "</td><td>" +
           html_escape(s.joints[static_cast<size_t>(m.jj) - 1].name) + "</td><td>" +
           html_escape(s.joints[static_cast<size_t>(m.jk) - 1].name) + "</td>";
}

std::optional<double> allowable_of(const MemberAllowables& a, int k)
{
    switch (k) {
    case tension: return a.tension;
    case compression: return a.compression;
    case shear_y: return a.shear[0];
    case shear_z: return a.shear[1];
    case moment_y: return a.moment[0];
    case moment_z: return a.moment[1];
    default: return 1.0; // the interaction value's limit
    }
}

class Report {
public:
    Report(const Model& s, int c, const CombinationOutcome& o) : s_(s), u_(*s.units), c_(c), o_(o) {}
    std::string write();

private:
    void head();
    void notes();
    void checks();
    void deflections();
    void joints();
    void reactions();
    void end_actions();
    void released_ends();
    // The rest of the members, past those listed: where to find them.
    void rest(size_t listed, const char* what);

    const Model& s_;
    const Units& u_;
    int c_;
    const CombinationOutcome& o_;
    std::vector<Standing> order_; // failing first, then by least ratio
    size_t listed_ = 0;           // members the per-member tables list
    std::string out_;
};

std::string Report::write()
{
    Standings st = standings(s_, c_, o_);
    order_ = std::move(st.order);
    listed_ = st.listed;
    head();
    notes();
    checks();
    deflections();
    joints();
    reactions();
    end_actions();
    released_ends();
    out_ += "</body>\n</html>\n";
    return std::move(out_);
}

void Report::head()
{
    const TypeTable& t = s_.t();
    const Combination& comb = s_.combinations[static_cast<size_t>(c_)];
    std::string factors;
    for (auto [k, f] : comb.factors)
        factors += (factors.empty() ? "" : " + ") + fmt("%g", f) + " " + html_escape(s_.cases[static_cast<size_t>(k)].name);
    std::string title = html_escape(s_.title.empty() ? std::string(t.name) : s_.title);
    out_ = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" + title + ": " + html_escape(comb.name) +
           "</title>\n<style>body{font-family:sans-serif}table{border-collapse:collapse}td,th{border:1px solid "
           "#999;padding:2px 6px}td.fail{color:#b00;font-weight:bold}td.n{text-align:right}</style>\n</head>\n<body>\n"
           "<h1>" + title + "</h1>\n<h2>Combination " + html_escape(comb.name) + " = " + factors + "</h2>\n";
    out_ += std::string("<p>") + t.name + ", " + std::to_string(s_.joints.size()) + " joints, " +
            std::to_string(s_.members.size()) + " members, analysed by quillmark's own engine in double precision. " +
            u_.name + " units: forces in " + u_.unit(Quantity::force) + ", moments in " + u_.unit(Quantity::moment) +
            ", lengths and positions along members in " + u_.unit(Quantity::length) + ", translations and deflections in " +
            u_.unit(Quantity::displacement) + ", rotations in radians.</p>\n";
    out_ += "<p>The drawing: <a href=\"forces.svg\">forces.svg</a> (loads, deflected shape, moment, shear and axial "
            "force diagrams); the actions and deflections along every member: <a href=\"forces.csv\">forces.csv</a>";
    if (o_.classic.completed)
        out_ += std::string("; ") + t.program + "'s report of the same combination, in that program's own units and "
                "checked at the member ends: <a href=\"" + t.stem + ".htm\">" + t.stem + ".htm</a>";
    else if (o_.classic.ran)
        out_ += std::string("; ") + t.program + " stopped: " + html_escape(o_.classic.error);
    else
        out_ += std::string("; the model is beyond the capacity of ") + t.program + ", so this is the only report";
    out_ += ".</p>\n";
    size_t failing = static_cast<size_t>(std::count_if(order_.begin(), order_.end(), [&](const Standing& st) {
        return st.failing && !s_.members[static_cast<size_t>(st.member) - 1].dummy;
    }));
    out_ += failing ? "<p class=\"verdict\"><strong>" + std::to_string(failing) + (failing == 1 ? " member fails" : " members fail") +
                          " in " + html_escape(comb.name) + ".</strong></p>\n"
                    : "<p class=\"verdict\">Every member passes its checks in " + html_escape(comb.name) + ".</p>\n";
}

void Report::notes()
{
    std::vector<std::string> lines;
    if (!o_.ends_only.empty())
        lines.push_back(ends_only_note(s_, o_.ends_only));
    if (!o_.bent.empty())
        lines.push_back(bending_not_checked(s_, o_.bent));
    if (o_.classic.ran && !o_.classic.completed)
        lines.push_back(std::string(s_.t().program) + " stopped: " + o_.classic.error + "; the results are quillmark's own");
    if (!o_.classic.disagreement.empty())
        lines.push_back(std::string(s_.t().program) + "'s single-precision results differ from quillmark's: " +
                        o_.classic.disagreement + " (ill-conditioned equations)");
    for (size_t i = 1; i <= s_.members.size(); ++i) {
        const Deflection& d = o_.members[i].deflection;
        if (d.delta > 0 && d.span_ratio < unit_slip_span)
            lines.push_back("probable unit slip: member " + s_.members[i - 1].name + " deflects span/" +
                            fmt("%.3g", d.span_ratio));
    }
    if (lines.empty())
        return;
    out_ += "<h3>Notes</h3>\n<ul class=\"notes\">\n";
    for (const std::string& l : lines)
        out_ += "<li><strong>" + html_escape(l) + "</strong></li>\n";
    out_ += "</ul>\n";
}

void Report::rest(size_t listed, const char* what)
{
    if (listed >= order_.size())
        return;
    out_ += "<p>" + std::to_string(order_.size() - listed) + " more members pass every check" +
            (order_[listed].checked ? " with a ratio of " + fmt("%.3f", order_[listed].least) + " or more" : std::string()) +
            "; their " + what + " are in forces.csv (the actions along every member) and the envelope's CSV file "
            "(every check of every member).</p>\n";
}

void Report::checks()
{
    out_ += "<h3>Checks at each member's governing section</h3>\n<p>Each check takes the largest demand anywhere along "
            "the member; the allowable is the allowable-stress method's (the combined check's the interaction limit "
            "1); ratio = allowable / demand; \"at\" is where along the member the demand governs, from its start "
            "joint.</p>\n<table class=\"checks\">\n<tr><th>member</th><th>start</th><th>end</th><th>check</th>"
            "<th>demand</th><th>allowable</th><th>ratio</th><th>result</th><th>at</th></tr>\n";
    for (size_t n = 0; n < listed_; ++n) {
        int i = order_[n].member;
        MemberAllowables a = allowables_of(s_, i);
        const MemberVerdict& v = o_.members[static_cast<size_t>(i)];
        for (int k = 0; k < check_count; ++k) {
            const Demand& d = v.check[static_cast<size_t>(k)];
            if (!d.made)
                continue;
            bool moment = k == moment_y || k == moment_z;
            Quantity q = moment ? Quantity::moment : Quantity::force;
            std::string unit = k == combined ? "" : std::string(" ") + u_.unit(q);
            auto shown = [&](double x) { return k == combined ? fmt("%.4f", x) : number(u_.from_internal(q, x)); };
            double allowed = allowable_of(a, k).value_or(0);
            bool f = fails(d);
            out_ += "<tr>" + member_cells(s_, i) + "<td>" + check_label(s_.type, static_cast<CheckName>(k)) +
                    "</td><td class=\"n\">" + shown(d.value) + unit + "</td><td class=\"n\">" + shown(allowed) + unit +
                    "</td><td class=\"n\">" + fmt("%.3f", d.ratio) + "</td><td" + (f ? " class=\"fail\">fails" : ">passes") +
                    "</td><td>" + position(s_, i, d.s, true) + "</td></tr>\n";
        }
    }
    out_ += "</table>\n";
    rest(listed_, "checks");
}

void Report::deflections()
{
    const std::string du = u_.unit(Quantity::displacement);
    bool limit = s_.deflection.applies_to(c_);
    out_ += "<h3>Largest deflection of each member relative to the chord between its ends</h3>\n";
    out_ += limit ? "<p>Limit: span/" + fmt("%g", s_.deflection.limit) + ".</p>\n"
                  : std::string(s_.deflection.limit > 0 ? "<p>The model's deflection limit does not apply to this "
                                                          "combination.</p>\n"
                                                        : "");
    std::vector<int> by;
    for (size_t i = 1; i <= s_.members.size(); ++i)
        if (o_.members[i].deflection.delta > 0)
            by.push_back(static_cast<int>(i));
    std::stable_sort(by.begin(), by.end(), [&](int a, int b) {
        return o_.members[static_cast<size_t>(a)].deflection.span_ratio <
               o_.members[static_cast<size_t>(b)].deflection.span_ratio;
    });
    size_t shown = 0;
    out_ += "<table class=\"deflections\">\n<tr><th>member</th><th>start</th><th>end</th><th>deflection (" + du +
            ")</th><th>at</th><th>span ratio</th>" + (limit ? "<th>limit</th>" : "") + "</tr>\n";
    for (int i : by) {
        const Deflection& d = o_.members[static_cast<size_t>(i)].deflection;
        bool f = limit_fails(s_, c_, d);
        if (shown >= members_listed && !f)
            break;
        ++shown;
        out_ += "<tr>" + member_cells(s_, i) + "<td class=\"n\">" + number(u_.from_internal(Quantity::displacement, d.delta)) +
                "</td><td>" + position(s_, i, d.s, true) + "</td><td class=\"n\">L/" + fmt("%.0f", d.span_ratio) + "</td>" +
                (limit ? std::string("<td") + (f ? " class=\"fail\">L/" + fmt("%g", s_.deflection.limit) + " fails"
                                                 : ">L/" + fmt("%g", s_.deflection.limit) + " passes") + "</td>"
                       : "") +
                "</tr>\n";
    }
    out_ += "</table>\n";
    if (shown < by.size())
        out_ += "<p>" + std::to_string(by.size() - shown) + " more members deflect less, by span ratio; the envelope's "
                "CSV file lists every member's deflection in every combination.</p>\n";
}

void Report::joints()
{
    const TypeTable& t = s_.t();
    out_ += "<h3>Joint displacements</h3>\n<table class=\"displacements\">\n<tr><th>joint</th>";
    for (int k = 0; k < t.d; ++k)
        out_ += std::string("<th>") + t.dof[k] + " (" + (t.rotation[k] ? "rad" : u_.unit(Quantity::displacement)) + ")</th>";
    out_ += "</tr>\n";
    for (size_t j = 1; j <= s_.joints.size(); ++j) {
        out_ += "<tr><td>" + html_escape(s_.joints[j - 1].name) + "</td>";
        for (int k = 0; k < t.d; ++k) {
            double x = o_.solution.D[j][static_cast<size_t>(k)];
            // Every member end there is released for this rotation: the
            // joint has none of its own (the members' are under "Released
            // member ends").
            bool none = j < o_.solution.left_out.size() && o_.solution.left_out[j][static_cast<size_t>(k)];
            out_ += "<td class=\"n\">" +
                    (none ? std::string("&mdash;")
                          : t.rotation[k] ? fmt("%.6g", x == 0 ? 0.0 : x)
                                          : number(u_.from_internal(Quantity::displacement, x))) +
                    "</td>";
        }
        out_ += "</tr>\n";
    }
    out_ += "</table>\n";
}

void Report::reactions()
{
    const TypeTable& t = s_.t();
    out_ += "<h3>Support reactions</h3>\n<p>What each support and each spring exerts on the structure, in global "
            "directions.</p>\n"
            "<table class=\"reactions\">\n<tr><th>joint</th>";
    for (int k = 0; k < t.d; ++k)
        out_ += "<th>" + reaction_title(s_, k) + "</th>";
    out_ += "</tr>\n";
    for (int j : s_.reaction_joints()) {
        out_ += "<tr><td>" + html_escape(s_.joints[static_cast<size_t>(j) - 1].name) + "</td>";
        for (int k = 0; k < t.d; ++k) {
            bool held = false;
            for (const Support& sp : s_.supports)
                held = held || (sp.joint == j && sp.restrained[k]);
            for (const Spring& sp : s_.springs)
                held = held || (sp.joint == j && sp.k[k] > 0);
            out_ += "<td class=\"n\">" +
                    (held ? number(u_.from_internal(t.rotation[k] ? Quantity::moment : Quantity::force,
                                                    o_.solution.AR[static_cast<size_t>(j)][static_cast<size_t>(k)]))
                          : std::string("free")) +
                    "</td>";
        }
        out_ += "</tr>\n";
    }
    out_ += "</table>\n";
}

void Report::end_actions()
{
    const TypeTable& t = s_.t();
    out_ += "<h3>Member end actions in member axes</h3>\n<p>What the joints exert on each member's ends, its own "
            "loads included.</p>\n<table class=\"end-actions\">\n<tr><th>member</th><th>start</th><th>end</th>";
    for (int k = 0; k < t.nea; ++k)
        out_ += std::string("<th>") + t.ea[k] + " (" + u_.unit(t.kind[k] == Kind::force ? Quantity::force : Quantity::moment) +
                ")</th>";
    out_ += "</tr>\n";
    for (size_t n = 0; n < listed_; ++n) {
        int i = order_[n].member;
        out_ += "<tr>" + member_cells(s_, i);
        for (int k = 0; k < t.nea; ++k)
            out_ += "<td class=\"n\">" +
                    number(in_units(s_, t.kind[k], o_.solution.actions[static_cast<size_t>(i)][static_cast<size_t>(t.local[k])])) +
                    "</td>";
        out_ += "</tr>\n";
    }
    out_ += "</table>\n";
    rest(listed_, "end actions");
}

} // namespace

// A released end turns (or slides) on its own: its own displacement beside
// the joint's.
void Report::released_ends()
{
    static const char* const names[12] = {"fx", "", "", "mx", "my", "mz", "fx", "", "", "mx", "my", "mz"};
    std::string rows;
    for (size_t i = 1; i <= s_.members.size(); ++i) {
        const Member& mb = s_.members[i - 1];
        for (int l = 0; l < 12; ++l) {
            if (!mb.released[static_cast<size_t>(l)])
                continue;
            bool rotation = l % 6 >= 3;
            double own = o_.solution.ends[i][static_cast<size_t>(l)];
            rows += "<tr><td>" + html_escape(mb.name) + "</td><td>" + (l < 6 ? "start" : "end") + " (" +
                    html_escape(s_.joints[static_cast<size_t>(l < 6 ? mb.jj : mb.jk) - 1].name) + ")</td><td>" +
                    names[l] + "</td><td class=\"n\">" +
                    (rotation ? fmt("%.6g", own == 0 ? 0.0 : own) + " rad"
                              : number(u_.from_internal(Quantity::displacement, own)) + " " +
                                    u_.unit(Quantity::displacement)) +
                    "</td></tr>\n";
        }
    }
    if (rows.empty())
        return;
    out_ += "<h3>Released member ends</h3>\n<p>Each end action a member does not transmit, and the member's own "
            "displacement there, in member axes: its rotation at a hinge (about member x, y or z for mx, my, mz), "
            "its slide along itself for fx; not the joint's.</p>\n<table class=\"released\">\n"
            "<tr><th>member</th><th>end</th><th>released</th><th>member's own displacement</th></tr>\n" +
            rows + "</table>\n";
}

std::string report_htm(const Model& s, int c, const CombinationOutcome& o)
{
    return Report(s, c, o).write();
}

} // namespace quill
