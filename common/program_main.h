// The main of an analysis program: its command line around run_program.
#pragma once

#include "arguments.h"
#include "program.h"

namespace qm {

template <class Model> int program_main(int argc, const char* const argv[], const ProgramTables& p)
{
    return run_command_line(argc, argv, p.identity, [&p] { return run_program<Model>(p); });
}

} // namespace qm
