// libFuzzer harness: runs modelprep in-process on each input as its stream
// of answers, writing into a scratch folder with the console silenced. The
// run must end with status 0 or 1, and leave the folder whole: after status
// 1 nothing new; after status 0 either the one input file it wrote,
// complete, or the file the user chose to keep. When the input's first byte
// is odd, every input file exists beforehand, so that the replace question
// is asked.
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "program.h"
#include "scratch.h"

namespace {

std::string scratch;   // the folder modelprep writes in
std::string answers;   // the answer stream, beside it
const char* const words[] = {"beam", "grid", "planetr", "planefr", "spacetr", "spacefr"};
const std::string earlier = "earlier\n";

std::vector<std::string> names_in_scratch()
{
    std::vector<std::string> names;
    if (DIR* d = ::opendir(scratch.c_str())) {
        while (dirent* e = ::readdir(d))
            if (e->d_name[0] != '.')
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

std::string read(const std::string& name)
{
    std::string text;
    if (std::FILE* f = std::fopen((scratch + "/" + name).c_str(), "rb")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;)
            text.append(buffer, n);
        std::fclose(f);
    }
    return text;
}

void clear_scratch()
{
    for (const std::string& name : names_in_scratch())
        ::unlink((scratch + "/" + name).c_str());
}

void remove_scratch()
{
    clear_scratch();
    ::rmdir(scratch.c_str());
    ::unlink(answers.c_str());
}

// A file the dialogue completed ends with its dummy-member section, one
// record a line, so its last character is a line end.
bool complete(const std::string& text) { return !text.empty() && text.back() == '\n' && text != earlier; }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    scratch = qmfuzz::make_scratch(remove_scratch);
    answers = scratch + ".answers";
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    clear_scratch();
    bool existing = size > 0 && (data[0] & 1);
    if (existing)
        for (const char* word : words)
            qmfuzz::write_input(scratch + "/" + word + ".in", reinterpret_cast<const std::uint8_t*>(earlier.data()),
                  earlier.size());
    qmfuzz::write_input(answers, data, size);
    if (!std::freopen(answers.c_str(), "r", stdin))
        std::abort();
    const char* argv[] = {"modelprep", scratch.c_str(), nullptr};
    int status = modelprep::run(2, argv);
    if (status != 0 && status != 1)
        std::abort();
    int changed = 0, expected = existing ? 6 : 0;
    std::vector<std::string> names = names_in_scratch();
    for (const std::string& name : names) {
        std::string text = read(name);
        if (text == earlier)
            continue;
        if (status != 0 || !complete(text))
            std::abort(); // a file written by a dialogue that failed, or one cut short
        ++changed;
    }
    if (changed > 1 || names.size() != static_cast<size_t>(expected + (existing ? 0 : changed)))
        std::abort(); // a temporary file left behind, or more than one file written
    return 0;
}
