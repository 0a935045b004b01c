#include "load_input.h"

#include <string>

#include "echo.h"

namespace qm {

// Formats a row whose format takes a number and up to twelve reals; values
// beyond the format's conversions are not printed.
static void write_row(HtmlReport& rep, const char* fmt, int number, const float* v, int count)
{
    double a[12] = {};
    for (int k = 0; k < count && k < 12; ++k)
        a[k] = v[k];
    rep.printf(fmt, number, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], a[11]);
}

static void read_joint_loads(AnalysisRun& run, ModelCore& s)
{
    int d = s.size.dofs_per_joint;
    for (int l = 1; l <= s.nlj; ++l) {
        int j = 0;
        run.scan("joint load", l, "%i", &j);
        run.check_range("joint load", l, "joint", j, 1, s.nj);
        float* a = &s.AJ[d * (j - 1)];
        switch (d) {
        case 2: run.scan("joint load", l, "%f,%f", &a[1], &a[2]); break;
        case 3: run.scan("joint load", l, "%f,%f,%f", &a[1], &a[2], &a[3]); break;
        default: run.scan("joint load", l, "%f,%f,%f,%f,%f,%f", &a[1], &a[2], &a[3], &a[4], &a[5], &a[6]); break;
        }
    }
}

static void read_member_loads(AnalysisRun& run, ModelCore& s)
{
    int nc = s.size.end_actions;
    for (int l = 1; l <= s.nlm; ++l) {
        int i = 0;
        run.scan("member load", l, nc == 4 ? "%i" : "%i\n", &i);
        run.check_range("member load", l, "member", i, 1, s.m);
        float* a = s.AML(i);
        switch (nc) {
        case 4: run.scan("member load", l, "%f,%f,%f,%f", &a[1], &a[2], &a[3], &a[4]); break;
        case 6: run.scan("member load", l, "%f,%f,%f,%f,%f,%f\n", &a[1], &a[2], &a[3], &a[4], &a[5], &a[6]); break;
        default:
            run.scan("member load", l, "%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f\n", &a[1], &a[2], &a[3], &a[4], &a[5],
                     &a[6], &a[7], &a[8], &a[9], &a[10], &a[11], &a[12]);
            break;
        }
    }
}

// The dummy-member count and list (a count of zero or below means none).
static void read_dummy_list(AnalysisRun& run, ModelCore& s)
{
    run.scan("dummy members", 0, "%i", &s.ndummy);
    if (s.ndummy > s.size.dummies)
        run.fail("dummy members", 0,
                 "number of dummy members " + std::to_string(s.ndummy) + " is above " + std::to_string(s.size.dummies));
    for (int l = 1; l <= s.ndummy; ++l) {
        run.scan("dummy member", l, "%i", &s.dummy[l]);
        run.check_range("dummy member", l, "member", s.dummy[l], 1, s.m);
    }
}

static bool lists(int count, const LoadEcho& echo)
{
    return echo.negative_count_lists ? count != 0 : count > 0;
}

static void write_joint_loads(HtmlReport& rep, const ModelCore& s, const LoadEcho& echo)
{
    int d = s.size.dofs_per_joint;
    rep.write_section_heading("Joint Loads");
    if (!lists(s.nlj, echo)) {
        rep.printf("<BR>No loaded joints<BR>\n");
        return;
    }
    rep.open_table();
    write_title_row(rep, echo.joint_titles);
    for (int j = 1; j <= s.nj; ++j) {
        rep.printf("<TR>\n<TD>\n");
        write_row(rep, echo.joint_row, j, &s.AJ[d * (j - 1) + 1], d);
    }
    rep.close_table();
}

static void write_member_loads(HtmlReport& rep, const ModelCore& s, const LoadEcho& echo)
{
    int nc = s.size.end_actions;
    if (echo.member_heading)
        rep.write_section_heading("Member Loads");
    if (!lists(s.nlm, echo)) {
        rep.printf("<BR>No loaded members<BR>\n");
        return;
    }
    rep.open_table();
    write_title_row(rep, echo.member_titles);
    for (int i = 1; i <= s.m; ++i) {
        rep.printf("<TR>\n<TD>\n");
        write_row(rep, echo.member_row, i, s.AML(i) + 1, nc);
    }
    rep.close_table();
    if (echo.member_text_head) {
        rep.printf("%s", echo.member_text_head);
        for (int i = 1; i <= s.m; ++i)
            write_row(rep, echo.member_text_row, i, s.AML(i) + 1, nc);
    }
}

void read_loads(AnalysisRun& run, ModelCore& s, const LoadEcho& echo)
{
    run.scan("load counts", 0, "%i,%i\n", &s.nlj, &s.nlm);
    write_load_counts(run.report, s.nlj, s.nlm);
    read_joint_loads(run, s);
    write_joint_loads(run.report, s, echo);
    read_member_loads(run, s);
    s.keep_member_loads();
    if (echo.dummy_section)
        read_dummy_list(run, s);
    run.close_input();
    write_member_loads(run.report, s, echo);
}

} // namespace qm
