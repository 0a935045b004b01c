// The load records that close every input file, with their echo: the load
// counts ("Global Load Information"), the joint loads, the member loads and
// the dummy-member list. Each program describes its echo tables in a
// LoadEcho; the reading is the same for all of them.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace qm {

struct LoadEcho {
    // A negative load count lists every joint or member as a positive one
    // does; otherwise it reads as none.
    bool negative_count_lists;
    const char* joint_titles; // "Joint Loads" column titles, ending "\n"
    const char* joint_row;    // the joint number, then its loads, through "</TR>\n"
    bool member_heading;      // the member loads have a heading of their own
    const char* member_titles;
    const char* member_row; // the member number, then its fixed-end actions, through "</TR>\n"
    // A plain-text listing of the member loads after their table, or null.
    const char* member_text_head;
    const char* member_text_row;
    bool dummy_section; // the file ends with the dummy-member count and list
};

// Reads the load counts, joint loads, member loads and (where the program
// has them) the dummy members, writes their echo and closes the input.
void read_loads(AnalysisRun& run, ModelCore& s, const LoadEcho& echo);

} // namespace qm
