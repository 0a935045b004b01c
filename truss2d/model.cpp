#include "model.h"

#include <cmath>

#include "echo.h"
#include "model_input.h"

namespace truss2d {

const qm::ProgramIdentity identity = {
    "planetr",
    "Plane Truss analysis      rev %3.2f\n<BR>",
    "Plane Truss analysis\t\t\trev %3.2f",
    0.14,
};

static const qm::Capacities capacities = {joint_capacity, member_capacity, dummy_capacity};

// A member read with area 0 gets this section in place of all its values.
static void set_default_section(StructureModel& s, int i)
{
    s.A[i] = 2.94f;
    s.E[i] = 29000.0f;
    s.Fy[i] = 36.0f;
    s.rx[i] = 0.643f;
    s.ry[i] = 2.05f;
}

// Length and direction cosines right after the member's record; two joints
// at the same place stop the run before any member is echoed.
static void set_geometry(qm::AnalysisRun& run, StructureModel& s, int i)
{
    float dx = s.x[s.jk[i]] - s.x[s.jj[i]];
    float dy = s.y[s.jk[i]] - s.y[s.jj[i]];
    float sum = dx * dx + dy * dy;
    s.L[i] = std::sqrt(sum);
    if (s.L[i] == 0.0f)
        qm::stop_zero_length_plane(run, i, s.jk[i], s.jj[i], dx, dy);
    s.xcl[i] = dx / s.L[i];
    s.ycl[i] = dy / s.L[i];
}

static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f\n", &s.jj[i], &s.jk[i], &s.A[i], &s.E[i], &s.Fy[i], &s.rx[i],
                 &s.ry[i]);
        run.check_range("member", i, "start joint", s.jj[i], 1, s.nj);
        run.check_range("member", i, "end joint", s.jk[i], 1, s.nj);
        if (s.A[i] == 0.0f)
            set_default_section(s, i);
        set_geometry(run, s, i);
    }

    qm::HtmlReport& rep = run.report;
    rep.write_section_heading("Member Properties");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
               "</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> (in<sup>4</sup>)</TD><TD>"
               "r<sub>y</sub> (in<sup>4</sup>)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int i = 1; i <= s.m; ++i) {
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], s.A[i], s.L[i] / 12, s.E[i], s.Fy[i], s.rx[i], s.ry[i]);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    qm::read_counts(run, capacities, dofs_per_joint, s.m, s.nj, s.nr, s.nrj);
    qm::read_joint_coordinates(run, s.nj, s.x, s.y, nullptr, qm::FeetRule::divide_by_12);
    read_members(run, s);
    qm::read_restraint_records(run, dofs, s.nj, s.nr, s.nrj);
    qm::write_restraints_by_joint(run.report, dofs, s.nj,
                                  "joint</TD><TD>restraint<sub>x</sub></TD><TD>restraint<sub>y</sub>\n");
}

void read_loads(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    qm::read_load_counts(run, s.nlj, s.nlm);

    qm::read_joint_loads(run, s.nlj, s.nj, dofs_per_joint, s.AJ);
    rep.write_section_heading("Joint Loads");
    if (s.nlj != 0) {
        rep.open_table();
        rep.printf("<TR>\n<TD>\n");
        rep.printf("joint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int j = 1; j <= s.nj; ++j) {
            rep.printf("<TR>\n<TD>\n");
            rep.printf(" %3i</TD><TD>", j);
            rep.printf("%8.3f</TD><TD>%8.3f\n", s.AJ[2 * j - 1], s.AJ[2 * j]);
            rep.printf("</TD>\n</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded joints<BR>\n");
    }

    qm::read_member_loads(run, s.nlm, s.m, 4, [&](int i) { return s.AML[i]; });
    qm::read_dummy_list(run, capacities, s.m, s.ndummy, s.dummy);
    run.close_input();

    rep.write_section_heading("Member Loads");
    if (s.nlm != 0) {
        rep.open_table();
        rep.printf("<TR>\n<TD>\n");
        rep.printf("member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
                   "end force<sub>x</sub> (kips)</TD><TD>end force<sub>y</sub> (kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int i = 1; i <= s.m; ++i) {
            const float* a = s.AML[i];
            rep.printf("<TR>\n<TD>\n");
            rep.printf("%i</TD><TD>", i);
            rep.printf("%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n", a[1], a[2], a[3], a[4]);
            rep.printf("</TD>\n</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded members<BR>\n");
    }
}

} // namespace truss2d
