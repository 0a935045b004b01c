// quillmark run MODEL.toml: every combination written as an input file in a
// folder of its own beside the model (MODEL.out/<combination>/), analysed
// there, then the envelope beside the model. An earlier envelope goes
// first, and folders of combinations the model no longer has, so that
// nothing from an earlier run passes for this one's. Returns the exit status: 0 all
// completed and every check passes, 2 a member (not a dummy) fails in some
// combination, 1 a model-file error or a combination that stopped.
#pragma once

#include <string>

namespace quill {

int run_model(const std::string& path);

} // namespace quill
