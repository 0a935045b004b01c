// modelprep as a whole: its arguments, the dialogue and the file, with the
// exit status as the result rather than an exit, so that a test or a fuzz
// harness can run it in-process.
#pragma once

namespace modelprep {

// The body of main: `modelprep [--help | --version | FOLDER]`.
int run(int argc, const char* const* argv);

} // namespace modelprep
