// quillmark: analysis of a structure described in a model file, with load
// cases and combinations, by the suite's analysis programs.
//   quillmark run MODEL.toml     analyse every combination, write the envelope
//   quillmark import FILE.in     turn an input file into a model file
#include <cstdio>
#include <cstring>
#include <string>

#include "import/import.h"
#include "model_run.h"

namespace {

const char usage[] = "usage: quillmark run MODEL.toml\n       quillmark import FILE.in\n";

void print_help()
{
    std::printf("%s", usage);
    std::printf("\n"
                "run: reads the model file (structure type, units, sections, members, supports,\n"
                "load cases and combinations), writes each combination's input file, report,\n"
                "CSV file, drawing and summary into MODEL.out/<combination>/ and, beside the\n"
                "model, MODEL.envelope.csv and MODEL.envelope.htm.\n"
                "import: turns spacefr.in, planefr.in, spacetr.in, planetr.in, grid.in or\n"
                "beam.in into a model file beside it (US units, one load case).\n"
                "\n"
                "Exit status: 0 every combination completed and every check made passes,\n"
                "2 a member fails a check in some combination, 1 an error or a refused\n"
                "argument.\n"
                "\n"
                "Manual page: man quillmark\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        print_help();
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("quillmark (%s) %s\n", QM_PACKAGE, QM_VERSION);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "run") == 0)
        return quill::run_model(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "import") == 0)
        return quill::import_input_file(argv[2]);
    std::fprintf(stderr, "%s", usage);
    return 1;
}
