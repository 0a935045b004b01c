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
#include <string>
#include <vector>

#include "checks/column_formula.h"
#include "report/html_report.h"

namespace qm {

// What an end action is checked as. An axial end action is tension or
// compression depending on its sign: at the start joint a positive axial end
// action is compression, at the end joint a positive one is tension.
// A shear is along the member's only shear direction (member y in the space
// frame), shear_z the space frame's shear along member z. A moment is about
// the member's only bending axis (about member z in the space frame);
// moment_y is the space frame's moment about member y.
enum class Action { axial_start, axial_end, shear, shear_z, torsion, moment, moment_y };

// Summary categories, in no particular order; CheckLayout gives the order of
// the summary lines.
enum Category { compressive, tensile, shear_ratio, moment_ratio, rotation_ratio, category_count, no_category = -1 };

// Allowable forces of one member (kips, inch-kips). An empty one is a check
// the member's data cannot make: its cells get no mark and it feeds no
// summary line. An allowable that is zero, negative or not finite comes from
// degenerate section data: every end action of its kind that is not 0 fails,
// with the limit 0.
//
// The Euler forces A F'e, in the plane of bending of moment and of
// moment_y, are what the combined check of axial force and bending needs
// besides; it is made at each end of a member that has an axial action and
// some bending check.
struct Allowables {
    std::optional<float> tension, compression, shear, shear_z, moment, moment_y, torsion;
    std::optional<float> euler_force, euler_force_y;
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
// column_stress of s = K L / r, in single precision. A radius, E or Fy of 0
// or below gives 0, which no compression passes.
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

// Allowable shear (kips) of a web of shear area Aw (in^2): 0.40 Aw Fy.
inline float allowable_shear(float Aw, float Fy)
{
    return times(Aw * Fy, 0.40);
}

// The Euler force A F'e (kips) of a member of area A bending in the plane
// of radius of gyration r, of length L with effective length factor K; E
// in whole ksi as the column formula takes it.
float euler_force(float A, float r, float L, float E, float K);

// Allowable compression force of a column of area A, radii of gyration r1
// and r2 and length L: A times the smaller of the two allowable stresses
// (the second when they are equal). E and Fy are taken in whole ksi.
float column_allowable(float A, float r1, float r2, float L, float E, float Fy, float K);

// Tension (0.6 A Fy) and compression allowables of a member whose section
// gives A, E, Fy and the radii of gyration rx and ry, of length L with
// effective length factor K: all a truss member has, and what a plane frame
// member has besides shear and bending.
template <class Section> Allowables axial_allowables(const Section& c, float L, float K)
{
    Allowables a;
    a.tension = times(c.A * c.Fy, 0.6);
    a.compression = column_allowable(c.A, c.rx, c.ry, L, c.E, c.Fy, K);
    return a;
}

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
    // The lines under the member table for each kind of check that some
    // member's data could not make (bending without a section modulus,
    // shear without a shear area, axial force and bending together,
    // torsion); empty when every check was made.
    std::string unchecked_notes() const;
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
    // actions (1-based); then the summary lines and the closing "\n". The
    // combined ratio is 1 over the interaction value, from the allowables
    // the member's row was checked with.
    template <class Actions> void write_min_ratios(HtmlReport& rep, int m, Actions actions)
    {
        reset_minima();
        for (int i = 1; i <= m; ++i)
            feed_member(i, actions(i));
        write_minima(rep);
    }

private:
    // Where one end's axial force and moments stand among k = 1..nc; 0
    // where the layout has none.
    struct EndPositions {
        int axial = 0, moment = 0, moment_y = 0;
    };

    void write_mark(HtmlReport& rep, bool pass);
    // The interaction value at end e (0 start, 1 end) from the end actions
    // v[1..nc]; empty where the member has no combined check.
    std::optional<float> combined_value(const float v[], int e, const Allowables& a) const;
    void write_combined_row(HtmlReport& rep, const float v[], const Allowables& a);
    Category category(int k, float v) const;
    void reset_minima();
    void feed_member(int i, const float v[]);
    void write_minima(HtmlReport& rep);

    std::size_t cell(int member, int k) const { return static_cast<std::size_t>(member) * (layout_.nc + 1) + k; }

    const CheckLayout& layout_;
    std::vector<float> table_;
    std::vector<char> unchecked_; // (member, k) had no check to make
    bool bending_unchecked_ = false, shear_unchecked_ = false, torsion_unchecked_ = false;
    bool combined_unchecked_ = false;
    EndPositions ends_[2];
    std::vector<Allowables> checked_with_; // member i's allowables, for the combined ratio
    std::vector<char> failed_;
    std::vector<float> utilisation_;
    float min_[category_count];
    int min_member_[category_count];
    float min_combined_;
    int min_combined_member_;
};

} // namespace qm
