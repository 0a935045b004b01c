// The plain-text summary file of a frame program: the plain-text header,
// the dummy members, and the smallest ratios of allowable to actual value.
#pragma once

#include "member_check.h"
#include "run.h"

namespace qm {

// Closes the report, reopens it on "<type>.txt" and writes the header, "\n",
// one "dummy member - %i\n" line per dummy member in list order (its end
// actions are cleared, so a dummy member never sets a minimum), "\n", then
// the minimum-ratio lines of the check layout; closes the file.
// actions(i) gives member i's end actions, 1-based.
template <class Actions>
void write_ratio_summary(AnalysisRun& run, MemberCheck& check, int m, int ndummy, const int dummy[],
                         Actions actions)
{
    run.reopen_report(".txt");
    HtmlReport& rep = run.report;
    rep.write_header(0, run.id());
    rep.printf("\n");
    for (int l = 1; l <= ndummy; ++l) {
        rep.printf("dummy member - %i\n", dummy[l]);
        float* v = actions(dummy[l]);
        for (int k = 1; k <= check.layout().nc; ++k)
            v[k] = 0.0f;
    }
    rep.printf("\n");
    check.write_min_ratios(rep, m, actions);
    rep.close();
}

} // namespace qm
