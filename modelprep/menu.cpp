#include "menu.h"

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "console.h"

namespace modelprep {

namespace {

char lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The words of an answer in lower case; blanks, hyphens and underscores
// separate them ("Plane-frame" is "plane" "frame").
std::vector<std::string> words_of(const std::string& line)
{
    std::vector<std::string> words(1);
    for (char c : line) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '-' || c == '_') {
            if (!words.back().empty())
                words.emplace_back();
        } else {
            words.back().push_back(lower(c));
        }
    }
    if (words.back().empty())
        words.pop_back();
    return words;
}

// The type an answer names, if any: its first letter picks beam, grid,
// plane or space; for a plane or space structure the second letter picks
// frame or truss, or the first letter of the next word after "plane" or
// "space" ("continuous" stands for the beam). An unknown answer is named.
Choice chosen_type(const Answer& a)
{
    std::vector<std::string> words = words_of(a.line);
    const std::string& first = words.front();
    if (first == "continuous" && words.size() > 1 && words[1][0] == 'b')
        return {&beam};
    switch (first[0]) {
    case 'b':
        return {&beam};
    case 'g':
        std::printf("\ngrid\n");
        return {&grid};
    case 'p':
    case 's': {
        bool plane = first[0] == 'p';
        char second = first.size() > 1 ? first[1] : ' ';
        if ((first == "plane" || first == "space") && words.size() > 1)
            second = words[1][0];
        std::printf(plane ? "\nplane " : "\nspace");
        if (second == 'f') {
            std::printf(" frame\n");
            return {plane ? &plane_frame : &space_frame, true};
        }
        if (second == 't') {
            std::printf(" truss\n");
            return {plane ? &plane_truss : &space_truss, true};
        }
        std::printf(" unknown %c %s\n", second, a.word.c_str());
        return {};
    }
    default:
        std::printf("\ndefault\n");
        return {};
    }
}

} // namespace

Choice ask_type()
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
    for (;;) {
        Answer a = ask("\n\nwhat type of structure do you wish to design or check ? ", 0, "%s");
        if (Choice c = chosen_type(a); c.type)
            return c;
        std::printf("  expected B, PT, PF, G, ST or SF, or a type named in the menu\n");
    }
}

} // namespace modelprep
