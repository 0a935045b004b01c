// libFuzzer harness: runs one analysis program in-process on each input, as
// its input file, in a scratch directory with the console silenced. A run
// must complete (status 0, or 2 with a failing member) or stop cleanly
// (status 1); the sanitizers the harness is built with report everything
// else.
//
// Built once per program with QM_PROGRAM (its namespace), QM_PROGRAM_HEADER
// and QM_STEM (the stem of its files) defined.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include QM_PROGRAM_HEADER

namespace {

std::string scratch;

void remove_scratch()
{
    for (const char* suffix : {".in", ".htm", ".csv", ".txt"})
        ::unlink((scratch + "/" QM_STEM + suffix).c_str());
    ::rmdir(scratch.c_str());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char dir[] = "/tmp/qmfuzz-XXXXXX";
    if (!::mkdtemp(dir) || ::chdir(dir) != 0)
        std::abort();
    scratch = dir;
    std::atexit(remove_scratch);
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(QM_STEM ".in", "wb");
    if (!f)
        std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    int status = qm::run_program<QM_PROGRAM::StructureModel>(QM_PROGRAM::tables);
    if (status != 0 && status != 1 && status != 2)
        std::abort();
    return 0;
}
