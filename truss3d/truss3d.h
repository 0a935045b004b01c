// truss3d as the shared run sees it: its model, steps and report tables.
#pragma once

#include "analysis.h"
#include "model.h"
#include "program.h"

namespace truss3d {

extern const qm::ProgramTables tables;

} // namespace truss3d
