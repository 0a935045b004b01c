// Compile-time reading of printf formats, so that a table of formats can be
// held against the arguments its writer passes: a format that asks for an
// int where a double is passed, or for more values than the writer has, is
// undefined behaviour at run time and a compile error here.
//
// Only what the suite's formats use is accepted: flags, a width, a
// precision, and the conversions d, i (int), f, e, g (double), s (string),
// c (character) and "%%". Anything else (a '*' width, a length modifier, an
// unknown conversion) makes the format unfit.
#pragma once

namespace qm::format {

// The arguments a format takes, in order: 'i' int, 'f' double, 's' string,
// 'c' character.
struct Arguments {
    char kind[40] = {};
    int count = 0;
    bool fit = true; // false: a conversion outside the accepted set, or too many
};

constexpr bool is_flag(char c) { return c == '-' || c == '+' || c == ' ' || c == '#' || c == '0'; }
constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }

constexpr Arguments arguments_of(const char* fmt)
{
    Arguments a;
    for (const char* p = fmt; *p; ++p) {
        if (*p != '%')
            continue;
        ++p;
        if (*p == '%')
            continue;
        while (is_flag(*p))
            ++p;
        while (is_digit(*p))
            ++p;
        if (*p == '.') {
            ++p;
            while (is_digit(*p))
                ++p;
        }
        char kind = 0;
        switch (*p) {
        case 'd':
        case 'i': kind = 'i'; break;
        case 'f':
        case 'e':
        case 'g': kind = 'f'; break;
        case 's': kind = 's'; break;
        case 'c': kind = 'c'; break;
        default: a.fit = false; return a;
        }
        if (a.count == static_cast<int>(sizeof a.kind)) {
            a.fit = false;
            return a;
        }
        a.kind[a.count++] = kind;
    }
    return a;
}

// The format takes exactly the arguments `kinds` ("iff": an int, then two
// doubles).
constexpr bool takes(const char* fmt, const char* kinds)
{
    Arguments a = arguments_of(fmt);
    if (!a.fit)
        return false;
    int k = 0;
    for (; kinds[k]; ++k)
        if (k >= a.count || a.kind[k] != kinds[k])
            return false;
    return k == a.count;
}

// The format takes `first` ("i", or "" for none) and then at most `most`
// doubles: the rows that are passed a number and a fixed array of values,
// of which they print as many as they have conversions.
constexpr bool takes_up_to(const char* fmt, const char* first, int most)
{
    Arguments a = arguments_of(fmt);
    if (!a.fit)
        return false;
    int k = 0;
    for (; first[k]; ++k)
        if (k >= a.count || a.kind[k] != first[k])
            return false;
    if (a.count - k > most)
        return false;
    for (; k < a.count; ++k)
        if (a.kind[k] != 'f')
            return false;
    return true;
}

// A table entry that may be absent.
constexpr bool absent_or_takes(const char* fmt, const char* kinds) { return fmt == nullptr || takes(fmt, kinds); }

} // namespace qm::format
