// A result file written whole or not at all.
//
// The text goes to a temporary file beside the file's name and takes that
// name only when it is complete: every write succeeded, the file closed
// without error and the rename went through. Until then an earlier file of
// the same name is left as it was, and a temporary that is not committed is
// removed, so no half-written file ever carries a result file's name.
#pragma once

#include <cstdio>
#include <string>

namespace qm {

class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile() { discard(); }

    // Creates the temporary for path; false (with the reason kept) when it
    // cannot be made.
    bool open(const std::string& path);
    bool is_open() const { return f_ != nullptr; }
    std::FILE* file() const { return f_; }
    const std::string& path() const { return path_; }

    // Flushes and closes the temporary; false when a write or the close failed.
    bool close();
    // Gives the closed temporary its name; false when the rename failed.
    bool commit();
    // Removes the temporary, open or closed.
    void discard();

    // The system's reason for the last failure.
    std::string reason() const;

private:
    std::string path_;
    std::string temp_;
    std::FILE* f_ = nullptr;
    int error_ = 0;
};

} // namespace qm
