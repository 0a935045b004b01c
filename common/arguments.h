// The command line every analysis program takes: no argument (a run in the
// current folder), --help or -h, --version, and folders (or paths to their
// input files), each analysed in turn as if the program had been started
// there.
#pragma once

#include <functional>

#include "html_report.h"

namespace qm {

// Does what the arguments ask, run_here making one run in the current folder
// and giving its exit status; returns the program's exit status. Every
// argument is judged before anything runs: an unknown option is refused
// with a usage line and status 1, and no file is touched. With several
// folders each stands on its own, every console line starts with its
// folder, and the status is the worst of theirs.
int run_command_line(int argc, const char* const argv[], const ProgramIdentity& id,
                     const std::function<int()>& run_here);

// The worse of two exit statuses: 1 (a stop) over 2 (a failing member) over
// 0 (all passing).
int worst_status(int a, int b);

} // namespace qm
