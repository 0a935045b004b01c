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
#include <vector>

#include "html_report.h"

namespace qm {

// What an end action is checked as. An axial end action is tension or
// compression depending on its sign: at the start joint a positive axial end
// action is compression, at the end joint a positive one is tension.
enum class Action { axial_start, axial_end, shear, torsion, moment };

// Summary categories, in no particular order; CheckLayout gives the order of
// the summary lines.
enum Category { compressive, tensile, shear_ratio, moment_ratio, rotation_ratio, category_count, no_category = -1 };

// Allowable forces of one member (kips, inch-kips); 0 means "not checked".
struct Allowables {
    float tension = 0, compression = 0, shear = 0, moment = 0, torsion = 0;
};

struct CheckLayout {
    int nc;             // end actions per member
    Action action[13];  // kind of end action k = 1..nc

    const char* row_open;   // printf format with the member number
    const char* value_cell; // printf format with the end action
    const char* row_close;  // after the value cells
    const char* tension_start;
    const char* compression_start;
    const char* tension_end;
    const char* compression_end;
    const char* shear;
    const char* torsion;
    const char* moment;
    bool compression_equal_passes; // an axial force equal to the allowable passes
    bool absolute_axial_limits;    // the allowable table keeps |tension|, |compression|

    const char* limit_open;
    const char* limit_cell; // printf format with the allowable
    const char* limit_close;

    Category moment_category;  // where moment ratios go (no_category: nowhere)
    Category torsion_category; // where torsion ratios go
    bool absolute_axial_ratio; // ratio = |allowable / |v||, else allowable / |v|
    bool absolute_other_ratio;
    int member1_sets[5];        // end actions that set their category outright at member 1 (0 ends)
    Category summary_order[6];  // order of the summary lines (no_category ends)
};

// Allowable compressive stress (ksi) of a column of radius of gyration r and
// length L (inches), with E and Fy whole ksi and effective length factor K.
float allowable_compressive_stress(float r, float L, int E, int Fy, float K);

// A property in ksi truncated toward zero to a whole number, as the column
// formula takes E and Fy; values beyond the int range saturate.
int whole_ksi(float value);

// A product stored in single precision; a decimal factor such as 0.6 enters
// with its own value, not rounded to single precision first, so that
// 0.6 * 50 * 36 gives 1080 as a hand check does.
inline float times(double a, double b) { return static_cast<float>(a * b); }

// The dummy-member list of a CSV file: the count, then one number a line.
void write_csv_dummy_list(std::FILE* f, int ndummy, const int dummy[]);

// The smaller of the two column allowables; Fa(ry) when they are equal.
inline float smaller_of(float fa_rx, float fa_ry) { return fa_rx < fa_ry ? fa_rx : fa_ry; }

class MemberCheck {
public:
    MemberCheck(const CheckLayout& layout, int member_capacity);

    const CheckLayout& layout() const { return layout_; }
    float& allowable(int member, int k) { return table_[static_cast<std::size_t>(member) * (layout_.nc + 1) + k]; }

    void clear_allowables(int m);
    // Value row and limit row of member i; v holds its end actions v[1..nc].
    void write_check_row(HtmlReport& rep, int i, const float v[], const Allowables& a);

    // The CSV lines of members 1..m: "%i" and the end actions, then the
    // allowables on a line that starts with a comma.
    template <class Actions>
    void write_csv_rows(std::FILE* f, int m, Actions actions)
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
    template <class Actions>
    void write_dummy_members(HtmlReport& rep, int ndummy, const int dummy[], Actions actions)
    {
        for (int l = 1; l <= ndummy; ++l) {
            rep.printf("dummy member - %i\n", dummy[l]);
            float* v = actions(dummy[l]);
            for (int k = 1; k <= layout_.nc; ++k)
                v[k] = 0.0f;
        }
    }

    // The end of every summary file: the dummy-member lines, "\n", then the
    // minimum-ratio lines and the closing "\n".
    template <class Actions>
    void write_dummies_and_minima(HtmlReport& rep, int m, int ndummy, const int dummy[], Actions actions)
    {
        write_dummy_members(rep, ndummy, dummy, actions);
        rep.printf("\n");
        write_min_ratios(rep, m, actions);
    }

    // Smallest ratios over members 1..m, actions(i) giving member i's end
    // actions (1-based); then the summary lines and the closing "\n".
    template <class Actions>
    void write_min_ratios(HtmlReport& rep, int m, Actions actions)
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

    const CheckLayout& layout_;
    std::vector<float> table_;
    float min_[category_count];
    int min_member_[category_count];
};

} // namespace qm
