#include "model_harness.h"

#include "file/model_file.h"
#include "harness.h"

namespace qmtest {

quill::Model model_of(const std::string& toml)
{
    ProgramDir dir;
    dir.write("model.toml", toml);
    return quill::read_model_file(dir.path() + "/model.toml");
}

std::vector<quill::Solution> combinations_of(const quill::Model& s)
{
    quill::Engine e(s);
    std::vector<quill::Solution> cases = e.solve_cases(), out;
    for (const quill::Combination& c : s.combinations)
        out.push_back(quill::Engine::combine(s, c, cases));
    return out;
}

} // namespace qmtest
