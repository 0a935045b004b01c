#include "report/echo.h"

namespace qm {

void write_styled_row_start(HtmlReport& rep)
{
    rep.printf("<TR>\n");
    rep.qprintf("        <TD style=%cvertical-align: top; padding: 0.1pt;%c>\n");
}

static void plain_row_start(HtmlReport& rep)
{
    rep.printf("<TR>\n<TD>\n");
}
static void plain_row_end(HtmlReport& rep)
{
    rep.printf("</TD>\n</TR>\n");
}

void write_parameters(HtmlReport& rep, int m, int n, int nj, int nr, int nrj)
{
    rep.printf("Global structure parameters</TD><TD>number of members (m)</TD><TD>%i\n", m);
    rep.printf("</TD>\n");
    plain_row_start(rep);
    rep.printf("&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>%i\n", n);
    plain_row_end(rep);
    plain_row_start(rep);
    rep.printf("&nbsp;</TD><TD> number of joints (nj)</TD><TD>%i\n", nj);
    plain_row_end(rep);
    plain_row_start(rep);
    rep.printf("&nbsp;</TD><TD>number of support restraints (nr)</TD><TD>%i\n", nr);
    plain_row_end(rep);
    plain_row_start(rep);
    rep.printf("&nbsp;</TD><TD>number of restrained joints (nrj)</TD><TD>%i\n", nrj);
    plain_row_end(rep);
    write_units(rep, true);
    rep.close_table();
}

void write_units(HtmlReport& rep, bool line_ends)
{
    static const char* const units[] = {
        "unless otherwise stated, all units are:</TD><TD>kips</TD><TD>(1000 pounds)",
        "&nbsp;</TD><TD>ksi</TD><TD>(kips per square inch)",
        "&nbsp;</TD><TD>inches</TD><TD>&nbsp;",
        "&nbsp;</TD><TD>degrees</TD><TD>&nbsp;",
        "&nbsp;</TD><TD>tshear</TD><TD>kips",
        "&nbsp;</TD><TD>bending</TD><TD>inch-kips",
        "&nbsp;</TD><TD>rotational</TD><TD>degrees",
    };
    for (const char* row : units) {
        plain_row_start(rep);
        rep.printf(line_ends ? "%s\n" : "%s", row);
        plain_row_end(rep);
    }
}

void write_title_row(HtmlReport& rep, const char* titles)
{
    plain_row_start(rep);
    rep.printf("%s", titles);
    plain_row_end(rep);
}

void open_echo_table(HtmlReport& rep, const char* heading, const char* titles)
{
    rep.write_section_heading(heading);
    rep.open_table();
    write_title_row(rep, titles);
}

void write_load_counts(HtmlReport& rep, int nlj, int nlm)
{
    rep.write_section_heading("Global Load Information");
    rep.open_table();
    plain_row_start(rep);
    rep.printf("Number of loaded joints</TD><TD>%i\n", nlj);
    plain_row_end(rep);
    plain_row_start(rep);
    rep.printf("Number of loaded members</TD><TD>%i\n", nlm);
    plain_row_end(rep);
    rep.close_table();
}

} // namespace qm
