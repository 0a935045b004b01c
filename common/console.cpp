#include "console.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace qm {

namespace {

std::string prefix;
// Whether the next character said starts a line (the prefix goes first).
bool at_line_start = true;

} // namespace

void set_console_folder(const std::string& folder)
{
    prefix = folder;
    at_line_start = true;
}

void say(const char* fmt, ...)
{
    std::va_list args;
    va_start(args, fmt);
    std::va_list again;
    va_copy(again, args);
    int length = std::vsnprintf(nullptr, 0, fmt, args);
    va_end(args);
    std::vector<char> text(static_cast<std::size_t>(length > 0 ? length : 0) + 1);
    std::vsnprintf(text.data(), text.size(), fmt, again);
    va_end(again);
    if (prefix.empty()) {
        std::fputs(text.data(), stdout);
        return;
    }
    for (const char* c = text.data(); *c; ++c) {
        if (at_line_start)
            std::fputs((prefix + (*c == '\n' ? ":" : ": ")).c_str(), stdout);
        std::putchar(*c);
        at_line_start = *c == '\n';
    }
}

} // namespace qm
