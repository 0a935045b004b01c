#include "analysis.h"

#include <cstdio>

#include "analysis_sequence.h"
#include "member_check.h"
#include "units.h"

namespace frame2d {

static const qm::DofNames dof_names = {{"translation x", "translation y", "rotation z", nullptr, nullptr, nullptr}};

// Each zero diagonal is listed by its bare equation number; no size or
// counts lines follow.
static const qm::DiagonalFailureLines diagonal_failure = {
    {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n", "Structure is indeterminante\n", nullptr},
    "\nERROR\t0 on primary diagonal\n",
    "%i\n",
    nullptr,
    nullptr,
    nullptr,
};

// End actions 1..6: start axial, start shear, start moment, end axial, end
// shear, end moment. Every mark, compression included, passes only when the
// allowable is strictly greater. Moments are checked but feed no summary line.
static const qm::CheckLayout check_layout = {
    6,
    {qm::Action::shear, qm::Action::axial_start, qm::Action::shear, qm::Action::moment, qm::Action::axial_end,
     qm::Action::shear, qm::Action::moment},
    "<TD>%3i</TD>",
    "<TD>\n%8.3f",
    "",
    " tensile",
    " compressive",
    " tensile",
    " compressive",
    " shear",
    "",
    " moment",
    false,
    false,
    "</TR><TR>\n\n<TD>\nlimit</TD>\n",
    "<TD>\n    %8.2f</TD>\n",
    "</TR>\n\n",
    qm::no_category,
    qm::no_category,
    false,
    false,
    {1, 2, 0, 0, 0},
    {qm::compressive, qm::tensile, qm::shear_ratio, qm::no_category, qm::no_category, qm::no_category},
};

// Effective length factor of the column formula.
static constexpr float effective_length_factor = 1.2f;

MemberStiffness member_stiffness(const StructureModel& s, int i)
{
    MemberStiffness k;
    float L = s.L[i], E = s.E[i];
    k.S1 = E * s.A[i] / L;
    k.S2 = E * 4 * s.Iz[i] / L;
    k.S3 = k.S2 * 1.5f / L;
    k.S4 = k.S3 * 2 / L;
    return k;
}

static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 3; ++k) {
        raw[k] = 3 * s.jj[i] - 3 + k;
        raw[k + 3] = 3 * s.jk[i] - 3 + k;
    }
}

// Rows and columns: start x, start y, start rotation, end x, end y, end
// rotation, all in structure axes.
void PlaneFrameMembers::global_stiffness(int i, qm::MemberMatrix& sms, int raw[]) const
{
    MemberStiffness k = member_stiffness(s_, i);
    float cx = s_.xcl[i], cy = s_.ycl[i];
    float cx2 = cx * cx, cy2 = cy * cy;
    float a = k.S1 * cx2 + k.S4 * cy2;
    float b = (k.S1 - k.S4) * cx * cy;
    float c = k.S1 * cy2 + k.S4 * cx2;
    float d = k.S3 * cy;
    float e = k.S3 * cx;
    float h = k.S2 * 0.5f;
    const float rows[6][6] = {
        {a, b, -d, -a, -b, -d},
        {b, c, e, -b, -c, e},
        {-d, e, k.S2, d, -e, h},
        {-a, -b, d, a, b, d},
        {-b, -c, -e, b, c, -e},
        {-d, e, h, d, -e, k.S2},
    };
    sms.nd = 6;
    for (int r = 1; r <= 6; ++r)
        for (int col = 1; col <= 6; ++col)
            sms.a[r][col] = rows[r - 1][col - 1];
    member_raw_numbers(s_, i, raw);
}

// Member loads are fixed-end actions in member axes; the joints take them
// reversed, turned into structure axes.
static void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* q = s.AML[i];
        float cx = s.xcl[i], cy = s.ycl[i];
        int joint[2] = {s.jj[i], s.jk[i]};
        for (int end = 0; end < 2; ++end) {
            const float* w = &q[3 * end];
            int p = 3 * joint[end];
            AE[p - 2] = AE[p - 2] - w[1] * cx + w[2] * cy;
            AE[p - 1] = AE[p - 1] - w[1] * cy - w[2] * cx;
            AE[p] = AE[p] - w[3];
        }
    }
}

// End actions in member axes: the member's elastic actions from the joint
// displacements D (raw order), added onto its fixed-end actions.
static void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        MemberStiffness k = member_stiffness(s, i);
        float cx = s.xcl[i], cy = s.ycl[i];
        int ps = 3 * s.jj[i], pe = 3 * s.jk[i];
        float d1 = D[ps - 2] - D[pe - 2];
        float d2 = D[ps - 1] - D[pe - 1];
        float ts = D[ps], te = D[pe];
        float u = d1 * cx + d2 * cy;
        float w = d2 * cx - d1 * cy;
        float* v = s.AML[i];
        v[1] = v[1] + k.S1 * u;
        v[2] = v[2] + (k.S4 * w + k.S3 * (ts + te));
        v[3] = v[3] + (k.S3 * w + k.S2 * (ts + 0.5f * te));
        v[4] = v[4] + -(k.S1 * u);
        v[5] = v[5] + (-(k.S4 * w) - k.S3 * (ts + te));
        v[6] = v[6] + (k.S3 * w + k.S2 * (0.5f * ts + te));
    }
}

static qm::Allowables member_allowables(const StructureModel& s, int i)
{
    qm::Allowables a;
    a.shear = qm::times(s.A[i] * s.Fy[i], 0.55);
    a.tension = qm::times(s.A[i] * s.Fy[i], 0.6);
    a.moment = qm::times(s.Iz[i] * s.Fy[i], 0.66);
    int E = qm::whole_ksi(s.E[i]), Fy = qm::whole_ksi(s.Fy[i]);
    float fa_rx = qm::allowable_compressive_stress(s.rx[i], s.L[i], E, Fy, effective_length_factor);
    float fa_ry = qm::allowable_compressive_stress(s.ry[i], s.L[i], E, Fy, effective_length_factor);
    a.compression = s.A[i] * qm::smaller_of(fa_rx, fa_ry);
    return a;
}

static void write_displacements(qm::HtmlReport& rep, const StructureModel& s, const qm::SolutionVectors& v)
{
    rep.write_section_heading("Calculated Results");
    rep.write_subheading("Joint Displacements and Support Reactions");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("joint</TD><TD>displacement<sub>x</sub></TD><TD>displacement<sub>y</sub></TD><TD>moment<sub>z</sub>"
               "</TD><TD>support reaction<sub>x</sub></TD><TD>support reaction<sub>y</sub></TD><TD>support reaction"
               "<sub>z</sub>\n");
    rep.printf("</TD>\n</TR>\n");
    for (int j = 1; j <= s.nj; ++j) {
        const float* d = &v.D[3 * j - 3];
        const float* r = &v.AR[3 * j - 3];
        rep.printf("<TR>\n<TD>\n");
        rep.printf("  %i</TD><TD>", j);
        rep.printf("%8.3f (inch)</TD><TD>%8.3f (inch)</TD><TD>%8.3f (degrees)</TD><TD>%8.3f (kips)</TD><TD>%8.3f "
                   "(kips)</TD><TD>%8.3f (inch-kips)\n",
                   d[1], d[2], qm::degrees(d[3]), r[1], r[2], r[3]);
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
    rep.printf("member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>start "
               "moment<sub>y</sub> (inch-kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> "
               "(kips)</TD><TD>end moment<sub>y</sub> (inch-kips)\n");
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
        const float* d = &v.D[3 * j - 3];
        const float* r = &v.AR[3 * j - 3];
        std::fprintf(f, "%i,", j);
        std::fprintf(f, "%f,%f,%f,%f,%f,%f\n", d[1], d[2], d[3], r[1], r[2], r[3]);
    }
    check.write_csv_rows(f, s.m, [&](int i) { return s.AML[i]; });
    qm::write_csv_dummy_list(f, s.ndummy, s.dummy);
    std::fprintf(f, "\n");
}

namespace {

// frame2d's steps of the shared analysis sequence.
class PlaneFrameAnalysis : public qm::StructureAnalysis {
public:
    explicit PlaneFrameAnalysis(StructureModel& s) : s_(s), members_(s) {}
    const qm::MemberSet& members() const override { return members_; }
    int members_count() const override { return s_.m; }
    int restrained_joints() const override { return s_.nrj; }
    void read_loads(qm::AnalysisRun& run) override { frame2d::read_loads(run, s_); }
    bool has_member_loads() const override { return s_.nlm != 0; }
    void equivalent_joint_loads(float AE[]) override { frame2d::equivalent_joint_loads(s_, AE); }
    const float* joint_loads() const override { return s_.AJ; }
    void member_end_actions(const float D[]) override { frame2d::member_end_actions(s_, D); }
    void write_results(qm::HtmlReport& rep, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        write_displacements(rep, s_, v);
        write_end_actions(rep, s_, check);
    }
    void write_csv(std::FILE* f, const qm::SolutionVectors& v, qm::MemberCheck& check) override
    {
        frame2d::write_csv(f, s_, v, check);
    }
    void write_summary(qm::HtmlReport& rep, qm::MemberCheck& check) override
    {
        rep.printf("\n");
        check.write_dummies_and_minima(rep, s_.m, s_.ndummy, s_.dummy, [this](int i) { return s_.AML[i]; });
    }

private:
    StructureModel& s_;
    PlaneFrameMembers members_;
};

} // namespace

void analyse(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    static const qm::ProgramTables tables = {matrix_capacity, member_capacity, check_layout, diagonal_failure,
                                             dof_names};
    PlaneFrameAnalysis analysis(s);
    qm::run_analysis(run, dofs, tables, analysis);
}

} // namespace frame2d
