// The drawing of a structure and its deflected shape, written as SVG beside
// the report: members with their numbers, joints with theirs, supports drawn
// by what they restrain, joint loads as arrows, the deflected shape at a
// stated scale, and each member coloured by how much of its allowable its
// end actions use (red where the report marks a check "fail").
//
// Where each point lies comes from drawing/geometry; the root element
// carries the deflection scale and the numbers of the page mapping (inch,
// left, top, umin, vmax) as data attributes, so that a reader can find any
// point of the structure on the page.
#pragma once

#include <cstdio>

#include "checks/member_check.h"
#include "drawing/layout.h"
#include "model/model_core.h"
#include "report/html_report.h"
#include "solver/solution.h"

namespace qm {

// The drawing of the model s with its displacements (v.D in raw order) and
// the member checks just written to the report.
void write_drawing(std::FILE* f, const DrawingLayout& layout, const ProgramIdentity& id, const ModelCore& s,
                   const SolutionVectors& v, const MemberCheck& check);

} // namespace qm
