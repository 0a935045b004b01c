// Console answers, one line each. Every prompt takes the next line of
// standard input and reads it as the prompt's scan format would ("%i",
// "%f", "%s", or numbers joined by commas such as "%f,%f"). A number answer
// must fill its line (blanks aside): "2abc" or a fraction where a whole
// number is asked is a typo, not 2. A word answer is its first word, the
// whole line kept beside it. So nothing typed for one question spills into
// the next, and a file of one answer per line drives a dialogue exactly as
// typing it does.
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
    std::string line; // the whole line answered
};

// Prints `prompt` (a printf format; its "%i", if any, shows `number`) and
// reads the answer. An answer that cannot be read is named on one line and
// the same prompt asked again. At the end of input the dialogue is abandoned:
// one line says so and Stop{1} is thrown, nothing having been written.
Answer ask(const char* prompt, int number, const char* scan);

// Prints `prompt` and returns the line answered, whatever it holds; the end
// of input abandons the dialogue as ask() does.
std::string ask_line(const char* prompt);

// Number of values an answer of `scan` holds.
constexpr int conversions(const char* scan)
{
    int n = 0;
    for (const char* p = scan; *p; ++p)
        n += *p == '%';
    return n;
}

} // namespace modelprep
