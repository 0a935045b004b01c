// Runs a type's analysis program, the same code as the program itself, on
// the input file in a folder; its console lines are captured, not shown.
#pragma once

#include <string>

#include "file/types.h"

namespace quill {

struct Outcome {
    int status = 1;      // the program's exit status
    std::string console; // what it said
};

Outcome analyse(Type t, const std::string& dir);

// One entry per program, each in a file of its own (their headers share
// names): the program's whole run in the current directory.
int run_frame3d();
int run_frame2d();
int run_truss3d();
int run_truss2d();
int run_grillage();
int run_girder();

} // namespace quill
