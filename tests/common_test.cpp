// Unit tests of the shared frame: degree-of-freedom numbering, the inversion,
// the column formula, the check cells at their boundaries, the ratio search
// and the strict record reader.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "solver/dof_numbering.h"
#include "report/format_check.h"
#include "harness.h"
#include "checks/interaction.h"
#include "checks/member_check.h"
#include "input/scanner.h"
#include "solver/stiffness_matrix.h"

namespace {

// ---------------------------------------------------------------- numbering

// Three joints of two degrees of freedom, flags 1,1 / 0,0 / 0,1: free
// degrees come first in raw order, then the restrained ones.
TEST(DofNumbering, FreeFirstThenRestrainedInRawOrder)
{
    qm::DofNumbering dofs(2, 10);
    int flags[] = {1, 1, 0, 0, 0, 1};
    for (int q = 1; q <= 6; ++q)
        dofs.set_flag(q, flags[q - 1]);
    dofs.number(3, 3);
    EXPECT_EQ(dofs.n, 3);
    int expected[] = {4, 5, 1, 2, 3, 6};
    for (int q = 1; q <= 6; ++q) {
        EXPECT_EQ(dofs.equation(q), expected[q - 1]) << "raw " << q;
        EXPECT_EQ(dofs.raw_of_equation(expected[q - 1]), q);
    }
    EXPECT_EQ(dofs.flags_set(), 3);
}

TEST(DofNumbering, ExpansionPutsValuesBackInJointOrder)
{
    qm::DofNumbering dofs(2, 10);
    int flags[] = {1, 1, 0, 0, 0, 1};
    for (int q = 1; q <= 6; ++q)
        dofs.set_flag(q, flags[q - 1]);
    dofs.number(3, 3);
    // Displacements of equations 1..3 (raw 3, 4, 5), reactions of 4..6 (raw 1, 2, 6).
    float Deq[7] = {0, 30, 40, 50, 99, 99, 99};
    float AReq[7] = {0, 99, 99, 99, 10, 20, 60};
    float D[7], AR[7];
    qm::expand_to_joints(dofs, Deq, AReq, D, AR);
    float D_raw[] = {0, 0, 30, 40, 50, 0};
    float AR_raw[] = {10, 20, 0, 0, 0, 60};
    for (int q = 1; q <= 6; ++q) {
        EXPECT_EQ(D[q], D_raw[q - 1]) << "raw " << q;
        EXPECT_EQ(AR[q], AR_raw[q - 1]) << "raw " << q;
    }
}

// ---------------------------------------------------------------- inversion

TEST(Inversion, OneByOneGivesTheReciprocal)
{
    qm::StiffnessMatrix sm(4);
    sm.k(1, 1) = 8.0f;
    int failed = 0;
    ASSERT_EQ(sm.invert(1, 1e-6f, &failed), qm::Inversion::done);
    EXPECT_EQ(sm.b(1, 1), 0.125f);
}

// A symmetric 3 x 3 with the inverse [[5,-2,1],[-2,8,-4],[1,-4,11]]/18.
TEST(Inversion, KnownThreeByThree)
{
    qm::StiffnessMatrix sm(3);
    float K[3][3] = {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            sm.k(i + 1, j + 1) = K[i][j];
    int failed = 0;
    ASSERT_EQ(sm.invert(3, 1e-6f, &failed), qm::Inversion::done);
    double inverse[3][3] = {{5, -2, 1}, {-2, 8, -4}, {1, -4, 11}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            EXPECT_NEAR(sm.b(i + 1, j + 1), inverse[i][j] / 18, 1e-6);
    // Displacements and the restrained row's reaction from the products.
    float AC[4] = {0, 1, 2, 3};
    float D[4] = {};
    sm.solve_displacements(3, AC, D);
    EXPECT_NEAR(D[1], (5 - 4 + 3) / 18.0, 1e-6);
    EXPECT_NEAR(D[3], (1 - 8 + 33) / 18.0, 1e-6);
}

TEST(Inversion, OrderAboveCapacityIsRefusedUntouched)
{
    qm::StiffnessMatrix sm(2);
    sm.k(1, 1) = 3.0f;
    int failed = 0;
    EXPECT_EQ(sm.invert(3, 1e-6f, &failed), qm::Inversion::over_capacity);
    EXPECT_EQ(sm.k(1, 1), 3.0f);
}

// Two springs in series with the support missing: [[1,-1],[-1,1]] is a
// mechanism; the second pivot loses all its stiffness.
TEST(Inversion, LostPivotNamesItsEquation)
{
    qm::StiffnessMatrix sm(2);
    sm.k(1, 1) = 1.0f, sm.k(1, 2) = -1.0f, sm.k(2, 1) = -1.0f, sm.k(2, 2) = 1.0f;
    int failed = 0;
    EXPECT_EQ(sm.invert(2, 1e-6f, &failed), qm::Inversion::unstable);
    EXPECT_EQ(failed, 2);
}

TEST(Inversion, ReactionsOfLoadsAtSupportsAreTheNegatedLoads)
{
    qm::StiffnessMatrix sm(3);
    sm.k(1, 1) = 2.0f;
    sm.k(2, 1) = -2.0f; // support row
    int failed = 0;
    ASSERT_EQ(sm.invert(1, 1e-6f, &failed), qm::Inversion::done);
    float AC[3] = {0, 0, 7};
    float D[3] = {};
    float AR[3] = {};
    sm.solve_displacements(1, AC, D);
    sm.support_reactions(1, 1, AC, D, AR);
    EXPECT_EQ(D[1], 0.0f);
    EXPECT_EQ(AR[2], -7.0f);
}

// ---------------------------------------------------------------- column formula

// E = 29000, Fy = 36: Cc = sqrt(2 pi^2 29000 / 36) = 126.10. At s = 60,
// 120 and Cc the column yields first, Fa = (1 - s^2 / (2 Cc^2)) 36 / FS with
// FS = 5/3 + 3 s / (8 Cc) - s^3 / (8 Cc^3): 17.43 and 10.28 ksi as in the
// published tables, and at Cc (FS = 23/12) Fa = 18 / (23/12) = 9.39 ksi,
// where the elastic branch 12 pi^2 E / (23 s^2) meets it. Beyond Cc:
// 12 pi^2 29000 / (23 * 200^2) = 3.73 and / (23 * 300^2) = 1.66 ksi.
TEST(ColumnFormula, AllowableStressOfTheTables)
{
    const struct {
        float L, r, K;
        double Fa;
    } rows[] = {{120, 2, 1.0f, 17.43}, {240, 2, 1.0f, 10.28}, {200, 2, 1.2f, 10.28},
                {252.2f, 2, 1.0f, 9.39}, {400, 2, 1.0f, 3.73}, {300, 1, 1.0f, 1.66}};
    for (const auto& row : rows)
        EXPECT_NEAR(qm::allowable_compressive_stress(row.r, row.L, 29000, 36, row.K), row.Fa, 0.005)
            << "L = " << row.L << ", r = " << row.r << ", K = " << row.K;
    // Both branches just either side of Cc give the same stress.
    float below = qm::allowable_compressive_stress(2.0f, 252.199f, 29000, 36, 1.0f);
    float above = qm::allowable_compressive_stress(2.0f, 252.201f, 29000, 36, 1.0f);
    EXPECT_NEAR(below, above, 0.001);
}

// A radius of gyration or yield strength of 0 gives no allowable stress at
// all, so no compression can pass.
TEST(ColumnFormula, DegenerateSectionGivesZero)
{
    EXPECT_EQ(qm::allowable_compressive_stress(0.0f, 120.0f, 29000, 36, 1.0f), 0.0f);
    EXPECT_EQ(qm::allowable_compressive_stress(2.0f, 120.0f, 29000, 0, 1.0f), 0.0f);
    EXPECT_EQ(qm::column_allowable(10.0f, 0.0f, 2.0f, 120.0f, 29000.0f, 36.0f, 1.0f), 0.0f);
}

// The same formula in double precision, as quillmark takes it: the hand
// values of the closed forms to 1e-9, and 0 for data that are not positive
// or not finite, whatever the branch.
TEST(ColumnFormula, DoublePrecisionFollowsTheClosedForms)
{
    for (double s : {30.0, 60.0, 126.0, 200.0})
        EXPECT_NEAR(qm::column_stress(s, 29000.0, 36.0), qmtest::hand_column_stress(s, 29000, 36), 1e-9) << s;
    EXPECT_NEAR(qm::euler_stress(90.0, 29000.0), qmtest::hand_euler_stress(90, 29000), 1e-9);
    EXPECT_EQ(qm::column_stress(0.0, 29000.0, 36.0), 0.0);
    EXPECT_EQ(qm::column_stress(60.0, 29000.0, -36.0), 0.0);
    EXPECT_EQ(qm::column_stress(60.0, HUGE_VAL, 36.0), 0.0);
    EXPECT_EQ(qm::euler_stress(60.0, std::nan("")), 0.0);
}

// Where the axial force reaches the Euler force the amplified moment has no
// bound: the value is infinite, so the member fails. With fa/Fa at 0.15
// exactly the plain sum applies.
TEST(Interaction, AxialForceAtTheEulerForceFails)
{
    const qm::BendingTerm<double> at_euler[] = {{0.1, 1.0}};
    EXPECT_TRUE(std::isinf(qm::interaction_value(0.5, true, 0.4, at_euler, 1)));
    const qm::BendingTerm<double> some[] = {{0.5, 0.2}};
    EXPECT_DOUBLE_EQ(qm::interaction_value(0.15, true, 0.9, some, 1), 0.65);
    EXPECT_DOUBLE_EQ(qm::interaction_value(0.5, false, 0.5, at_euler, 1), 0.6);
}

TEST(ColumnFormula, WholeKsiTruncatesAndSaturates)
{
    EXPECT_EQ(qm::whole_ksi(36.9f), 36);
    EXPECT_EQ(qm::whole_ksi(-2.5f), -2);
    EXPECT_EQ(qm::whole_ksi(1e20f), 2147483647);
}

// ---------------------------------------------------------------- check cells

// A two-action member: axial force at the start joint and a shear.
const qm::CheckLayout two_actions = {
    .nc = 2,
    .action = {qm::Action::shear, qm::Action::axial_start, qm::Action::shear},
    .row = qm::check_row_continued,
    .labels = {.tension_start = " tension",
               .compression_start = " compression",
               .tension_end = " tensile",
               .compression_end = " compressive",
               .shear = " shear",
               .torsion = " torsion",
               .moment = " moment"},
    .compression_equal_passes = true,
    .limit_row = {.open = "[", .cell = "%.1f;", .close = "]\n"},
    .ratios = {.moment_category = qm::moment_ratio,
               .torsion_category = qm::rotation_ratio,
               .absolute_axial = false,
               .absolute_other = false,
               .member1_sets = {1, 2, 0, 0, 0},
               .summary_order = {qm::compressive, qm::tensile, qm::shear_ratio, qm::no_category}},
};

// What a writer puts in a report.
template <class Write>
std::string written(Write write)
{
    char* text = nullptr;
    size_t size = 0;
    std::FILE* f = open_memstream(&text, &size);
    qm::HtmlReport rep;
    rep.attach(f);
    write(rep);
    std::fclose(f);
    std::string s(text, size);
    std::free(text);
    return s;
}

std::string check_row(const qm::CheckLayout& layout, float axial, float shear, const qm::Allowables& a)
{
    qm::MemberCheck check(layout, 10);
    float v[3] = {0, axial, shear};
    return written([&](qm::HtmlReport& rep) { check.write_check_row(rep, 1, v, a); });
}

std::string min_ratios(qm::MemberCheck& check, int m, float actions[][3])
{
    return written([&](qm::HtmlReport& rep) { check.write_min_ratios(rep, m, [&](int i) { return actions[i]; }); });
}

const std::string& pass = qmtest::pass_mark;
const std::string& fail = qmtest::fail_mark;

TEST(CheckCells, CompressionEqualToTheAllowablePassesWhereEqualityPasses)
{
    qm::Allowables a;
    a.compression = 50.0f, a.tension = 60.0f, a.shear = 30.0f;
    EXPECT_EQ(check_row(two_actions, 50.0f, 0.0f, a),
              "<TD>  1</TD><TD>\n  50.000" + pass + " compression</TD>\n<TD>\n   0.000" + pass +
                  " shear</TD>\n[50.0;30.0;]\n");
    qm::CheckLayout strict = two_actions;
    strict.compression_equal_passes = false;
    EXPECT_NE(check_row(strict, 50.0f, 0.0f, a).find(fail + " compression"), std::string::npos);
}

TEST(CheckCells, ShearEqualToTheAllowableFails)
{
    qm::Allowables a;
    a.compression = 50.0f, a.tension = 60.0f, a.shear = 30.0f;
    EXPECT_NE(check_row(two_actions, 0.0f, -30.0f, a).find(" -30.000" + fail + " shear"), std::string::npos);
    EXPECT_NE(check_row(two_actions, 0.0f, 29.99f, a).find("  29.990" + pass + " shear"), std::string::npos);
}

TEST(CheckCells, TensionAtTheStartIsANegativeForce)
{
    qm::Allowables a;
    a.compression = 50.0f, a.tension = 60.0f, a.shear = 30.0f;
    std::string row = check_row(two_actions, -60.0f, 0.0f, a);
    EXPECT_NE(row.find(" -60.000" + fail + " tension"), std::string::npos);
    EXPECT_NE(row.find("[60.0;"), std::string::npos);
}

// A check not made writes only the label, and the limit is 0.
TEST(CheckCells, CheckNotMadeWritesNoMark)
{
    qm::Allowables a;
    EXPECT_EQ(check_row(two_actions, 5.0f, 1.0f, a),
              "<TD>  1</TD><TD>\n   5.000 compression</TD>\n<TD>\n   1.000 shear</TD>\n[0.0;0.0;]\n");
}

// An allowable of 0, below 0 or not finite fails every action of its kind
// that is not 0, with the limit 0, so the summary names it with ratio 0.
TEST(CheckCells, DegenerateAllowableFailsWhatTheMemberCarries)
{
    qm::Allowables a;
    a.compression = -3.0f, a.tension = 60.0f, a.shear = std::nanf("");
    qm::MemberCheck check(two_actions, 10);
    float v[3] = {0, 5.0f, 0.0f};
    EXPECT_EQ(written([&](qm::HtmlReport& rep) { check.write_check_row(rep, 1, v, a); }),
              "<TD>  1</TD><TD>\n   5.000" + fail + " compression</TD>\n<TD>\n   0.000 shear</TD>\n[0.0;0.0;]\n");
    EXPECT_TRUE(check.failed(1));
    float actions[2][3] = {{}, {0, 5.0f, 0.0f}};
    EXPECT_EQ(min_ratios(check, 1, actions), "min compressive ratio =\t      0.0\t member =    1\n\n");
}

// ---------------------------------------------------------------- ratios

// Members 3 and 7 share the smallest shear ratio: the lower number is named.
TEST(Ratios, TiesKeepTheLowerMemberNumber)
{
    qm::MemberCheck check(two_actions, 10);
    float actions[8][3] = {};
    for (int i = 1; i <= 7; ++i) {
        check.allowable(i, 1) = 50.0f;
        check.allowable(i, 2) = 30.0f;
        actions[i][1] = 1.0f;
        actions[i][2] = 1.0f;
    }
    actions[3][2] = 10.0f;
    actions[7][2] = 10.0f;
    EXPECT_EQ(min_ratios(check, 7, actions),
              "min compressive ratio =\t     50.0\t member =    1\nmin shear ratio =\t      3.0\t member =    3\n\n");
}

// With no force anywhere every ratio is 999999 and no line is written.
TEST(Ratios, MembersWithoutForcesNameNothing)
{
    qm::MemberCheck check(two_actions, 10);
    float actions[3][3] = {};
    check.allowable(1, 1) = 50.0f;
    check.allowable(2, 2) = 30.0f;
    EXPECT_EQ(min_ratios(check, 2, actions), "\n");
}

// Member 1 sets its categories outright, even above 999999.
TEST(Ratios, MemberOneSetsItsCategoriesOutright)
{
    qm::MemberCheck check(two_actions, 10);
    float actions[2][3] = {{0, 0, 0}, {0, 1e-5f, 0}};
    check.allowable(1, 1) = 50.0f;
    EXPECT_NE(min_ratios(check, 1, actions).find("min compressive ratio =\t 5000000.0\t member =    1\n"),
              std::string::npos);
}

// ---------------------------------------------------------------- reader

struct Scan {
    std::FILE* f;
    qm::Scanner scanner;
    explicit Scan(const std::string& text) : f(std::tmpfile())
    {
        std::fputs(text.c_str(), f);
        std::rewind(f);
        scanner.attach(f);
    }
    ~Scan() { std::fclose(f); }
};

TEST(Reader, SkipsWhiteSpaceAndLineEndsBeforeNumbers)
{
    Scan s("  3,\n 4.5\n\n  7");
    int a = 0, c = 0;
    float b = 0;
    qm::ScanField two[] = {{'i', &a}, {'f', &b}};
    ASSERT_TRUE(s.scanner.scan("%i,%f\n", two, 2)) << s.scanner.problem();
    qm::ScanField one[] = {{'i', &c}};
    ASSERT_TRUE(s.scanner.scan("%i", one, 1));
    EXPECT_EQ(a, 3);
    EXPECT_EQ(b, 4.5f);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(s.scanner.failed_line(), 4);
}

TEST(Reader, CommaMustFollowTheNumberDirectly)
{
    Scan s("3 ,4");
    int a = 0, b = 0;
    qm::ScanField f[] = {{'i', &a}, {'i', &b}};
    EXPECT_FALSE(s.scanner.scan("%i,%i", f, 2));
    EXPECT_EQ(s.scanner.problem(), "found no comma after field 1");
}

// Optional trailing numbers are read only when a comma follows the last
// number directly; those not given read as 0, and the record after them is
// left whole; "[...]" costs nothing of the count a record must hold.
TEST(Reader, OptionalTrailingNumbers)
{
    Scan s("1,2,3.5\n4,5\n,6\n");
    int a = 0, b = 0;
    float c = 0, d = 7;
    qm::ScanField f[] = {{'i', &a}, {'i', &b}, {'f', &c}, {'f', &d}};
    ASSERT_TRUE(s.scanner.scan("%i,%i[,%f,%f]\n", f, 4)) << s.scanner.problem();
    EXPECT_EQ(c, 3.5f);
    EXPECT_EQ(d, 0.0f);
    ASSERT_TRUE(s.scanner.scan("%i,%i[,%f,%f]\n", f, 4)) << s.scanner.problem();
    EXPECT_EQ(a, 4);
    EXPECT_EQ(c, 0.0f);
    EXPECT_FALSE(s.scanner.scan("%i,%i[,%f,%f]\n", f, 4)); // ",6" starts no record
    EXPECT_EQ(qm::count_fields("%i,%i[,%f,%f]\n"), 2);
}

TEST(Reader, UnreadableFieldsAreRefusedNotKept)
{
    for (const char* text : {"abc", "12abc", "nan", "inf", "-1e40", ""}) {
        Scan s(text);
        float v = 5.0f;
        qm::ScanField f[] = {{'f', &v}};
        EXPECT_FALSE(s.scanner.scan("%f", f, 1)) << text;
        EXPECT_EQ(v, 5.0f) << text;
    }
}

TEST(Reader, WholeNumbersAreDecimalAndInRange)
{
    Scan s("10,-7,0,2147483648");
    int a = 0, b = 0, c = 1, d = 0;
    qm::ScanField f[] = {{'i', &a}, {'i', &b}, {'i', &c}, {'i', &d}};
    EXPECT_FALSE(s.scanner.scan("%i,%i,%i,%i", f, 4));
    EXPECT_EQ(a, 10);
    EXPECT_EQ(b, -7);
    EXPECT_EQ(c, 0);
    EXPECT_EQ(s.scanner.problem(), "found \"2147483648\" as field 4, out of range");
}

// "010" is 8 to a C scan and 10 to a reader of the file: neither is assumed.
TEST(Reader, LeadingZeroInAWholeNumberIsRefused)
{
    Scan s("010");
    int a = 5;
    qm::ScanField f[] = {{'i', &a}};
    EXPECT_FALSE(s.scanner.scan("%i", f, 1));
    EXPECT_EQ(a, 5);
    EXPECT_EQ(s.scanner.problem(), "found \"010\" as field 1, a whole number with a leading zero");
}

// A long number is refused whole, never cut short and read as another value.
TEST(Reader, OverlongNumberIsRefusedNotTruncated)
{
    Scan s("-1." + std::string(300, '0') + "1e-5");
    float v = 5.0f;
    qm::ScanField f[] = {{'f', &v}};
    EXPECT_FALSE(s.scanner.scan("%f", f, 1));
    EXPECT_EQ(v, 5.0f);
    EXPECT_EQ(s.scanner.problem(), "found a number of more than 256 characters as field 1");
}

} // namespace

// ---------------------------------------------------------------- formats

// The table formats are held against their writers at compile time; these
// are the readings that check relies on.
static_assert(qm::format::takes("  %i</TD><TD>%8.3f (inch)", "if"));
static_assert(qm::format::takes("font : 12pt/100%% 'Times'", ""));
static_assert(!qm::format::takes("%8.3f", "i"));              // a double where an int is passed
static_assert(!qm::format::takes("%li", "i"));                // length modifiers are not used
static_assert(qm::format::takes_up_to("%3i    %8.3f    %8.3f", "i", 12));
static_assert(!qm::format::takes_up_to("%3i%8.3f%8.3f", "i", 1)); // more values than the writer has
