#include "analysis.h"

#include <cstdio>

#include "analysis_sequence.h"
#include "member_check.h"

namespace truss2d {

static const qm::DofNames dof_names = {{"translation x", "translation y", nullptr, nullptr, nullptr, nullptr}};

// A free joint direction without stiffness: every such equation number is
// listed on its own line.
static const qm::DiagonalFailureLines diagonal_failure = {
    {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n", "Structure is indeterminante\n", nullptr},
    "\nERROR\t0 on primary diagonal\n",
    "%i\n",
    nullptr,
    nullptr,
    nullptr,
};

// Four end actions per member: start force x (axial), start force y (shear),
// end force x (axial), end force y (shear). Axial limits are kept as
// magnitudes, so a negative column allowable still gives a positive limit.
static const qm::CheckLayout check_layout = {
    4,
    {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::axial_end, qm::Action::shear},
    "<TR>\n\n<TD>\n%3i</TD>\n",
    "<TD>\n%8.3f",
    "",
    " tension",
    " compression",
    " tensile",
    " compressive",
    " shear",
    "",
    "",
    true,
    true,
    "</TR><TR>\n\n<TD>\nlimit</TD>\n",
    "<TD>\n%8.3f</TD>\n",
    "</TR>\n\n",
    qm::no_category,
    qm::no_category,
    false,
    true,
    {1, 2, 0, 0, 0},
    {qm::compressive, qm::tensile, qm::shear_ratio, qm::no_category, qm::no_category, qm::no_category},
};

// Axial stiffness E*A/L, kips per inch.
static float axial_stiffness(const StructureModel& s, int i)
{
    return s.E[i] * s.A[i] / s.L[i];
}

// Raw numbers in the order start x, start y, end x, end y.
static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    raw[1] = 2 * s.jj[i] - 1;
    raw[2] = 2 * s.jj[i];
    raw[3] = 2 * s.jk[i] - 1;
    raw[4] = 2 * s.jk[i];
}

void PlaneTrussMembers::global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const
{
    float st = axial_stiffness(s_, i);
    float c = s_.xcl[i], d = s_.ycl[i];
    float cc = st * c * c, cd = st * c * d, dd = st * d * d;
    const float rows[5][5] = {
        {0, 0, 0, 0, 0},
        {0, cc, cd, -cc, -cd},
        {0, cd, dd, -cd, -dd},
        {0, -cc, -cd, cc, cd},
        {0, -cd, -dd, cd, dd},
    };
    sms.nd = 4;
    for (int r = 1; r <= 4; ++r)
        for (int t = 1; t <= 4; ++t)
            sms.a[r][t] = rows[r][t];
    member_raw_numbers(s_, i, raw);
}

// Member loads are fixed-end forces in member axes; the joints take them
// reversed, turned into global axes.
static void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* f = s.AML[i];
        float c = s.xcl[i], d = s.ycl[i];
        int p[5];
        member_raw_numbers(s, i, p);
        AE[p[1]] = AE[p[1]] - (f[1] * c - f[2] * d);
        AE[p[2]] = AE[p[2]] - (f[1] * d + f[2] * c);
        AE[p[3]] = AE[p[3]] - (f[3] * c - f[4] * d);
        AE[p[4]] = AE[p[4]] - (f[3] * d + f[4] * c);
    }
}

// Bar force F from the joint displacements (positive when the member
// shortens), added to the fixed-end forces: a positive start force x is
// compression, a positive end force x tension.
static void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        int p[5];
        member_raw_numbers(s, i, p);
        float c = s.xcl[i], d = s.ycl[i];
        float F = axial_stiffness(s, i) * ((D[p[1]] - D[p[3]]) * c + (D[p[2]] - D[p[4]]) * d);
        float* a = s.AML[i];
        a[1] = a[1] + F;
        a[3] = a[3] - F;
    }
}

static qm::Allowables member_allowables(const StructureModel& s, int i)
{
    qm::Allowables a;
    a.tension = qm::times(s.A[i] * s.Fy[i], 0.6);
    a.shear = qm::times(s.A[i] * s.Fy[i], 0.55);
    int E = qm::whole_ksi(s.E[i]), Fy = qm::whole_ksi(s.Fy[i]);
    float fa_rx = qm::allowable_compressive_stress(s.rx[i], s.L[i], E, Fy, 1.0f);
    float fa_ry = qm::allowable_compressive_stress(s.ry[i], s.L[i], E, Fy, 1.0f);
    a.compression = s.A[i] * qm::smaller_of(fa_rx, fa_ry);
    return a;
}

static void write_displacements(qm::HtmlReport& rep, const StructureModel& s, const qm::SolutionVectors& v)
{
    rep.write_section_heading("Calculated Results");
    rep.write_subheading("Joint Displacements and Support Reactions");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("joint</TD><TD>translation<sub>x</sub></TD><TD>translation<sub>y</sub></TD><TD>support force<sub>x"
               "</sub></TD><TD>support force<sub>y</sub>\n");
    rep.printf("</TD>\n</TR>\n");
    for (int j = 1; j <= s.nj; ++j) {
        rep.printf("<TR>\n<TD>\n");
        rep.printf("  %i</TD><TD>", j);
        rep.printf("%7.3f (inch)</TD><TD>%7.3f (inch)</TD><TD>%7.3f (kips)</TD><TD>%7.3f (kips)\n", v.D[2 * j - 1],
                   v.D[2 * j], v.AR[2 * j - 1], v.AR[2 * j]);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

static void write_end_actions(qm::HtmlReport& rep, const StructureModel& s, qm::MemberCheck& check)
{
    check.clear_allowables(s.m);
    rep.write_section_heading("Member End Actions");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
               "end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int i = 1; i <= s.m; ++i)
        check.write_check_row(rep, i, s.AML[i], member_allowables(s, i));
    rep.close_table();
    rep.printf("\n\n");
}

static void write_csv(std::FILE* f, const StructureModel& s, const qm::SolutionVectors& v, qm::MemberCheck& check)
{
    std::fprintf(f, "%i,%i,%i,%i\n", s.m, s.nj, s.nr, s.nrj);
    for (int j = 1; j <= s.nj; ++j) {
        std::fprintf(f, "%i,", j);
        std::fprintf(f, "%f,%f,%f,%f", v.D[2 * j - 1], v.D[2 * j], v.AR[2 * j - 1], v.AR[2 * j]);
        std::fprintf(f, "\n");
    }
    check.write_csv_rows(f, s.m, [&](int i) { return s.AML[i]; });
    qm::write_csv_dummy_list(f, s.ndummy, s.dummy);
    std::fprintf(f, "\n");
}

namespace {

// truss2d's steps of the shared analysis sequence.
class PlaneTrussAnalysis : public qm::StructureAnalysis {
public:
    PlaneTrussAnalysis(StructureModel& s, const qm::DofNumbering& dofs) : s_(s), dofs_(dofs), members_(s) {}
    const qm::MemberSet& members() const override { return members_; }
    int members_count() const override { return s_.m; }
    int restrained_joints() const override { return s_.nrj; }
    void read_loads(qm::AnalysisRun& run) override { truss2d::read_loads(run, s_); }
    bool has_member_loads() const override { return s_.nlm != 0; }
    void equivalent_joint_loads(float AE[]) override { truss2d::equivalent_joint_loads(s_, AE); }
    const float* joint_loads() const override { return s_.AJ; }
    void member_end_actions(const float D[]) override { truss2d::member_end_actions(s_, D); }
    void write_results(qm::HtmlReport& rep, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        write_displacements(rep, s_, v);
        write_end_actions(rep, s_, check);
    }
    void write_csv(std::FILE* f, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        truss2d::write_csv(f, s_, v, check);
    }
    // The summary opens with the counts m, n, nj, nr, nrj.
    void write_summary(qm::HtmlReport& rep, qm::MemberCheck& check) override
    {
        rep.printf("%i,%i,%i,%i,%i\n", s_.m, dofs_.n, s_.nj, s_.nr, s_.nrj);
        rep.printf("\n");
        check.write_dummies_and_minima(rep, s_.m, s_.ndummy, s_.dummy, [this](int i) { return s_.AML[i]; });
    }

private:
    StructureModel& s_;
    const qm::DofNumbering& dofs_;
    PlaneTrussMembers members_;
};

} // namespace

void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    static const qm::ProgramTables tables = {matrix_capacity, member_capacity, check_layout, diagonal_failure,
                                             dof_names};
    PlaneTrussAnalysis program(s, dofs);
    qm::run_analysis(run, dofs, tables, program);
}

} // namespace truss2d
