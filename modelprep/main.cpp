// modelprep: asks, question by question, for one structure and writes it as
// the input file of the analysis program of its type.
#include <cctype>
#include <cstdio>
#include <optional>
#include <string>

#include "console.h"
#include "dialogue.h"

namespace {

const double revision = 0.09;

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The type answer: its first letter picks beam, grid, plane or space; for a
// plane or space structure the second picks frame or truss. An unknown answer
// is named and nothing is asked or written.
std::optional<modelprep::Structure> ask_chosen_structure(const std::string& answer)
{
    using namespace modelprep;
    switch (lower(answer[0])) {
    case 'b':
        return ask_structure(beam);
    case 'g':
        std::printf("\ngrid\n");
        return ask_structure(grid);
    case 'p':
    case 's': {
        bool plane = lower(answer[0]) == 'p';
        std::printf(plane ? "\nplane " : "\nspace");
        std::optional<Structure> s;
        if (lower(answer[1]) == 'f') {
            std::printf(" frame\n");
            s = ask_structure(plane ? plane_frame : space_frame);
        } else if (lower(answer[1]) == 't') {
            std::printf(" truss\n");
            s = ask_structure(plane ? plane_truss : space_truss);
        } else {
            std::printf(" unknown %c %s", answer[1], answer.c_str());
        }
        std::printf("\n");
        return s;
    }
    default:
        std::printf("\ndefault\n");
        return std::nullopt;
    }
}

} // namespace

int main()
{
    char title[64];
    std::snprintf(title, sizeof title, "Structural analysis program. \trev %3.2f", revision);
    std::printf("\n %s\n\n", title);
    std::printf("Continuous Beam (limit 20 members and 21 joints) B\n");
    std::printf("Plane Truss (limit 700 members and 200 joints) PT\n");
    std::printf("Plane Frame (limit 700 members and 200 joints) PF\n");
    std::printf("Grid (limit 700 members and 200 joints) G\n");
    std::printf("Space Truss (limit 1000 members and 200 joints) ST\n");
    std::printf("Space Frame (limit 1000 members and 200 joints) SF\n");
    std::string answer = modelprep::ask("\n\nwhat type of structure do you wish to design or check ? ", 0, "%s").word;
    std::optional<modelprep::Structure> s = ask_chosen_structure(answer);
    if (!s)
        return 1;
    modelprep::ask_dummy_members(*s);
    s->file.commit();
    std::printf("successfully completed\n");
    return 0;
}
