// The dialogue for one structure, from its banner to its loaded members,
// and the dummy-member questions that close every dialogue.
#pragma once

#include <string>

#include "input_file.h"
#include "structure_types.h"

namespace modelprep {

struct Structure {
    InputFile file; // the records answered so far
    int m = 0;      // members
};

// Checks that the type's input file can be written in `folder` (empty: the
// current one) and, if it exists, that the user means to replace it; then
// asks, in order, the structure parameters, the joint coordinates, the
// members, the restraints and the loads, and gathers their records.
Structure ask_structure(const StructureType& type, const std::string& folder);

// Asks whether there are dummy members and which, and adds that record.
void ask_dummy_members(Structure& s);

} // namespace modelprep
