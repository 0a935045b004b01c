// Pieces of the input echo that every program writes the same way.
#pragma once

#include "report/html_report.h"

namespace qm {

// "<TR>\n" and the styled first cell that opens the Input Summary and Joint
// Coordinates tables.
void write_styled_row_start(HtmlReport& rep);
// The "Global structure parameters" and units rows, then the table end.
void write_parameters(HtmlReport& rep, int m, int n, int nj, int nr, int nrj);
// The seven units rows of the Input Summary (not the table end); with
// line_ends each text ends "\n" inside its cell.
void write_units(HtmlReport& rep, bool line_ends);
// A section of the echo: heading, table opener and the column titles.
void open_echo_table(HtmlReport& rep, const char* heading, const char* titles);
// A plain title row: "<TR>\n<TD>\n", the titles, "</TD>\n</TR>\n".
void write_title_row(HtmlReport& rep, const char* titles);
// "Global Load Information": heading and table of the two load counts.
void write_load_counts(HtmlReport& rep, int nlj, int nlm);

} // namespace qm
