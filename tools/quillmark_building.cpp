// quillmark_building BAYS_X BAYS_Z STOREYS [FILE]: writes the model file of
// a steel building frame (see building_model.h) to FILE, or to standard
// output.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "building_model.h"

namespace {

bool count_of(const char* text, int& v)
{
    char* end = nullptr;
    long n = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || n < 1 || n > 1000)
        return false;
    v = static_cast<int>(n);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    qmtools::Building b;
    if ((argc != 4 && argc != 5) || !count_of(argv[1], b.bays_x) || !count_of(argv[2], b.bays_z) ||
        !count_of(argv[3], b.storeys)) {
        std::fprintf(stderr, "usage: quillmark_building BAYS_X BAYS_Z STOREYS [FILE]  (counts 1..1000)\n");
        return 1;
    }
    std::string text = qmtools::building_model(b);
    std::FILE* out = argc == 5 ? std::fopen(argv[4], "w") : stdout;
    if (!out) {
        std::perror(argv[4]);
        return 1;
    }
    bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    ok = (argc == 5 ? std::fclose(out) : std::fflush(out)) == 0 && ok;
    if (!ok) {
        std::fprintf(stderr, "cannot write %s\n", argc == 5 ? argv[4] : "the model");
        return 1;
    }
    return 0;
}
