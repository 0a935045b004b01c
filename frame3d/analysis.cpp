#include "analysis.h"

#include <cstdio>

#include "analysis_sequence.h"
#include "member_check.h"
#include "units.h"

namespace frame3d {

static const qm::DofNames dof_names = {
    {"translation x", "translation y", "translation z", "rotation x", "rotation y", "rotation z"}};

static const qm::DiagonalFailureLines diagonal_failure = {
    {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n", "Structure is indeterminate\n", nullptr},
    "\nERROR\t0 on primary diagonal\n",
    "diagonal entry = %i\n",
    "array size = %i\n",
    "%i,%i,%i,%i\n",
    nullptr,
};

static const qm::CheckLayout check_layout = {
    12,
    {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::shear, qm::Action::torsion,
     qm::Action::moment, qm::Action::moment, qm::Action::axial_end, qm::Action::shear, qm::Action::shear,
     qm::Action::torsion, qm::Action::moment, qm::Action::moment},
    "<TD>%3i</TD>",
    "<TD>\n%8.3f",
    "",
    "<BR> tension",
    "<BR> compression",
    "<BR> tension",
    "<BR> compression",
    "<BR> shear",
    "<BR> torsion",
    "<BR> moment",
    true,
    false,
    "</TR><TR>\n\n<TD>\nlimit</TD>\n",
    "<TD>\n    %8.2f</TD>\n",
    "</TR>\n\n",
    qm::moment_ratio,
    qm::rotation_ratio,
    true,
    true,
    {1, 2, 4, 5, 0},
    {qm::compressive, qm::tensile, qm::shear_ratio, qm::moment_ratio, qm::rotation_ratio, qm::no_category},
};

// SM, the member stiffness in member axes: rows and columns in the order
// start translation x, y, z, rotation x, y, z, then the end joint's.
static void member_stiffness(const StructureModel& s, int i, float SM[13][13])
{
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 13; ++c)
            SM[r][c] = 0.0f;
    float L = s.L[i], E = s.E[i];
    float ea = E * s.A[i] / L;
    float gj = s.G[i] * s.ix[i] / L;
    float c4y = 4 * E * s.iy[i] / L, c6y = c4y * 1.5f / L, c12y = c6y * 2 / L, c2y = c4y * 0.5f;
    float c4z = 4 * E * s.iz[i] / L, c6z = c4z * 1.5f / L, c12z = c6z * 2 / L, c2z = c4z * 0.5f;
    auto sym = [&](int r, int c, float v) { SM[r][c] = SM[c][r] = v; };
    sym(1, 1, ea), sym(7, 7, ea), sym(1, 7, -ea);
    sym(2, 2, c12z), sym(8, 8, c12z), sym(2, 8, -c12z);
    sym(2, 6, c6z), sym(2, 12, c6z), sym(6, 8, -c6z), sym(8, 12, -c6z);
    sym(3, 3, c12y), sym(9, 9, c12y), sym(3, 9, -c12y);
    sym(3, 5, -c6y), sym(3, 11, -c6y), sym(5, 9, c6y), sym(9, 11, c6y);
    sym(4, 4, gj), sym(10, 10, gj), sym(4, 10, -gj);
    sym(5, 5, c4y), sym(11, 11, c4y), sym(5, 11, c2y);
    sym(6, 6, c4z), sym(12, 12, c4z), sym(6, 12, c2z);
}

void member_stiffness_times_rotation(const StructureModel& s, int i, float P[13][13])
{
    float SM[13][13];
    member_stiffness(s, i, SM);
    const float(&R)[4][4] = s.R[i];
    for (int r = 1; r <= 12; ++r)
        for (int b = 1; b <= 4; ++b)
            for (int j = 1; j <= 3; ++j) {
                double sum = 0.0;
                for (int k = 1; k <= 3; ++k)
                    sum += static_cast<double>(SM[r][3 * b - 3 + k]) * R[k][j];
                P[r][3 * b - 3 + j] = static_cast<float>(sum);
            }
}

static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 6; ++k) {
        raw[k] = 6 * s.jj[i] - 6 + k;
        raw[k + 6] = 6 * s.jk[i] - 6 + k;
    }
}

void SpaceFrameMembers::global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const
{
    float P[13][13];
    member_stiffness_times_rotation(s_, i, P);
    const float(&R)[4][4] = s_.R[i];
    sms.nd = 12;
    for (int b = 1; b <= 4; ++b)
        for (int ii = 1; ii <= 3; ++ii)
            for (int c = 1; c <= 12; ++c) {
                double sum = 0.0;
                for (int k = 1; k <= 3; ++k)
                    sum += static_cast<double>(R[k][ii]) * P[3 * b - 3 + k][c];
                sms.a[3 * b - 3 + ii][c] = static_cast<float>(sum);
            }
    member_raw_numbers(s_, i, raw);
}

// Member loads are fixed-end actions in member axes; the joints take them
// reversed, turned into global axes: AE -= R^T * w for each triple w.
static void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* a = s.AML[i];
        const float(&R)[4][4] = s.R[i];
        int raw[13];
        member_raw_numbers(s, i, raw);
        for (int t = 0; t < 4; ++t) {
            const float* w = &a[3 * t];
            for (int k = 1; k <= 3; ++k) {
                int q = raw[3 * t + k];
                AE[q] = AE[q] - (R[1][k] * w[1] + R[2][k] * w[2] + R[3][k] * w[3]);
            }
        }
    }
}

// End actions in member axes: the fixed-end actions plus P times the
// member's joint displacements, each sum in double and rounded once.
static void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        float P[13][13];
        member_stiffness_times_rotation(s, i, P);
        int raw[13];
        member_raw_numbers(s, i, raw);
        for (int r = 1; r <= 12; ++r) {
            double sum = s.AML[i][r];
            for (int c = 1; c <= 12; ++c)
                sum += static_cast<double>(P[r][c]) * D[raw[c]];
            s.AML[i][r] = static_cast<float>(sum);
        }
    }
}

static qm::Allowables member_allowables(const StructureModel& s, int i)
{
    qm::Allowables a;
    a.tension = qm::times(qm::times(0.6, s.A[i]), s.Fy[i]);
    a.shear = qm::times(qm::times(0.55, s.A[i]), s.Fy[i]);
    a.moment = qm::times(qm::times(0.66, s.iz[i]), s.Fy[i]);
    a.torsion = qm::times(qm::times(0.6, s.ix[i]), s.Fy[i]);
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
    rep.printf("joint</TD><TD>translation<sub>x</sub><BR> (inch)</TD><TD>translation<sub>y</sub><BR> (inch)</TD><TD>"
               "translation<sub>z</sub><BR> (inch)</TD><TD>rotation<sub>x</sub><BR> (degrees)</TD><TD>rotation<sub>y"
               "</sub><BR> (degrees)</TD><TD>rotation<sub>z</sub><BR> (degrees)</TD><TD>\n");
    rep.printf("support force<sub>x</sub><BR> (kips)</TD><TD>support force<sub>y</sub><BR> (kips)</TD><TD>support "
               "force<sub>z</sub><BR> (kips)</TD><TD>support<BR> moment<sub>x</sub><BR> (inch-kips)</TD><TD>support"
               "<BR> moment<sub>y</sub><BR> (inch-kips)</TD><TD>support<BR> moment<sub>z</sub><BR> (inch-kips)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int j = 1; j <= s.nj; ++j) {
        const float* d = &v.D[6 * j - 6];
        const float* r = &v.AR[6 * j - 6];
        rep.printf("<TR>\n<TD>\n");
        rep.printf("  %i</TD><TD>", j);
        rep.printf("%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f\n", d[1], d[2], d[3],
                   qm::degrees(d[4]), qm::degrees(d[5]), qm::degrees(d[6]));
        rep.printf("</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f</TD><TD>%7.3f\n", r[1], r[2],
                   r[3], r[4], r[5], r[6]);
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
    rep.printf("member</TD><TD>start force<sub>x</sub><BR> (kips)</TD><TD>start force<sub>y</sub><BR> (kips)</TD><TD>"
               "start force<sub>z</sub><BR> (kips)</TD><TD>start moment<sub>x</sub><BR> (inch-kips))</TD><TD>start "
               "moment<sub>y</sub><BR> (inch-kips)</TD><TD>start moment<sub>z</sub><BR> (inch-kips)\n");
    rep.printf("&nbsp;</TD><TD>end force<sub>x</sub><BR> (kips)</TD><TD>end force<sub>y</sub><BR> (kips)</TD><TD>end "
               "force<sub>z</sub><BR> (kips)</TD><TD>end moment<sub>x</sub><BR> (inch-kips))</TD><TD>end moment<sub>y"
               "</sub><BR> (inch-kips)</TD><TD>end moment<sub>z</sub><BR> (inch-kips)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int i = 1; i <= s.m; ++i)
        check.write_check_row(rep, i, s.AML[i], member_allowables(s, i));
}

static void write_csv(std::FILE* f, const StructureModel& s, const qm::SolutionVectors& v, qm::MemberCheck& check)
{
    std::fprintf(f, "%i,%i,%i,%i\n", s.m, s.nj, s.nr, s.nrj);
    for (int j = 1; j <= s.nj; ++j) {
        const float* d = &v.D[6 * j - 6];
        std::fprintf(f, "%i,", j);
        std::fprintf(f, "%f,%f,%f,%f,%f,%f\n", d[1], d[2], d[3], qm::degrees(d[4]), qm::degrees(d[5]), qm::degrees(d[6]));
    }
    for (int j = 1; j <= s.nj; ++j) {
        const float* r = &v.AR[6 * j - 6];
        std::fprintf(f, "%i,", j);
        std::fprintf(f, "%f,%f,%f,%f,%f,%f\n", r[1], r[2], r[3], r[4], r[5], r[6]);
    }
    check.write_csv_rows(f, s.m, [&](int i) { return s.AML[i]; });
    qm::write_csv_dummy_list(f, s.ndummy, s.dummy);
}

class SpaceFrameAnalysis : public qm::StructureAnalysis {
public:
    explicit SpaceFrameAnalysis(StructureModel& s) : s_(s), members_(s) {}
    const qm::MemberSet& members() const override { return members_; }
    int members_count() const override { return s_.m; }
    int restrained_joints() const override { return s_.nrj; }
    void read_loads(qm::AnalysisRun& run) override { frame3d::read_loads(run, s_); }
    bool has_member_loads() const override { return s_.nlm != 0; }
    void equivalent_joint_loads(float AE[]) override { frame3d::equivalent_joint_loads(s_, AE); }
    const float* joint_loads() const override { return s_.AJ; }
    void member_end_actions(const float D[]) override { frame3d::member_end_actions(s_, D); }
    void write_results(qm::HtmlReport& rep, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        write_displacements(rep, s_, v);
        write_end_actions(rep, s_, check);
    }
    void write_csv(std::FILE* f, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        frame3d::write_csv(f, s_, v, check);
    }
    void write_summary(qm::HtmlReport& rep, qm::MemberCheck& check) override
    {
        rep.printf("\n");
        check.write_dummies_and_minima(rep, s_.m, s_.ndummy, s_.dummy, [this](int i) { return s_.AML[i]; });
    }

private:
    StructureModel& s_;
    SpaceFrameMembers members_;
};

void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    static const qm::ProgramTables tables = {matrix_capacity, member_capacity, check_layout, diagonal_failure,
                                             dof_names};
    SpaceFrameAnalysis program(s);
    qm::run_analysis(run, dofs, tables, program);
}

} // namespace frame3d
