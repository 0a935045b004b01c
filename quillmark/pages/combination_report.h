// report.htm: one combination as quillmark's own analysis finds it, in the
// model's units and names: its title and factors, the joint displacements
// and support reactions, each member's end actions in member axes, the
// checks at each member's governing sections, the largest deflections
// between the members' ends against the limit where the model sets one, the
// notes a reader must see, and links to its drawing, its numbers along the
// members and the classic program's report. Failing members come first; a
// large model lists the failing and the closest to failing in full.
#pragma once

#include <string>
#include <vector>

#include "along/span_actions.h"
#include "file/model.h"
#include "outcome.h"

namespace quill {

std::string report_htm(const Model& s, int c, const CombinationOutcome& o);

} // namespace quill
