#include "program.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include "dialogue.h"
#include "menu.h"
#include "stop.h"

namespace modelprep {

namespace {

void print_usage()
{
    std::printf("usage: modelprep [FOLDER]\n"
                "\n"
                "Asks, question by question, for one structure (beam, grid, plane or space\n"
                "truss or frame) and writes it as the input file of the analysis program of\n"
                "its type (beam.in, grid.in, planetr.in, planefr.in, spacetr.in or\n"
                "spacefr.in) in FOLDER, or in the current folder. Answers come one a line,\n"
                "typed or from a file: modelprep FOLDER < answers.txt. An existing input\n"
                "file is replaced only when the question before the dialogue is answered y.\n"
                "\n"
                "  -h, --help  show this text\n"
                "  --version   show the version\n"
                "\n"
                "Exit status: 0 the file was written, or an existing one kept on request;\n"
                "1 nothing written (input ended early, a file or folder that cannot be\n"
                "written, a refused argument).\n"
                "Manual page: man modelprep\n");
}

int refuse(const char* why, const char* argument)
{
    std::fprintf(stderr, "modelprep: %s %s\nusage: modelprep [--help | --version | FOLDER]\n", why, argument);
    return 1;
}

int dialogue(const std::string& folder)
{
    Choice choice = ask_type();
    Structure s = ask_structure(*choice.type, folder);
    if (choice.line_end_after)
        std::printf("\n");
    ask_dummy_members(s);
    s.file.commit();
    std::printf("successfully completed\n");
    return 0;
}

} // namespace

int run(int argc, const char* const* argv)
{
    std::string folder;
    for (int k = 1; k < argc; ++k) {
        std::string_view arg = argv[k];
        if (arg == "--help" || arg == "-h") {
            print_usage();
            return 0;
        }
        if (arg == "--version") {
            std::printf("modelprep (quillmark-frames) %s, rev %3.2f\n", QM_VERSION, revision);
            return 0;
        }
        if (arg.size() > 1 && arg[0] == '-')
            return refuse("unknown option", argv[k]);
        if (!folder.empty())
            return refuse("one folder only, not also", argv[k]);
        std::error_code ec;
        if (!std::filesystem::is_directory(argv[k], ec))
            return refuse("no such folder:", argv[k]);
        folder = argv[k];
    }
    try {
        return dialogue(folder);
    } catch (const Stop& stop) {
        return stop.status;
    } catch (const std::exception& e) {
        std::printf("  modelprep stopped: %s, nothing written\n", e.what());
        return 1;
    }
}

} // namespace modelprep
