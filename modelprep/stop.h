// The dialogue ends before its file is written: the end of input, a file
// that cannot be written, an existing file the user keeps. Whoever finds the
// reason prints its line and throws; the program's entry point catches it
// and returns the status, so the dialogue can also run inside a test or a
// fuzz harness without ending the process.
#pragma once

namespace modelprep {

struct Stop {
    int status; // 1 nothing written for want of input or a writable file; 0 kept on request
};

} // namespace modelprep
