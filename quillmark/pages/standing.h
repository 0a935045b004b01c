// How close each member comes to failing in one combination: the order the
// pages list and draw members in, the failing first, then by their least
// ratio of allowable to demand; a large model's pages show the failing and
// the closest to failing alone.
#pragma once

#include <vector>

#include "file/model.h"
#include "outcome.h"

namespace quill {

// Members beyond the failing ones that a large model's pages show.
inline constexpr size_t members_listed = 200;
// A model of more members than this is drawn with the diagrams of the
// members its pages list alone.
inline constexpr size_t members_drawn_in_full = 1000;

struct Standing {
    int member = 0;
    double least = 0;     // its least ratio over its checks (a deflection limit as (L/delta)/limit)
    bool checked = false; // some check was made
    bool failing = false;
};

struct Standings {
    std::vector<Standing> order; // failing first, then by least ratio, unchecked last
    size_t failing = 0;
    size_t listed = 0; // the failing and the members_listed closest to failing
};

Standings standings(const Model& s, int c, const CombinationOutcome& o);

// The members a drawing draws diagrams of: every member of a model up to
// members_drawn_in_full, else those listed; 1-based flags.
std::vector<bool> members_drawn(const Model& s, const Standings& st);

// The member's deflection is beyond the model's limit in combination c.
bool limit_fails(const Model& s, int c, const Deflection& d);

} // namespace quill
