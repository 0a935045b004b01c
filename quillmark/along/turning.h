// Where one piece of a function along a member turns: the real roots of its
// derivative strictly inside it, as distances from the member's start,
// written to out (room for max_degree); their count.
#pragma once

#include "along/span_actions.h"

namespace quill {

int turning_points(const Piece& q, double* out);

} // namespace quill
