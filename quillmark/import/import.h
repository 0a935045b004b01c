// quillmark import FILE.in: an input file of any of the six types (known by
// its name, such as spacefr.in) turned into a model file beside it (FILE
// with .toml): US units, one load case "imported" holding its joint loads
// and its member loads kept as the fixed-end actions given. An existing
// model file of that name is left alone.
#pragma once

#include <string>

#include "file/model.h"

namespace quill {

// Throws ModelError when the file cannot be read.
Model read_input_file(const std::string& path);
// The model file text of a model.
std::string model_file_text(const Model& s);

int import_input_file(const std::string& path);

} // namespace quill
