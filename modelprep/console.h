// Console answers, one line each. Every prompt takes the next line of
// standard input and reads it from its start as the prompt's scan format
// would ("%i", "%f", "%s", or numbers joined by commas such as "%f,%f");
// whatever follows a readable answer on its line is dropped. So nothing
// typed for one question spills into the next, and a file of one answer per
// line drives a dialogue exactly as typing it does.
#pragma once

#include <array>
#include <string>

namespace modelprep {

// One answer: its values in the order of the scan format's conversions, each
// in `whole` ("%i") or `real` ("%f") at its position; `word` for "%s".
struct Answer {
    std::array<int, 3> whole{};
    std::array<float, 3> real{};
    std::string word;
};

// Prints `prompt` (a printf format; its "%i", if any, shows `number`) and
// reads the answer. An answer that cannot be read is named on one line and
// the same prompt asked again. At the end of input the dialogue is abandoned:
// one line says so and the program ends with status 1, having written nothing.
Answer ask(const char* prompt, int number, const char* scan);

// Number of values an answer of `scan` holds.
constexpr int conversions(const char* scan)
{
    int n = 0;
    for (const char* p = scan; *p; ++p)
        n += *p == '%';
    return n;
}

} // namespace modelprep
