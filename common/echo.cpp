#include "echo.h"

namespace qm {

void write_styled_row_start(HtmlReport& rep)
{
    rep.printf("<TR>\n");
    rep.qprintf("        <TD style=%cvertical-align: top; padding: 0.1pt;%c>\n");
}

static void plain_row_start(HtmlReport& rep) { rep.printf("<TR>\n<TD>\n"); }
static void plain_row_end(HtmlReport& rep) { rep.printf("</TD>\n</TR>\n"); }

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
    static const char* const units[] = {
        "unless otherwise stated, all units are:</TD><TD>kips</TD><TD>(1000 pounds)\n",
        "&nbsp;</TD><TD>ksi</TD><TD>(kips per square inch)\n",
        "&nbsp;</TD><TD>inches</TD><TD>&nbsp;\n",
        "&nbsp;</TD><TD>degrees</TD><TD>&nbsp;\n",
        "&nbsp;</TD><TD>tshear</TD><TD>kips\n",
        "&nbsp;</TD><TD>bending</TD><TD>inch-kips\n",
        "&nbsp;</TD><TD>rotational</TD><TD>degrees\n",
    };
    for (const char* row : units) {
        plain_row_start(rep);
        rep.printf("%s", row);
        plain_row_end(rep);
    }
    rep.close_table();
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

void write_restraint_row(HtmlReport& rep, int j, const int flags[], int d)
{
    rep.printf("<TR>\n");
    rep.printf("<TD>\n%i</TD>", j);
    for (int k = 0; k < d; ++k)
        rep.printf(flags[k] != 0 ? "<TD>\nrestrained</TD>" : "<TD>\nunrestrained</TD>");
    rep.printf("</TR>\n");
}

} // namespace qm
