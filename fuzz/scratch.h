// What every fuzz harness sets up alike: a scratch folder of its own under
// /tmp, removed at exit by `remove`, with the console silenced (the programs
// print a line for every input); and an input written whole to a file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace qmfuzz {

inline std::string make_scratch(void (*remove)())
{
    char dir[] = "/tmp/qmfuzz-XXXXXX";
    if (!::mkdtemp(dir))
        std::abort();
    std::atexit(remove);
    if (!std::freopen("/dev/null", "w", stdout))
        std::abort();
    return dir;
}

inline void write_input(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
}

} // namespace qmfuzz
