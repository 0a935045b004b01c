// quillmark: analysis of a structure described in a model file, with load
// cases and combinations, by the suite's analysis programs.
//   quillmark run MODEL.toml     analyse every combination, write the envelope
//   quillmark import FILE.in     turn an input file into a model file
#include <cstdio>
#include <cstring>
#include <string>

#include "import.h"
#include "model_run.h"

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "run") == 0)
        return quill::run_model(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "import") == 0)
        return quill::import_input_file(argv[2]);
    std::printf("usage: quillmark run MODEL.toml\n       quillmark import FILE.in\n");
    return 1;
}
