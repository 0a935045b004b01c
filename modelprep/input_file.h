// The input file of the chosen structure, "<type>.in". Its records are kept
// in memory while the dialogue runs and reach the disk only once it is
// complete, through a temporary file beside the input file that is then
// renamed over it: a dialogue cut short leaves an existing input file exactly
// as it was, and neither a half-written nor a temporary file behind.
#pragma once

#include <string>

namespace modelprep {

class InputFile {
public:
    // Checks at once that "<word>.in" can be written (an existing one
    // replaced, a new one made beside it), so that nobody answers a whole
    // dialogue for a file that cannot be; if not, prints
    // "  trouble opening %s\n" and ends the program with status 1.
    explicit InputFile(const char* word);

    // Adds text to the file, formatted as by printf.
    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));

    // Puts the file in place. If that fails, prints "  trouble writing %s\n",
    // leaves any earlier file as it was and ends the program with status 1.
    void commit() const;

private:
    std::string name_;
    std::string text_;
};

} // namespace modelprep
