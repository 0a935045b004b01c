// The results every program writes in the same order: the "Calculated
// Results" table of joint displacements and support reactions, the member
// table with its checks, the CSV file and the summary file. Each program
// describes its own tables; the writing is the same for all of them.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "checks/member_check.h"
#include "model/model_core.h"
#include "solver/solution.h"

namespace qm {

struct DisplacementTable {
    // The heading keeps the two leading line breaks of an ordinary heading.
    bool plain_heading;
    const char* titles;
    // Row format after the joint number: the joint's displacements (inches,
    // rotations in degrees), then its reactions (kips, inch-kips).
    const char* row;
    bool degrees[6]; // which degrees of freedom of a joint are rotations
};

struct EndActionTable {
    const char* titles;
    const char* titles_end; // what closes the title row
    const char* ending;     // after the last member's limit row
    // Before the notes under the table (checks not made, spans checked at
    // their ends only), where the ending leaves the table open (so that they
    // stand under it).
    const char* notes_opening;
    const char* after_notes; // what closes the document after the notes, where the ending does not
};

struct CsvLayout {
    // Displacements of every joint (rotations in degrees), then the
    // reactions of every joint; otherwise one line per joint with both,
    // rotations in radians.
    bool reactions_apart;
    bool dummy_list; // the dummy-member count and list after the members
    bool final_newline;
};

struct SummaryLayout {
    bool counts_line; // "m,n,nj,nr,nrj" after the header
    int blank_lines;  // lines between the dummy-member lines and the minima
};

// "Calculated Results" and the joint displacements and support reactions.
void write_displacement_table(HtmlReport& rep, const DisplacementTable& t, const ModelCore& s,
                              const SolutionVectors& v);

// "Member End Actions": every member's end actions with their checks and
// limits, allowables(i) giving member i's allowable forces.
void write_end_action_table(HtmlReport& rep, const EndActionTable& t, MemberCheck& check, const ModelCore& s,
                            const std::function<Allowables(int)>& allowables);

// "Checked at their ends only, not along their spans: members 3, 5, ..."
// naming the members that carry a member load; empty when none does.
std::string spans_checked_at_ends(const ModelCore& s);

// The exit status of a completed run: 2 when a member that is not a dummy
// member failed a check, 0 when every check made passes.
int verdict_status(const MemberCheck& check, const ModelCore& s);

void write_csv(std::FILE* f, const CsvLayout& layout, const DisplacementTable& t, const ModelCore& s,
               const SolutionVectors& v, MemberCheck& check);

// The summary after its plain-text header: the counts line where the
// program has one, the dummy members (whose end actions are cleared so that
// they set no minimum), then the smallest ratios.
void write_summary(HtmlReport& rep, const SummaryLayout& layout, ModelCore& s, MemberCheck& check);

} // namespace qm
