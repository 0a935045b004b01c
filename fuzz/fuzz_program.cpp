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
#include "scratch.h"

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
    scratch = qmfuzz::make_scratch(remove_scratch);
    if (::chdir(scratch.c_str()) != 0)
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    qmfuzz::write_input(QM_STEM ".in", data, size);
    int status = qm::run_program<QM_PROGRAM::StructureModel>(QM_PROGRAM::tables);
    if (status != 0 && status != 1 && status != 2)
        std::abort();
    return 0;
}
