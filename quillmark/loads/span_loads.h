// The loads of one combination on each member, in the member's own axes
// (double precision) and factored: what the actions along a member are
// integrated from.
#pragma once

#include <vector>

#include "loads/member_loads.h"

namespace quill {

struct SpanLoads {
    std::vector<std::vector<AxisLoad>> member; // per member, 1-based
    // Members with a load given as fixed-end actions: its distribution is
    // not known, so the member can be checked at its ends only.
    std::vector<bool> ends_only;
};

SpanLoads span_loads(const Model& s, const Combination& c);

} // namespace quill
