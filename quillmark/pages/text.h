// Numbers, names and positions as the pages write them.
#pragma once

#include <string>

#include "file/model.h"

namespace quill {

std::string html_escape(const std::string& in);
// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string csv_field(const std::string& in);
// printf of one number.
std::string fmt(const char* format, double v);
// "%.6g" without a negative zero.
std::string number(double v);
// The same written at `at`, which has room for 32 characters; returns its end.
char* append_number(char* at, double v);
// Where along member i a section lies: "start", "end", or the distance from
// the start joint in the model's length unit ("3.75 m" with `unit`).
std::string position(const Model& s, int member, double at, bool unit);
// The title of the reaction in joint direction k: "Fx (kN)", "Mz (kN*m)".
std::string reaction_title(const Model& s, int k);
// The model's unit of an end action or a demand of a kind.
const char* unit_of(const Model& s, Kind k);
double in_units(const Model& s, Kind k, double v);

} // namespace quill
