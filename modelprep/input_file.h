// The input file of the chosen structure, "<type>.in" in the folder asked
// for (the current one by default). Its records are kept
// in memory while the dialogue runs and reach the disk only once it is
// complete, through a temporary file beside the input file that is then
// renamed over it: a dialogue cut short leaves an existing input file exactly
// as it was, and neither a half-written nor a temporary file behind.
#pragma once

#include <string>

namespace modelprep {

class InputFile {
public:
    // Checks at once that "<word>.in" in `folder` (empty: the current one)
    // can be written (an existing one replaced, a new one made beside it),
    // so that nobody answers a whole dialogue for a file that cannot be; if
    // not, prints "  trouble opening %s\n" and throws Stop{1}.
    InputFile(const std::string& folder, const char* word);

    const std::string& name() const { return name_; }
    // Whether a file of that name is there already, to be replaced.
    bool replaces() const { return replaces_; }

    // Adds text to the file, formatted as by printf.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Puts the file in place. If that fails, prints "  trouble writing %s\n",
    // leaves any earlier file as it was and throws Stop{1}.
    void commit() const;

private:
    std::string name_;
    std::string text_;
    bool replaces_ = false;
};

} // namespace modelprep
