#include "dialogue.h"

#include <cstdio>

#include "console.h"
#include "stop.h"

namespace modelprep {

namespace {

int ask_whole(const char* prompt, int number = 0) { return ask(prompt, number, "%i").whole[0]; }

// Coordinates and lengths are answered in feet and written in inches, the
// product formed in single precision (3.3 feet are written 39.599998).
float inches(float feet)
{
    float x = feet;
    x = x * 12.0f;
    return x;
}

// The number a prompt shows: the entry's own, or the next one (a beam member's
// end joint), wrapping as a 32-bit number would past the largest.
int shown(int number, int plus)
{
    return static_cast<int>(static_cast<unsigned>(number) + static_cast<unsigned>(plus));
}

// Whether a joint or member number lies in 1..limit; if not, it is named, so
// that a typo is asked again here rather than stopping the analysis later.
bool within(const char* what, int number, long long limit)
{
    if (number >= 1 && number <= limit)
        return true;
    std::printf("  %s %i is outside 1..%lld\n", what, number, limit);
    return false;
}

// One restrained joint, loaded joint or loaded member (`what`): its number,
// asked again while it is outside 1..limit, then its values. Written as the
// number on one line and the values, joined by commas, on the next.
void ask_entry(InputFile& file, const char* number_prompt, const char* what, long long limit,
               std::span<const EntryQuestion> questions)
{
    int number;
    do
        number = ask_whole(number_prompt);
    while (!within(what, number, limit));
    std::array<int, 12> whole{};
    std::array<float, 12> real{};
    int count = 0;
    bool flags = false;
    for (const EntryQuestion& q : questions) {
        Answer a = ask(q.prompt, shown(number, q.plus), q.scan);
        flags = q.scan[1] == 'i';
        for (int k = 0; k < conversions(q.scan); ++k, ++count) {
            whole[q.into[k]] = a.whole[k];
            real[q.into[k]] = a.real[k];
        }
    }
    file.print("%i\n", number);
    for (int k = 0; k < count; ++k) {
        if (flags)
            file.print(k ? ",%i" : "%i", whole[k]);
        else
            file.print(k ? ",%f" : "%f", real[k]);
    }
    file.print("\n");
}

void ask_member(const StructureType& t, InputFile& file, int i, long long nj)
{
    Member v;
    if (t.is_beam()) {
        v.L = inches(ask(" enter the length in feet for member %i = ", i, "%f").real[0]);
        v.A = ask(" enter cross-sectional area (in^2) for member %i = ", i, "%f").real[0];
    } else {
        Answer ends;
        do
            ends = ask("\nenter the start joint and end joint for member %i = ", i, "%i,%i");
        while (!within("joint", ends.whole[0], nj) || !within("joint", ends.whole[1], nj));
        v.jj = ends.whole[0];
        v.jk = ends.whole[1];
        v.A = ask("enter the cross-sectional area for member %i = ", i, "%f").real[0];
    }
    if (v.A == 0) {
        Member dummy = t.dummy;
        dummy.jj = v.jj;
        dummy.jk = v.jk;
        dummy.L = v.L;
        v = dummy;
    } else {
        for (const MemberQuestion& q : t.member) {
            Answer a = ask(q.prompt, i, q.scan);
            for (int k = 0; k < conversions(q.scan); ++k) {
                if (q.into[k].whole)
                    v.*q.into[k].whole = a.whole[k];
                else
                    v.*q.into[k].real = a.real[k];
            }
        }
    }
    t.write_member(file, v);
}

struct Counts {
    int m = 0;        // members
    long long nj = 0; // joints; a beam's are m + 1
    int nrj = 0;      // restrained joints
};

Counts ask_parameters(const StructureType& t, InputFile& file)
{
    std::printf("\n\n Global structure parameters \n\n");
    std::printf("\n\n unless otherwise stated, all units are :\n");
    std::printf("\t\tkip -\t\t1000 pound\n");
    std::printf("\t\tksi -\t\tkip per square inch\n");
    std::printf("\t\tinches\n");
    std::printf("\t\tdegrees\n\n\n\n");
    Counts c;
    c.m = ask_whole("enter the number of members : ");
    c.nj = t.is_beam() ? c.m + 1LL : ask_whole("enter the number of joints : ");
    int nr = ask_whole("enter the number of number support restraints : ");
    c.nrj = ask_whole("enter the number of restrained joints : ");
    if (t.is_beam()) {
        int E = ask_whole(" enter the Modulus of Elasticity (e) in kips : ");
        int Fy = ask_whole(" enter the yield strength (Fy) in ksi : ");
        file.print("%i,%i,%i,%i,%i\n", c.m, nr, c.nrj, E, Fy);
    } else {
        file.print("%i,%i,%i,%i\n", c.m, static_cast<int>(c.nj), nr, c.nrj);
    }
    std::printf("\n");
    return c;
}

void ask_joints(const StructureType& t, InputFile& file, long long nj)
{
    for (int j = 1; j <= nj; ++j) {
        if (t.coordinates == 2) {
            Answer a = ask("enter the x and y coordinates in feet for joint %i = ", j, "%f,%f");
            file.print("%f,%f\n", inches(a.real[0]), inches(a.real[1]));
        } else {
            Answer a = ask("enter the x, y and z coordinates in feet for joint %i = ", j, "%f,%f,%f");
            file.print("%f,%f,%f\n", inches(a.real[0]), inches(a.real[1]), inches(a.real[2]));
        }
    }
    std::printf("\n");
}

void ask_loads(const StructureType& t, InputFile& file, const Counts& c)
{
    std::printf("\n\nGlobal Load information\n");
    int loaded_joints = ask_whole(" Enter the number of loaded joints  = ");
    int loaded_members = ask_whole("\n Enter the number of loaded members = ");
    std::printf("\n");
    file.print("%i,%i\n", loaded_joints, loaded_members);
    if (loaded_joints != 0) {
        for (int k = 1; k <= loaded_joints; ++k)
            ask_entry(file, t.is_beam() ? "\n enter the loaded joint number = " : "\nenter the loaded joint number = ",
                      "joint", c.nj, t.joint_load);
        std::printf("\n");
    }
    for (int k = 1; k <= loaded_members; ++k)
        ask_entry(file, t.is_beam() ? "\n enter the loaded member number = " : "\nenter the loaded member number = ",
                  "member", c.m, t.member_load);
}

// An existing input file is replaced only on a "y" (or "Y", "yes"); any
// other answer keeps it and ends the dialogue with nothing written.
void confirm_replacing(const InputFile& file)
{
    std::printf("  %s exists already.", file.name().c_str());
    std::string answer = ask_line(" Replace it (y/n)? ");
    size_t first = answer.find_first_not_of(" \t");
    if (first != std::string::npos && (answer[first] == 'y' || answer[first] == 'Y'))
        return;
    std::printf("  %s kept, nothing written\n", file.name().c_str());
    throw Stop{0};
}

} // namespace

Structure ask_structure(const StructureType& t, const std::string& folder)
{
    Structure s{.file = InputFile(folder, t.word)};
    if (s.file.replaces())
        confirm_replacing(s.file);
    std::printf("\n %s\n\n", t.banner);
    Counts c = ask_parameters(t, s.file);
    s.m = c.m;
    if (!t.is_beam())
        ask_joints(t, s.file, c.nj);
    for (int i = 1; i <= c.m; ++i) {
        ask_member(t, s.file, i, c.nj);
        if (t.is_beam())
            std::printf("\n");
    }
    if (!t.is_beam())
        std::printf("\n");
    for (int k = 1; k <= c.nrj; ++k)
        ask_entry(s.file,
                  t.is_beam() ? "\n enter the restrained joint number = " : "\nenter the restrained joint number = ",
                  "joint", c.nj, t.restraint);
    std::printf("\n");
    ask_loads(t, s.file, c);
    return s;
}

void ask_dummy_members(Structure& s)
{
    Answer any = ask("Do you wish to enter any dummy members? ", 0, "%s");
    if (any.word[0] != 'y' && any.word[0] != 'Y') {
        s.file.print("%i\n", 0);
        return;
    }
    int count = ask_whole(" Enter the total number of dummy members = ");
    while (count >= s.m) {
        std::printf(" The maximum number of members in the structure is = %i\n", s.m);
        std::printf(" the total number of dummy members should be less than %i\n", s.m);
        count = ask_whole(" Re-enter the total number of dummy members = ");
    }
    s.file.print("%i\n", count);
    for (int k = 1; k <= count; ++k)
        s.file.print("%i\n", ask_whole(" Enter dummy member number %i = ", k));
}

} // namespace modelprep
