#include "console.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "stop.h"

namespace modelprep {

namespace {

// The next line of standard input without its line end; false at the end of
// input. A last line without a line end still counts as an answer.
bool next_line(std::string& line)
{
    line.clear();
    int c;
    while ((c = std::getchar()) != EOF && c != '\n')
        line.push_back(static_cast<char>(c));
    return c == '\n' || !line.empty();
}

// Reads one number at `p` the way the scan conversion `conv` does (white
// space first); returns the character after it, or nullptr. Unlike a C scan,
// a whole number is decimal and must fit in 32 bits (one written with a
// leading zero or "0x", which C would read as octal or hexadecimal, is
// refused rather than guessed at, as the analysis programs refuse it), and a
// real must be finite in single precision ("nan", "inf" and "1e39" are
// refused).
const char* scan_number(const char* p, char conv, Answer& a, int k)
{
    char* end = nullptr;
    errno = 0;
    if (conv == 'i') {
        const char* q = p;
        while (std::isspace(static_cast<unsigned char>(*q)))
            ++q;
        if (*q == '+' || *q == '-')
            ++q;
        if (q[0] == '0' && (std::isdigit(static_cast<unsigned char>(q[1])) || q[1] == 'x' || q[1] == 'X'))
            return nullptr;
        long long v = std::strtoll(p, &end, 10);
        if (end == p || errno == ERANGE || v < INT_MIN || v > INT_MAX)
            return nullptr;
        a.whole[k] = static_cast<int>(v);
    } else {
        float v = std::strtof(p, &end);
        if (end == p || !std::isfinite(v))
            return nullptr;
        a.real[k] = v;
    }
    return end;
}

// Reads the word of "%s": the first run of characters that are not white space.
bool scan_word(const char* p, Answer& a)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    const char* start = p;
    while (*p && !std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    a.word.assign(start, p);
    return p != start;
}

bool only_blanks(const char* p)
{
    while (std::isspace(static_cast<unsigned char>(*p)))
        ++p;
    return *p == '\0';
}

bool scan(const std::string& line, const char* format, Answer& a)
{
    const char* p = line.c_str();
    int k = 0;
    for (const char* f = format; *f; ++f) {
        if (*f != '%') {
            if (*p++ != *f) // a comma must follow its number directly
                return false;
        } else if (*++f == 's') {
            if (!scan_word(p, a))
                return false;
        } else if (!(p = scan_number(p, *f, a, k++))) {
            return false;
        }
    }
    return format[1] == 's' || only_blanks(p);
}

void say_expected(const char* format)
{
    int n = conversions(format);
    const char* kind = format[1] == 's' ? "word" : format[1] == 'i' ? "whole number" : "number";
    if (n == 1)
        std::printf("  expected a %s\n", kind);
    else
        std::printf("  expected %i %ss separated by commas\n", n, kind);
}

// The line answered to the prompt just printed.
std::string answer()
{
    std::fflush(stdout);
    std::string line;
    if (!next_line(line)) {
        std::printf("\n  dialogue not completed: end of input, nothing written\n");
        throw Stop{1};
    }
    return line;
}

} // namespace

Answer ask(const char* prompt, int number, const char* scan_format)
{
    Answer a;
    for (;;) {
        std::printf(prompt, number);
        a.line = answer();
        if (scan(a.line, scan_format, a))
            return a;
        say_expected(scan_format);
    }
}

std::string ask_line(const char* prompt)
{
    std::fputs(prompt, stdout);
    return answer();
}

} // namespace modelprep
