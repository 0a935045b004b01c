// Allowable-stress checks of the member end actions: the column formula, the
// pass or fail cells and limit rows of the member table, the allowable table,
// and the smallest ratios of allowable to actual value for the summary file.
//
// Each program describes its own table in a CheckLayout (which end action is
// which kind, labels, formats, how ties and signs are treated); the logic
// here is the same for all of them.
#pragma once

#include <cstddef>
#include <cstdio>
#include <optional>
#include <vector>

#include "html_report.h"

namespace qm {

// What an end action is checked as. An axial end action is tension or
// compression depending on its sign: at the start joint a positive axial end
// action is compression, at the end joint a positive one is tension.
// A moment is about the member's only bending axis (about member z in the
// space frame); moment_y is the space frame's moment about member y.
enum class Action { axial_start, axial_end, shear, torsion, moment, moment_y };

// Summary categories, in no particular order; CheckLayout gives the order of
// the summary lines.
enum Category { compressive, tensile, shear_ratio, moment_ratio, rotation_ratio, category_count, no_category = -1 };

// Allowable forces of one member (kips, inch-kips). An empty one is a check
// the member's data cannot make: its cells get no mark and it feeds no
// summary line. An allowable that is zero, negative or not finite comes from
// degenerate section data: every end action of its kind that is not 0 fails,
// with the limit 0.
struct Allowables {
    std::optional<float> tension, compression, shear, moment, moment_y, torsion;
};

// The cells of one member's row in the member table.
struct CheckRow {
    const char* open;  // printf format with the member number
    const char* value; // printf format with the end action
    const char* close; // after the value cells
};

// The word written after each end action, by its kind.
struct CheckLabels {
    const char* tension_start;
    const char* compression_start;
    const char* tension_end;
    const char* compression_end;
    const char* shear;
    const char* torsion;
    const char* moment;
};

// The limit row under a member's row: the allowable of each end action.
struct LimitRow {
    const char* open;
    const char* cell; // printf format with the allowable
    const char* close;
};

// How the smallest ratios of the summary are found and written.
struct RatioRules {
    Category moment_category;  // where moment ratios go (no_category: nowhere)
    Category torsion_category; // where torsion ratios go
    bool absolute_axial;       // ratio = |allowable / |v||, else allowable / |v|
    bool absolute_other;
    int member1_sets[5];       // end actions that set their category outright at member 1 (0 ends)
    Category summary_order[6]; // order of the summary lines (no_category ends)
};

struct CheckLayout {
    int nc;            // end actions per member
    Action action[13]; // kind of end action k = 1..nc
    CheckRow row;
    CheckLabels labels;
    bool compression_equal_passes; // an axial force equal to the allowable passes
    LimitRow limit_row;
    RatioRules ratios;
};

// A member row that continues the "<TR>" its predecessor's limit row opened.
inline constexpr CheckRow check_row_continued = {.open = "<TD>%3i</TD>", .value = "<TD>\n%8.3f", .close = ""};
// A member row that opens a table row of its own.
inline constexpr CheckRow check_row_opened = {.open = "<TR>\n\n<TD>\n%3i</TD>\n", .value = "<TD>\n%8.3f", .close = ""};

// Limit rows with two decimals in a wide field, or with three.
inline constexpr LimitRow limit_row_two_decimals = {
    .open = "</TR><TR>\n\n<TD>\nlimit</TD>\n", .cell = "<TD>\n    %8.2f</TD>\n", .close = "</TR>\n\n"};
inline constexpr LimitRow limit_row_three_decimals = {
    .open = "</TR><TR>\n\n<TD>\nlimit</TD>\n", .cell = "<TD>\n%8.3f</TD>\n", .close = "</TR>\n\n"};

// Allowable compressive stress (ksi) of a column of radius of gyration r and
// length L (inches), with E and Fy whole ksi and effective length factor K:
// with s = K L / r and Cc = sqrt(2 pi^2 E / Fy), a column of s up to Cc
// yields first, Fa = (1 - s^2 / (2 Cc^2)) Fy / FS with the factor of safety
// FS = 5/3 + 3 s / (8 Cc) - s^3 / (8 Cc^3); a longer one buckles
// elastically, Fa = 12 pi^2 E / (23 s^2). A radius, E or Fy of 0 or below
// gives 0, which no compression passes.
float allowable_compressive_stress(float r, float L, int E, int Fy, float K);

// A property in ksi truncated toward zero to a whole number, as the column
// formula takes E and Fy; values beyond the int range saturate.
int whole_ksi(float value);

// A product stored in single precision; a decimal factor such as 0.6 enters
// with its own value, not rounded to single precision first, so that
// 0.6 * 50 * 36 gives 1080 as a hand check does.
inline float times(double a, double b)
{
    return static_cast<float>(a * b);
}

// Allowable moment (inch-kips) of a section of elastic modulus S (in^3) and
// yield strength Fy: 0.66 S Fy.
inline float allowable_moment(float S, float Fy)
{
    return times(S * Fy, 0.66);
}

// Allowable compression force of a column of area A, radii of gyration r1
// and r2 and length L: A times the smaller of the two allowable stresses
// (the second when they are equal). E and Fy are taken in whole ksi.
float column_allowable(float A, float r1, float r2, float L, float E, float Fy, float K);

class MemberCheck {
public:
    MemberCheck(const CheckLayout& layout, int member_capacity);

    const CheckLayout& layout() const { return layout_; }
    float& allowable(int member, int k) { return table_[cell(member, k)]; }

    void clear_allowables(int m);
    // Value row and limit row of member i; v holds its end actions v[1..nc].
    void write_check_row(HtmlReport& rep, int i, const float v[], const Allowables& a);

    // After member i's row: whether a cell of it was marked "fail", and the
    // largest ratio of an end action to its allowable (0 when none is
    // checked).
    bool failed(int i) const { return failed_[static_cast<std::size_t>(i)] != 0; }
    // Whether a member outside the dummy list dummy[1..ndummy] failed a check.
    bool any_failure(int m, int ndummy, const int dummy[]) const;
    // Under the member table: one line for each kind of check that some
    // member's data could not make (bending without a section modulus,
    // torsion); opening (such as a table end) comes first when there is one.
    void write_unchecked_notes(HtmlReport& rep, const char* opening) const;
    float utilisation(int i) const { return utilisation_[static_cast<std::size_t>(i)]; }

    // The CSV lines of members 1..m: "%i" and the end actions, then the
    // allowables on a line that starts with a comma.
    template <class Actions> void write_csv_rows(std::FILE* f, int m, Actions actions)
    {
        for (int i = 1; i <= m; ++i) {
            const float* v = actions(i);
            std::fprintf(f, "%i", i);
            for (int k = 1; k <= layout_.nc; ++k)
                std::fprintf(f, ",%f", v[k]);
            std::fprintf(f, "\n");
            for (int k = 1; k <= layout_.nc; ++k)
                std::fprintf(f, ",%f", allowable(i, k));
            std::fprintf(f, "\n");
        }
    }

    // "dummy member - %i" for each dummy member in list order, clearing its
    // end actions (actions(i) gives member i's, 1-based) so that it sets no
    // minimum.
    template <class Actions> void write_dummy_members(HtmlReport& rep, int ndummy, const int dummy[], Actions actions)
    {
        for (int l = 1; l <= ndummy; ++l) {
            rep.printf("dummy member - %i\n", dummy[l]);
            float* v = actions(dummy[l]);
            for (int k = 1; k <= layout_.nc; ++k)
                v[k] = 0.0f;
        }
    }

    // Smallest ratios over members 1..m, actions(i) giving member i's end
    // actions (1-based); then the summary lines and the closing "\n".
    template <class Actions> void write_min_ratios(HtmlReport& rep, int m, Actions actions)
    {
        reset_minima();
        for (int i = 1; i <= m; ++i)
            feed_member(i, actions(i));
        write_minima(rep);
    }

private:
    void write_mark(HtmlReport& rep, bool pass);
    Category category(int k, float v) const;
    void reset_minima();
    void feed_member(int i, const float v[]);
    void write_minima(HtmlReport& rep);

    std::size_t cell(int member, int k) const { return static_cast<std::size_t>(member) * (layout_.nc + 1) + k; }

    const CheckLayout& layout_;
    std::vector<float> table_;
    std::vector<char> unchecked_; // (member, k) had no check to make
    bool bending_unchecked_ = false, torsion_unchecked_ = false;
    std::vector<char> failed_;
    std::vector<float> utilisation_;
    float min_[category_count];
    int min_member_[category_count];
};

} // namespace qm
