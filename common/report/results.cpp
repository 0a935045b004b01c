#include "report/results.h"

#include <string>

#include "report/units.h"

namespace qm {

void write_displacement_table(HtmlReport& rep, const DisplacementTable& t, const ModelCore& s, const SolutionVectors& v)
{
    int d = s.size.dofs_per_joint;
    rep.write_section_heading("Calculated Results");
    if (t.plain_heading)
        rep.write_section_heading("Joint Displacements and Support Reactions");
    else
        rep.write_subheading("Joint Displacements and Support Reactions");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n%s</TD>\n</TR>\n", t.titles);
    for (int j = 1; j <= s.nj; ++j) {
        double a[12] = {};
        for (int k = 1; k <= d; ++k) {
            float u = v.D[d * (j - 1) + k];
            a[k - 1] = t.degrees[k - 1] ? degrees(u) : u;
            a[d + k - 1] = v.AR[d * (j - 1) + k];
        }
        rep.printf("<TR>\n<TD>\n");
        rep.printf("  %i</TD><TD>", j);
        rep.printf(t.row, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11]);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

void write_end_action_table(HtmlReport& rep, const EndActionTable& t, MemberCheck& check, const ModelCore& s,
                            const std::function<Allowables(int)>& allowables)
{
    check.clear_allowables(s.m);
    rep.write_section_heading("Member End Actions");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n%s%s", t.titles, t.titles_end);
    for (int i = 1; i <= s.m; ++i)
        check.write_check_row(rep, i, s.AML(i), allowables(i));
    rep.printf("%s", t.ending);
    std::string notes = check.unchecked_notes();
    std::string spans = spans_checked_at_ends(s);
    if (!spans.empty())
        notes += "<BR>" + spans + "<BR>\n";
    if (!notes.empty())
        rep.printf("%s%s", t.notes_opening, notes.c_str());
    rep.printf("%s", t.after_notes);
}

// A member load is known here only as its fixed-end actions, not as its
// distribution along the span, so a loaded member is checked at its ends.
std::string spans_checked_at_ends(const ModelCore& s)
{
    std::string members;
    int count = 0;
    for (int i = 1; i <= s.m; ++i) {
        const float* q = s.member_loads(i);
        bool loaded = false;
        for (int k = 1; k <= s.size.end_actions; ++k)
            loaded = loaded || q[k] != 0.0f;
        if (loaded) {
            members += (count++ ? ", " : "") + std::to_string(i);
        }
    }
    if (count == 0)
        return "";
    return std::string("Checked at their ends only, not along their spans: ") + (count == 1 ? "member " : "members ") +
           members + (count == 1 ? ", which carries a member load" : ", which carry member loads") +
           "; quillmark checks along the span";
}

int verdict_status(const MemberCheck& check, const ModelCore& s)
{
    return check.any_failure(s.m, s.ndummy, s.dummy.data()) ? 2 : 0;
}

// One CSV line: the joint number, then the values.
static void write_joint_line(std::FILE* f, int j, const double* a, int count)
{
    std::fprintf(f, "%i,", j);
    for (int k = 0; k < count; ++k)
        std::fprintf(f, k + 1 < count ? "%f," : "%f\n", a[k]);
}

void write_csv(std::FILE* f, const CsvLayout& layout, const DisplacementTable& t, const ModelCore& s,
               const SolutionVectors& v, MemberCheck& check)
{
    int d = s.size.dofs_per_joint;
    std::fprintf(f, "%i,%i,%i,%i\n", s.m, s.nj, s.nr, s.nrj);
    double a[12];
    if (layout.reactions_apart) {
        for (int j = 1; j <= s.nj; ++j) {
            for (int k = 1; k <= d; ++k) {
                float u = v.D[d * (j - 1) + k];
                a[k - 1] = t.degrees[k - 1] ? degrees(u) : u;
            }
            write_joint_line(f, j, a, d);
        }
        for (int j = 1; j <= s.nj; ++j) {
            for (int k = 1; k <= d; ++k)
                a[k - 1] = v.AR[d * (j - 1) + k];
            write_joint_line(f, j, a, d);
        }
    } else {
        for (int j = 1; j <= s.nj; ++j) {
            for (int k = 1; k <= d; ++k) {
                a[k - 1] = v.D[d * (j - 1) + k];
                a[d + k - 1] = v.AR[d * (j - 1) + k];
            }
            write_joint_line(f, j, a, 2 * d);
        }
    }
    check.write_csv_rows(f, s.m, [&](int i) { return s.AML(i); });
    if (layout.dummy_list) {
        std::fprintf(f, "%i\n", s.ndummy);
        for (int l = 1; l <= s.ndummy; ++l)
            std::fprintf(f, "%i\n", s.dummy[l]);
    }
    if (layout.final_newline)
        std::fprintf(f, "\n");
}

void write_summary(HtmlReport& rep, const SummaryLayout& layout, ModelCore& s, MemberCheck& check)
{
    if (layout.counts_line)
        rep.printf("%i,%i,%i,%i,%i\n", s.m, s.dofs.n, s.nj, s.nr, s.nrj);
    rep.printf("\n");
    check.write_dummy_members(rep, s.ndummy, s.dummy.data(), [&](int i) { return s.AML(i); });
    for (int l = 0; l < layout.blank_lines; ++l)
        rep.printf("\n");
    check.write_min_ratios(rep, s.m, [&](int i) { return s.AML(i); });
    std::string spans = spans_checked_at_ends(s);
    if (!spans.empty())
        rep.printf("%s\n", spans.c_str());
}

} // namespace qm
