#include "report/html_report.h"

#include <cstdarg>
#include <ctime>
#include <string>

namespace qm {

void HtmlReport::printf(const char* fmt, ...)
{
    if (!f_)
        return;
    std::va_list ap;
    va_start(ap, fmt);
    std::vfprintf(f_, fmt, ap);
    va_end(ap);
}

// "%c" becomes the quote itself before formatting; "%%" is kept as it is so
// that "100%%" still prints one percent sign.
void HtmlReport::qprintf(const char* fmt, ...)
{
    if (!f_)
        return;
    std::string expanded;
    for (const char* p = fmt; *p; ++p) {
        if (p[0] == '%' && p[1] == 'c') {
            expanded += quote;
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            expanded += "%%";
            ++p;
        } else {
            expanded += *p;
        }
    }
    std::va_list ap;
    va_start(ap, fmt);
    std::vfprintf(f_, expanded.c_str(), ap);
    va_end(ap);
}

static const char* const html_notice =
    "This program is offered for personal study and for the personal needs of its user only. "
    "It analyses linear-elastic framed structures by the matrix stiffness method and checks each "
    "member against simple allowable stresses; it is no substitute for the judgement of a qualified "
    "engineer. No warranty of any kind is given, neither express nor implied, including any warranty "
    "of fitness for a particular purpose or of the correctness of the results. The user alone is "
    "responsible for checking every result before relying on it in any design or construction.";

// Eleven lines of text, each padded to 71 characters between the two stars.
static const char* const text_notice[11] = {
    "",
    "  This program is offered for personal study and for the personal",
    "  needs of its user only.",
    "",
    "  It is no substitute for the judgement of a qualified engineer.",
    "",
    "  No warranty of any kind is given, neither express nor implied,",
    "  including any warranty of fitness for a particular purpose or of",
    "  the correctness of the results. Check every result before use.",
    "",
    "",
};

void HtmlReport::write_header(int mode, const ProgramIdentity& id)
{
    std::time_t now = std::time(nullptr);
    std::tm date = *std::localtime(&now);
    int year = date.tm_year + 1900, month = date.tm_mon + 1, day = date.tm_mday;
    char title[256];

    if (mode != 1) {
        std::snprintf(title, sizeof title, id.text_title, id.revision);
        printf("%s\n", title);
        printf("Run date - %d-%d-%d\n", month, day, year);
        printf("%s\n", std::string(73, '*').c_str());
        for (const char* line : text_notice)
            printf("*%-71s*\n", line);
        printf("%s\n", std::string(73, '*').c_str());
        return;
    }

    qprintf("<!DOCTYPE HTML PUBLIC %c-//W3C//DTD HTML 3.2//EN%c>\n");
    qprintf("<HTML>\n");
    qprintf("<HEAD>\n\n");
    qprintf("   <META HTTP-EQUIV=%cContent-Type%c CONTENT=%ctext/html;CHARSET=iso-8859-1%c>\n");
    qprintf("   <META NAME=%cGENERATOR%c Content=%cVisual Page 2.0 for Windows%c>\n");
    qprintf("   <TITLE>Official Guide - Product Status</TITLE>\n\n");
    qprintf("<STYLE TYPE=%ctext/css%c>\n");
    qprintf("<!--\n");
    qprintf(".Table-Style   {\n");
    qprintf("        font : 12pt/100%% 'Times New Roman' ;\n");
    qprintf("        margin : 0px ;\n");
    qprintf("        border : thin none black ;\n");
    qprintf("        Text-Align : Left ;\n");
    qprintf("        Font-Size : 16pt\n");
    qprintf("    }\n");
    qprintf(".Normal    {\n");
    qprintf("        font : 14pt 'Times New Roman', serif ;\n");
    qprintf("        Font-Size : 14pt\n");
    qprintf("    }\n");
    qprintf("-->\n");
    qprintf("</STYLE>\n");
    qprintf("</HEAD>\n\n");
    qprintf("<BODY BGCOLOR=%c#FFCE9C%c>\n");
    qprintf(
        "<H1 ALIGN=%cCENTER%c> <SPAN STYLE=%cFont-Size : 43pt%c> <FONT COLOR=%cnavy%c>Quillmark</FONT></SPAN></H1>\n");
    char image[64];
    std::snprintf(image, sizeof image, "%s", "gm 209 label.jpg");
    qprintf("<H1 ALIGN=%cCENTER%c> <IMG SRC=%c%s%c HEIGHT=%c54%c ALIGN=%cBOTTOM%c BORDER=%c0%c></H1>\n", image);
    qprintf("<H1 ALIGN=%cCENTER%c> <FONT SIZE=%c5%c COLOR=%cred%c>Run date %2d-%2d-%2d</FONT></H1>\n", month, day,
            year);
    qprintf("<H1 ALIGN=%cCENTER%c> <FONT SIZE=%c5%c COLOR=%cnavy%c>\n");
    std::snprintf(title, sizeof title, id.html_title, id.revision);
    printf("%s<br>\n", title);
    qprintf("<P ALIGN=%cCENTER%c>\n");
    open_table();
    qprintf("<TR>\n");
    qprintf("        <TD style=%cvertical-align: top; padding: 0.1pt;%c>\n");
    qprintf("            <P CLASS=%cTable-Style%c> <FONT SIZE=%c4%c FACE=%cTimes New Roman%c>\n");
    printf("%s\n", html_notice);
    qprintf("            </FONT>\n        </TD>\n");
    qprintf("</TR>\n</TABLE>\n");
}

void HtmlReport::write_section_heading(const char* title)
{
    qprintf("<BR><BR><B><FONT SIZE=%c6%c COLOR=%c#660099%c FACE=%cTimes New Roman%c>%s"
            "</FONT></B><FONT SIZE=%c5%c COLOR=%cnavy%c FACE=%cTimes New Roman%c><BR>\n\n",
            title);
}

void HtmlReport::write_subheading(const char* title)
{
    qprintf("<B><FONT SIZE=%c6%c COLOR=%c#660099%c FACE=%cTimes New Roman%c>%s"
            "</FONT></B><FONT SIZE=%c5%c COLOR=%cnavy%c FACE=%cTimes New Roman%c><BR>\n\n",
            title);
}

void HtmlReport::open_table()
{
    qprintf("<TABLE ALIGN=%cCENTER%c BORDER=%c2%c CELLPADDING=%c2%c BGCOLOR=%c#FFFFCC%c "
            "STYLE=%cborder : none ; margin : 7.2pt 3pt 7.2pt 7.2pt%c>\n");
}

void HtmlReport::close_table()
{
    printf("</TABLE>\n");
}

void HtmlReport::write_footer()
{
    printf("            </FONT>        </TD>\n");
    printf("</TR></TABLE>\n");
    printf("</BODY></HTML>\n");
}

} // namespace qm
