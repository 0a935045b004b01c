// The input file of a structure's analysis program for one combination:
// the structure, the factored joint loads and the fixed-end actions of the
// factored member loads, every value rounded to single precision once and
// written so that it reads back as the same number.
#pragma once

#include <string>
#include <vector>

#include "file/model.h"
#include "loads/combined_loads.h"

namespace quill {

std::string input_file(const Model& s, const CombinedLoads& loads);

// A value as the input file holds it: the float nearest to v, in the
// fewest digits that read back as that float.
std::string number_text(double v);

} // namespace quill
