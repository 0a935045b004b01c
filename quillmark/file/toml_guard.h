// A guard in front of the TOML reader: Debian's toml++ 3.3 reaches an
// "unreachable" point (undefined behaviour) when it meets some characters
// beyond ASCII where a key or value should start, for example '¡' or a
// Cyrillic letter as a bare key or after a stray quote. TOML allows such
// characters only inside strings and comments, so a file holding one
// elsewhere is refused here, naming its line, before the reader sees it.
#pragma once

#include <string>

namespace quill {

// The line (1-based) of the first byte beyond ASCII that stands outside a
// string or a comment, or 0 when there is none.
int stray_non_ascii_line(const std::string& text);

// The text with every byte beyond ASCII replaced by '!', a character TOML
// takes only inside strings and comments: read first, it proves that the
// text holds such bytes nowhere else, without the reader meeting one.
std::string ascii_stand_in(std::string text);

} // namespace quill
