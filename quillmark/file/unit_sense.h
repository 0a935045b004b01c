// Section values far outside what structural members have in the model's
// units: an E typed in GPa where MPa is asked, areas in m^2 instead of
// mm^2. Named as probable unit slips; the run still goes on.
#pragma once

#include <string>
#include <vector>

#include "file/model.h"

namespace quill {

// One line per value, such as "probable unit slip: section 'HEB240': E =
// 200 MPa lies outside 2000 to 400000 MPa".
std::vector<std::string> implausible_sections(const Model& s);

// A member whose deflection is beyond span / unit_slip_span is a probable
// unit slip too.
inline constexpr double unit_slip_span = 50;

} // namespace quill
