// frame2d as the shared run sees it: its model, steps and report tables.
#pragma once

#include "analysis.h"
#include "model.h"
#include "program.h"

namespace frame2d {

extern const qm::ProgramTables tables;

} // namespace frame2d
