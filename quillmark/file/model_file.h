// Reading a model file: TOML, with the structure type, the units, sections,
// joints, members, supports, load cases and combinations. Every value is
// converted to kips and inches as it is read; anything unreadable, unknown
// or inconsistent throws ModelError naming the file, the line and the key.
#pragma once

#include <string>

#include "file/model.h"

namespace quill {

Model read_model_file(const std::string& path);

} // namespace quill
