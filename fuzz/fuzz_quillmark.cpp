// libFuzzer harness: runs quillmark in-process on each input as its model
// file, in a scratch directory with the console silenced. A run must end
// with a status of 0, 1 or 2 and leave nothing outside the model's own
// files; the sanitizers the harness is built with report everything else.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model_run.h"
#include "scratch.h"

namespace fs = std::filesystem;

namespace {

fs::path scratch;

void clear_scratch()
{
    for (const auto& entry : fs::directory_iterator(scratch))
        fs::remove_all(entry.path());
}

void remove_scratch()
{
    std::error_code ec;
    fs::remove_all(scratch, ec);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    scratch = qmfuzz::make_scratch(remove_scratch);
    if (::chdir(scratch.c_str()) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    clear_scratch();
    qmfuzz::write_input("m.toml", data, size);
    int status = quill::run_model("m.toml");
    if (status != 0 && status != 1 && status != 2)
        std::abort();
    // Only the model, its folder of combinations and its envelope.
    for (const auto& entry : fs::directory_iterator(scratch)) {
        std::string name = entry.path().filename().string();
        if (name != "m.toml" && name != "m.out" && name.rfind("m.envelope.", 0) != 0 && name != "gm 209 label.jpg")
            std::abort();
    }
    return 0;
}
