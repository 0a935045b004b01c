// A full disk for the tests, preloaded into a program (LD_PRELOAD): every
// result file is opened through fdopen, and its writes come out of one
// budget of QM_DISK_BYTES bytes for the whole run, the write that would
// overdraw it failing with "No space left on device"; with QM_FAIL_RENAME=k
// the k-th rename fails the same way. Either can be left unset.
#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace {

long long budget = -1; // bytes left; -1: no limit
int renames_left = -1; // renames before the failing one; -1: none fails

__attribute__((constructor)) void read_settings()
{
    if (const char* bytes = std::getenv("QM_DISK_BYTES"))
        budget = std::atoll(bytes);
    if (const char* k = std::getenv("QM_FAIL_RENAME"))
        renames_left = std::atoi(k) - 1;
}

ssize_t write_out(void* cookie, const char* buf, size_t size)
{
    if (budget >= 0 && static_cast<long long>(size) > budget) {
        budget = 0;
        errno = ENOSPC;
        return 0;
    }
    size_t done = 0;
    while (done < size) {
        ssize_t w = ::write(static_cast<int>(reinterpret_cast<long>(cookie)), buf + done, size - done);
        if (w <= 0)
            return 0;
        done += static_cast<size_t>(w);
    }
    if (budget >= 0)
        budget -= static_cast<long long>(size);
    return static_cast<ssize_t>(size);
}

int close_out(void* cookie)
{
    return ::close(static_cast<int>(reinterpret_cast<long>(cookie)));
}

} // namespace

extern "C" FILE* fdopen(int fd, const char* mode)
{
    cookie_io_functions_t io = {nullptr, write_out, nullptr, close_out};
    return fopencookie(reinterpret_cast<void*>(static_cast<long>(fd)), mode, io);
}

extern "C" int rename(const char* from, const char* to)
{
    if (renames_left == 0) {
        renames_left = -1;
        errno = ENOSPC;
        return -1;
    }
    if (renames_left > 0)
        --renames_left;
    using Rename = int (*)(const char*, const char*);
    static Rename real = reinterpret_cast<Rename>(dlsym(RTLD_NEXT, "rename"));
    return real(from, to);
}
