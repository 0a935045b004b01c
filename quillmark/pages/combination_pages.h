// The pages of one combination in its folder, in the model's own units and
// names: report.htm (displacements, reactions, end actions, the checks at
// the governing sections, the deflections, with its drawing), forces.svg
// (the structure with its loads, the moment, shear and axial force diagrams)
// and forces.csv (the actions and deflections along every member at its
// stations). Each file is written whole under a temporary name or not at all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "file/model.h"
#include "outcome.h"

namespace quill {

// False, with the reason in `error`, when a file cannot be written.
bool write_combination_pages(const Model& s, int c, const CombinationOutcome& o, const std::vector<SpanActions>& along,
                             const std::filesystem::path& dir, std::string& error);

// forces.csv: one row per station of every member.
std::string forces_csv(const Model& s, const std::vector<SpanActions>& along);

// The note at the top of a classic program's report: its units are the
// program's, and the combination's page in the model's units is beside it.
// Inserted after the report's BODY tag.
std::string with_units_note(const std::string& htm, const Model& s, const std::string& combination);

} // namespace quill
