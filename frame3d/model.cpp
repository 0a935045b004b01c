#include "model.h"

#include <cmath>
#include <cstdio>

#include "echo.h"
#include "model_input.h"

namespace frame3d {

static const qm::Capacities capacities = {joint_capacity, member_capacity, dummy_capacity};

const qm::ProgramIdentity identity = {
    "spacefr",
    "Space Frame analysis      rev %3.2f\n<BR>",
    "Space Frame analysis\t\t\trev %3.2f",
    0.22,
};

static void set_default_section(StructureModel& s, int i)
{
    s.A[i] = 2.94f;
    s.ix[i] = 12.3f;
    s.iy[i] = 1.22f;
    s.iz[i] = 0.114f;
    s.E[i] = 29000.0f;
    s.G[i] = 11000.0f;
    s.Fy[i] = 36.0f;
    s.rx[i] = 0.643f;
    s.ry[i] = 2.05f;
}

// Member axes from the direction cosines; a member whose horizontal
// projection is below 0.001 of its length counts as vertical.
static void set_member_axes(StructureModel& s, int i)
{
    float xcl = s.xcl[i], ycl = s.ycl[i], zcl = s.zcl[i];
    float(&R)[4][4] = s.R[i];
    float q = std::sqrt(xcl * xcl + zcl * zcl);
    if (q >= 0.001f) {
        R[1][1] = xcl;
        R[1][2] = ycl;
        R[1][3] = zcl;
        R[2][1] = -xcl * ycl / q;
        R[2][2] = q;
        R[2][3] = -ycl * zcl / q;
        R[3][1] = -zcl / q;
        R[3][2] = 0.0f;
        R[3][3] = xcl / q;
    } else {
        R[1][1] = 0.0f;
        R[1][2] = ycl;
        R[1][3] = 0.0f;
        R[2][1] = -ycl;
        R[2][2] = 0.0f;
        R[2][3] = 0.0f;
        R[3][1] = 0.0f;
        R[3][2] = 0.0f;
        R[3][3] = 1.0f;
    }
}

static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    rep.write_section_heading("Member Properties");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
               "</TD><TD>i<sub>x</sub> (in<sup>4</sup>)</TD><TD>i<sub>y</sub> (in<sup>4</sup>)</TD><TD>i<sub>z</sub> "
               "(in<sup>4</sup>)</TD><TD>e (ksi)</TD><TD>g (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> "
               "(in<sup>4</sup>)</TD><TD>r<sub>y</sub> (in<sup>4</sup>)\n");
    rep.printf("</TD>\n</TR>\n");
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f,%f,%f,%f", &s.jj[i], &s.jk[i], &s.A[i], &s.ix[i], &s.iy[i],
                 &s.iz[i], &s.E[i], &s.G[i], &s.Fy[i], &s.rx[i], &s.ry[i]);
        run.check_range("member", i, "start joint", s.jj[i], 1, s.nj);
        run.check_range("member", i, "end joint", s.jk[i], 1, s.nj);
        if (s.A[i] == 0.0f)
            set_default_section(s, i);
        float dx = s.x[s.jk[i]] - s.x[s.jj[i]];
        float dy = s.y[s.jk[i]] - s.y[s.jj[i]];
        float dz = s.z[s.jk[i]] - s.z[s.jj[i]];
        float sum = dx * dx + dy * dy + dz * dz;
        s.L[i] = static_cast<float>(std::sqrt(static_cast<double>(sum)));
        if (s.L[i] == 0.0f) {
            std::printf("\nERROR - divide by 0\none length was 0\n");
            rep.printf("\nERROR\tdivide by 0\n");
            rep.printf("i = %i\n", i);
            rep.printf("jk[i] = %f    jj[i] = %f\n", static_cast<double>(s.jk[i]), static_cast<double>(s.jj[i]));
            rep.printf("xcl = %f  ycl = %f  zcl = %f\n\n", dx, dy, dz);
            run.stop();
        }
        s.xcl[i] = dx / s.L[i];
        s.ycl[i] = dy / s.L[i];
        s.zcl[i] = dz / s.L[i];
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], s.A[i], s.L[i] / 12, s.ix[i], s.iy[i], s.iz[i], s.E[i], s.G[i], s.Fy[i],
                   s.rx[i], s.ry[i]);
        rep.printf("</TD>\n</TR>\n");
        set_member_axes(s, i);
    }
    rep.close_table();
}

static void read_restraints(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    qm::HtmlReport& rep = run.report;
    rep.write_section_heading("Joint Restraints");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("joint</TD><TD>tranlation<sub>x</sub></TD><TD>tranlation<sub>y</sub></TD><TD>tranlation<sub>z</sub>"
               "</TD><TD>rotation<sub>x</sub></TD><TD>rotation<sub>y</sub></TD><TD>rotation<sub>z</sub>\n");
    rep.printf("</TD>\n</TR>\n");
    dofs.clear();
    for (int r = 1; r <= s.nrj; ++r) {
        int j = qm::read_restraint(run, r, s.nj, dofs);
        qm::write_restraint_row(rep, j, &dofs.rl[dofs.raw(j, 1)], dofs_per_joint);
    }
    rep.close_table();
    qm::number_and_check_restraints(run, dofs, s.nj, s.nr);
}

void read_structure(qm::AnalysisRun& run, StructureModel& s, qm::DofNumbering& dofs)
{
    qm::read_counts(run, capacities, dofs_per_joint, s.m, s.nj, s.nr, s.nrj);
    qm::read_joint_coordinates(run, s.nj, s.x, s.y, s.z, qm::FeetRule::divide_by_12);
    read_members(run, s);
    read_restraints(run, s, dofs);
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
        rep.printf("joint</TD><TD>force<sub>x</sub><BR> (kips)</TD><TD>force<sub>y</sub><BR> (kips)</TD><TD>force"
                   "<sub>z</sub><BR> (kips)</TD><TD>moment<sub>x</sub><BR> (inch-kips)</TD><TD>moment<sub>y</sub><BR> "
                   "(inch-kips)</TD><TD>moment<sub>z</sub><BR> (inch-kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int j = 1; j <= s.nj; ++j) {
            const float* a = &s.AJ[6 * j - 6];
            rep.printf("<TR>\n<TD>\n");
            rep.printf(" %3i</TD><TD>", j);
            rep.printf("%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f\n", a[1], a[2],
                       a[3], a[4], a[5], a[6]);
            rep.printf("</TD>\n</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded joints<BR>\n");
    }

    qm::read_member_loads(run, s.nlm, s.m, 12, [&](int i) { return s.AML[i]; });
    qm::read_dummy_list(run, capacities, s.m, s.ndummy, s.dummy);
    run.close_input();

    rep.write_section_heading("Member Loads");
    if (s.nlm != 0) {
        rep.open_table();
        rep.printf("<TR>\n<TD>\n");
        rep.printf("member</TD><TD>start force<sub>x</sub> axial (kips)</TD><TD>start force<sub>y</sub> shear (kips)"
                   "</TD><TD>start force<sub>z</sub> shear (kips)</TD>");
        rep.printf("<TD>start moment<sub>x</sub> torsion (kips)</TD><TD>start moment<sub>y</sub> bending (kips)</TD>"
                   "<TD>start moment<sub>z</sub> bending (kips)</TD>");
        rep.printf("<TD>end force<sub>x</sub> axial (kips)</TD><TD>end force<sub>y</sub> shear (kips)</TD><TD>end "
                   "force<sub>z</sub> shear (kips)</TD>");
        rep.printf("<TD>end moment<sub>x</sub> torsion (kips)</TD><TD>end moment<sub>y</sub> bending (kips)</TD><TD>"
                   "end moment<sub>z</sub> bending (kips)\n");
        rep.printf("</TD>\n</TR>\n");
        for (int i = 1; i <= s.m; ++i) {
            rep.printf("<TR>\n<TD>\n");
            rep.printf("%i</TD>", i);
            for (int k = 1; k <= 12; ++k)
                rep.printf("<TD>%8.3f</TD>", s.AML[i][k]);
            rep.printf("</TR>\n");
        }
        rep.close_table();
    } else {
        rep.printf("<BR>No loaded members<BR>\n");
    }
}

} // namespace frame3d
