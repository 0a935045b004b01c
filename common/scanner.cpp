#include "scanner.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace qm {

int Scanner::get()
{
    int c = std::getc(f_);
    if (c == '\n')
        ++line_;
    return c;
}

void Scanner::unget(int c)
{
    if (c == EOF)
        return;
    if (c == '\n')
        --line_;
    std::ungetc(c, f_);
}

void Scanner::skip_space()
{
    int c;
    while ((c = get()) != EOF && std::isspace(c))
        ;
    unget(c);
}

// A number token runs up to the next comma, white space or end of file; it is
// checked as a whole, so "12abc" is refused instead of read as 12. A token
// longer than any sensible number is kept only in part and refused.
bool Scanner::read_token(std::string& tok)
{
    tok.clear();
    int c;
    while ((c = get()) != EOF && c != ',' && !std::isspace(c))
        if (tok.size() <= max_token)
            tok.push_back(static_cast<char>(c));
    unget(c);
    return !tok.empty();
}

bool Scanner::mark(Mark& m) const
{
    m.offset = std::ftell(f_);
    m.line = line_;
    return m.offset >= 0;
}

void Scanner::go_back(const Mark& m)
{
    std::clearerr(f_);
    std::fseek(f_, m.offset, SEEK_SET);
    line_ = m.line;
}

static std::string shown(const std::string& tok)
{
    std::string s = "\"";
    for (char ch : tok)
        s += std::isprint(static_cast<unsigned char>(ch)) ? ch : '?';
    return s + "\"";
}

bool Scanner::scan(const char* fmt, const ScanField* fields, int nfields)
{
    int field = 0;
    std::string tok;
    bool optional = false, absent = false;
    for (const char* p = fmt; *p; ++p) {
        if (*p == '[' || *p == ']') {
            optional = *p == '[';
            absent = false;
            continue;
        }
        if (absent) {
            if (*p == '%' && field < nfields) {
                ++p;
                if (fields[field].conv == 'i')
                    *static_cast<int*>(fields[field].target) = 0;
                else
                    *static_cast<float*>(fields[field].target) = 0.0f;
                ++field;
            }
            continue;
        }
        if (*p == '\n') {
            skip_space();
            continue;
        }
        if (*p == ',') {
            int c = get();
            if (c != ',' && optional) {
                unget(c);
                absent = true;
                continue;
            }
            if (c != ',') {
                unget(c);
                fail_line_ = line_;
                problem_ = c == EOF ? "found end of file after field " + std::to_string(field)
                                    : "found no comma after field " + std::to_string(field);
                return false;
            }
            continue;
        }
        if (*p != '%' || (p[1] != 'i' && p[1] != 'f') || field >= nfields)
            return problem_ = "bad record format", false;
        char conv = *++p;
        if (fields[field].conv != conv)
            return problem_ = "bad record format", false;
        ++field;
        skip_space();
        fail_line_ = line_;
        if (!read_token(tok)) {
            int c = get();
            unget(c);
            problem_ = c == EOF ? "found end of file at field " + std::to_string(field)
                                : "found nothing at field " + std::to_string(field);
            return false;
        }
        if (tok.size() > max_token) {
            problem_ = "found a number of more than " + std::to_string(max_token) + " characters as field " +
                       std::to_string(field);
            return false;
        }
        char* end = nullptr;
        errno = 0;
        if (conv == 'i') {
            // Whole numbers are decimal. A leading zero would make a C scan
            // read octal ("010" as 8), so such a number is refused rather
            // than read either way.
            size_t digits = tok.find_first_not_of("+-");
            if (digits != std::string::npos && tok[digits] == '0' && digits + 1 < tok.size()) {
                problem_ = "found " + shown(tok) + " as field " + std::to_string(field) +
                           ", a whole number with a leading zero";
                return false;
            }
            long v = std::strtol(tok.c_str(), &end, 10);
            if (*end != '\0') {
                problem_ = "found " + shown(tok) + " as field " + std::to_string(field) + ", not a whole number";
                return false;
            }
            if (errno == ERANGE || v < INT_MIN || v > INT_MAX) {
                problem_ = "found " + shown(tok) + " as field " + std::to_string(field) + ", out of range";
                return false;
            }
            *static_cast<int*>(fields[field - 1].target) = static_cast<int>(v);
        } else {
            float v = std::strtof(tok.c_str(), &end);
            if (*end != '\0') {
                problem_ = "found " + shown(tok) + " as field " + std::to_string(field) + ", not a number";
                return false;
            }
            if (!std::isfinite(v)) {
                problem_ = "found " + shown(tok) + " as field " + std::to_string(field) + ", not a finite number";
                return false;
            }
            *static_cast<float*>(fields[field - 1].target) = v;
        }
    }
    return true;
}

int count_fields(const char* fmt)
{
    int n = 0;
    bool optional = false;
    for (const char* p = fmt; *p; ++p) {
        if (*p == '[' || *p == ']')
            optional = *p == '[';
        else if (p[0] == '%' && (p[1] == 'i' || p[1] == 'f'))
            n += optional ? 0 : 1, ++p;
    }
    return n;
}

} // namespace qm
