// The envelope of all combinations, in the model's own units: per member
// and check the smallest ratio of allowable to demand over the
// combinations, with its combination and where along the member it governs;
// the deflections of every member in every combination, against the limit
// where the model sets one; per joint the largest translation; the
// reactions of every combination, of supports and springs; and the notes a
// reader must see (probable unit slips, ill-conditioned equations, classic
// programs that disagree or were not run, members checked at their ends
// only or not for bending). Written as CSV and
// as an HTML page that links each combination's pages.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "file/model.h"
#include "outcome.h"

namespace quill {

struct Governing {
    double ratio = 0; // allowable over demand; for a deflection limit (L/delta)/limit
    double value = 0; // the demand, kips, inch-kips or inches (combined: the interaction value)
    double s = 0;     // inches from the start joint
    int combination = -1; // -1: no combination made the check
};

// The largest and smallest moment about member y and z at evenly spaced
// stations, over all combinations: the envelope diagram's.
struct MomentEnvelope {
    std::vector<double> s;
    std::vector<double> hi[2], lo[2];
};

struct MemberEnvelope {
    std::array<Governing, check_count> check;
    Governing deflection;       // the largest deflection (ratio: its span ratio)
    Governing deflection_limit; // the smallest (L/delta)/limit where the limit applies
    MomentEnvelope moments;
    // Smallest ratio of any check it has, and which (check_count: the
    // deflection limit); ratio 0 with check -1 when it has none.
    double least = 0;
    int least_check = -1;
};

inline constexpr int stations_of_envelope = 40;

struct Envelope {
    std::vector<MemberEnvelope> member;        // 1-based
    std::vector<std::pair<double, int>> joint; // largest translation (inches) and its combination; 1-based
    int governing_member = 0;                  // the member, not a dummy, of the smallest ratio
    bool any_failure = false;                  // a member not a dummy fails a check or its deflection limit
    std::vector<int> bent, ends_only;          // over every combination, ascending
    std::vector<std::string> notes;            // lines the console and the page show
};

Envelope start_envelope(const Model& s);
void add_combination(Envelope& e, const Model& s, int c, const CombinationOutcome& o,
                     const std::vector<SpanActions>& along);
void finish_envelope(Envelope& e, const Model& s);

// "bending not checked: members 3, 5 carry loads across them", by the
// members' names; "checked at their ends only: members ... carry loads
// given as fixed-end actions".
std::string bending_not_checked(const Model& s, const std::vector<int>& members);
std::string ends_only_note(const Model& s, const std::vector<int>& members);

// The members with a check, by how close they come to failing: the least
// ratio first.
std::vector<int> members_by_least(const Model& s, const Envelope& e);

// The name of check k of the envelope (check_count: the deflection limit).
std::string envelope_check_name(const Model& s, int k);

// The envelope diagram: the largest and smallest moment along each member
// over all combinations, drawn on the structure (SVG).
std::string envelope_svg(const Model& s, const Envelope& e);

std::string envelope_csv(const Model& s, const std::vector<CombinationOutcome>& runs, const Envelope& e);
// folder: the combinations' folder as seen from the envelope's own folder;
// diagram: the envelope diagram's file name beside the page.
std::string envelope_htm(const Model& s, const std::vector<CombinationOutcome>& runs, const Envelope& e,
                         const std::string& folder, const std::string& diagram);

} // namespace quill
