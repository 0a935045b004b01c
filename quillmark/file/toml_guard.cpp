#include "file/toml_guard.h"

namespace quill {

namespace {

// Skips a string that opens at text[i] with `quote` (' or "), single-line
// or multi-line (three quotes); returns the index after it, or text.size()
// when it is not closed (the reader then says why). Escapes count only in
// basic strings ("...").
std::size_t skip_string(const std::string& text, std::size_t i, int* line)
{
    char quote = text[i];
    bool multi = text.compare(i, 3, std::string(3, quote)) == 0;
    i += multi ? 3 : 1;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n') {
            ++*line;
            if (!multi)
                return i + 1;
        } else if (c == '\\' && quote == '"') {
            ++i;
            if (i < text.size() && text[i] == '\n')
                ++*line;
        } else if (c == quote && (!multi || text.compare(i, 3, std::string(3, quote)) == 0)) {
            return i + (multi ? 3 : 1);
        }
        ++i;
    }
    return i;
}

// Whether a quote at text[i] can open a string: it stands first on its line
// or after "=", "[", ",", "{" or "." (a value, an array element, an inline
// table's value, a quoted key or key part). Anywhere else it is itself
// stray, and the reader would scan what follows it as bare text.
bool opens_string(const std::string& text, std::size_t i)
{
    while (i > 0 && (text[i - 1] == ' ' || text[i - 1] == '\t'))
        --i;
    if (i == 0 || text[i - 1] == '\n' || text[i - 1] == '\r')
        return true;
    char before = text[i - 1];
    return before == '=' || before == '[' || before == ',' || before == '{' || before == '.';
}

} // namespace

int stray_non_ascii_line(const std::string& text)
{
    int line = 1;
    std::size_t i = 0;
    while (i < text.size()) {
        char c = text[i];
        if (c == '\n') {
            ++line;
            ++i;
        } else if (c == '#') {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if ((c == '"' || c == '\'') && opens_string(text, i)) {
            i = skip_string(text, i, &line);
        } else if (static_cast<unsigned char>(c) >= 0x80) {
            return line;
        } else {
            ++i;
        }
    }
    return 0;
}

std::string ascii_stand_in(std::string text)
{
    for (char& c : text)
        if (static_cast<unsigned char>(c) >= 0x80)
            c = '!';
    return text;
}

} // namespace quill
