// The console of an analysis program: every line it prints goes through
// say(), so that a run over several folders can start each line with the
// folder it belongs to.
#pragma once

#include <string>

namespace qm {

// Formatted write to standard output, line by line behind the prefix.
void say(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Every line said from now on starts with "<folder>: " (an empty line with
// "<folder>:"); an empty folder: no prefix.
void set_console_folder(const std::string& folder);

} // namespace qm
