#include "model.h"

#include <cmath>

#include "echo.h"
#include "model_input.h"
#include "units.h"

namespace frame2d {

const qm::ProgramIdentity identity = {
    "planefr",
    "Plane Frame analysis      rev %3.2f\n<BR>",
    "Plane Frame analysis\t\t\trev %3.2f",
    0.12,
};

static const qm::Capacities capacities = {joint_capacity, member_capacity, dummy_capacity};

// The section a member gets when its area is given as 0.
static void set_default_section(StructureModel& s, int i)
{
    s.A[i] = 2.94f;
    s.Iz[i] = 0.114f;
    s.E[i] = 29000.0f;
    s.Fy[i] = 36.0f;
    s.rx[i] = 0.643f;
    s.ry[i] = 2.05f;
}

// Reads every member record, with its length and direction cosines; a member
// of length 0 stops the run before anything of the members is written.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f\n", &s.jj[i], &s.jk[i], &s.A[i], &s.Iz[i], &s.E[i],
                 &s.Fy[i], &s.rx[i], &s.ry[i]);
        run.check_range("member", i, "start joint", s.jj[i], 1, s.nj);
        run.check_range("member", i, "end joint", s.jk[i], 1, s.nj);
        if (s.A[i] == 0.0f)
            set_default_section(s, i);
        float dx = s.x[s.jk[i]] - s.x[s.jj[i]];
        float dy = s.y[s.jk[i]] - s.y[s.jj[i]];
        float sum = dx * dx + dy * dy;
        s.L[i] = std::sqrt(sum);
        if (s.L[i] == 0.0f)
            qm::stop_zero_length_plane(run, i, s.jk[i], s.jj[i], dx, dy);
        s.xcl[i] = dx / s.L[i];
        s.ycl[i] = dy / s.L[i];
    }

    rep.write_section_heading("Member Properties");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
               "</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> (in<sup>4</sup>)</TD><TD>r<sub>y"
               "</sub> (in<sup>4</sup>)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int i = 1; i <= s.m; ++i) {
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], s.A[i], qm::feet(s.L[i]), s.E[i], s.Fy[i], s.rx[i], s.ry[i]);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

// Restraint records may come in any joint order, and a later record for a
// joint replaces an earlier one; the table then lists every joint.
static void read_restraints(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    qm::read_restraint_records(run, dofs, s.nj, s.nr, s.nrj);
    qm::write_restraints_by_joint(run.report, dofs, s.nj,
                                  "joint</TD><TD>shear<sub>x</sub></TD><TD>shear<sub>y</sub></TD><TD>moment<sub>z"
                                  "</sub>\n");
}

void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    qm::read_counts(run, capacities, dofs_per_joint, s.m, s.nj, s.nr, s.nrj);
    qm::read_joint_coordinates(run, s.nj, s.x, s.y, nullptr, qm::FeetRule::times_one_twelfth);
    read_members(run, s);
    read_restraints(run, s, dofs);
}

// A load or dummy count of zero or below means none.
void read_loads(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    qm::read_load_counts(run, s.nlj, s.nlm);

    qm::read_joint_loads(run, s.nlj, s.nj, dofs_per_joint, s.AJ);
    rep.write_section_heading("Joint Loads");
    if (s.nlj > 0) {
        rep.open_table();
        rep.printf("<TR>\n<TD>\n");
        rep.printf("joint</TD><TD>force<sub>x</sub> (kips)</TD><TD>force<sub>y</sub> (kips)</TD><TD>moment<sub>z"
                   "</sub> (inch-kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int j = 1; j <= s.nj; ++j) {
            const float* a = &s.AJ[3 * j - 3];
            rep.printf("<TR>\n<TD>\n");
            rep.printf(" %3i</TD><TD>", j);
            rep.printf("%8.3f</TD><TD>\n", a[1]);
            rep.printf("%8.3f</TD><TD>%8.3f\n", a[2], a[3]);
            rep.printf("</TD>\n</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded joints<BR>\n");
    }

    qm::read_member_loads(run, s.nlm, s.m, 6, [&](int i) { return s.AML[i]; });
    qm::read_dummy_list(run, capacities, s.m, s.ndummy, s.dummy);
    run.close_input();

    rep.write_section_heading("Member Loads");
    if (s.nlm > 0) {
        rep.open_table();
        rep.printf("<TR>\n<TD>\n");
        rep.printf("member</TD><TD>start force<sub>x</sub> (kips)</TD><TD>start force<sub>y</sub> (kips)</TD><TD>"
                   "start moment<sub>z</sub> (inch-kips)</TD><TD>end force<sub>x</sub> (kips)</TD><TD>end force<sub>y"
                   "</sub> (kips)</TD><TD>end moment<sub>z</sub> (inch-kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int i = 1; i <= s.m; ++i) {
            const float* a = s.AML[i];
            rep.printf("<TR>\n<TD>\n");
            rep.printf("%i</TD><TD>", i);
            rep.printf("%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n", a[1], a[2],
                       a[3], a[4], a[5], a[6]);
            rep.printf("</TD>\n</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded members<BR>\n");
    }
}

} // namespace frame2d
