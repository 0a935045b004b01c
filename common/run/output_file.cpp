#include "run/output_file.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace qm {

bool OutputFile::open(const std::string& path)
{
    discard();
    path_ = path;
    std::string pattern = path + ".tmp-XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0) {
        error_ = errno;
        return false;
    }
    // A temporary is made private; the result file gets the permissions a
    // file created in the usual way would have.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    f_ = ::fdopen(fd, "w");
    if (!f_) {
        error_ = errno;
        ::close(fd);
        ::unlink(pattern.c_str());
        return false;
    }
    temp_ = pattern;
    error_ = 0;
    return true;
}

bool OutputFile::close()
{
    if (!f_)
        return !temp_.empty();
    bool written = std::fflush(f_) == 0 && !std::ferror(f_);
    if (!written)
        error_ = errno != 0 ? errno : EIO;
    bool closed = std::fclose(f_) == 0;
    if (written && !closed)
        error_ = errno;
    f_ = nullptr;
    return written && closed;
}

bool OutputFile::commit()
{
    if (f_ || temp_.empty())
        return false;
    if (std::rename(temp_.c_str(), path_.c_str()) != 0) {
        error_ = errno;
        return false;
    }
    temp_.clear();
    return true;
}

void OutputFile::discard()
{
    if (f_)
        std::fclose(f_);
    f_ = nullptr;
    if (!temp_.empty())
        ::unlink(temp_.c_str());
    temp_.clear();
}

std::string OutputFile::reason() const
{
    return std::strerror(error_ != 0 ? error_ : EIO);
}

} // namespace qm
