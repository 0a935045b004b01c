// quillmark's model files read and analysed in the test's own process, for
// tests that hold the engine's numbers against closed forms.
#pragma once

#include <string>
#include <vector>

#include "engine/analysis.h"
#include "file/model.h"

namespace qmtest {

// The model file text read as quillmark reads it (ModelError on a stop).
quill::Model model_of(const std::string& toml);

// Every combination of the model solved by the engine (EngineStop on a
// mechanism).
std::vector<quill::Solution> combinations_of(const quill::Model& s);

} // namespace qmtest
