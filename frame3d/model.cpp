#include "model.h"

#include <cmath>

#include "echo.h"
#include "model_input.h"

namespace frame3d {

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
    qm::open_echo_table(
        rep, "Member Properties",
        "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
        "</TD><TD>i<sub>x</sub> (in<sup>4</sup>)</TD><TD>i<sub>y</sub> (in<sup>4</sup>)</TD><TD>i<sub>z</sub> "
        "(in<sup>4</sup>)</TD><TD>e (ksi)</TD><TD>g (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> "
        "(in<sup>4</sup>)</TD><TD>r<sub>y</sub> (in<sup>4</sup>)\n");
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f,%f,%f,%f", &s.jj[i], &s.jk[i], &s.sec[i].A, &s.sec[i].ix,
                 &s.sec[i].iy, &s.sec[i].iz, &s.sec[i].E, &s.sec[i].G, &s.sec[i].Fy, &s.sec[i].rx, &s.sec[i].ry);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (s.sec[i].A == 0.0f)
            s.sec[i] = default_section;
        qm::member_geometry(run, s, i, true, false);
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], s.sec[i].A, s.L[i] / 12, s.sec[i].ix, s.sec[i].iy, s.sec[i].iz, s.sec[i].E,
                   s.sec[i].G, s.sec[i].Fy, s.sec[i].rx, s.sec[i].ry);
        rep.printf("</TD>\n</TR>\n");
        set_member_axes(s, i);
    }
    rep.close_table();
}

// Restraints are echoed one row per record, in file order.
static void read_restraints(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    qm::open_echo_table(rep, "Joint Restraints",
                        "joint</TD><TD>tranlation<sub>x</sub></TD><TD>tranlation<sub>y</sub></TD><TD>tranlation"
                        "<sub>z</sub></TD><TD>rotation<sub>x</sub></TD><TD>rotation<sub>y</sub></TD><TD>rotation"
                        "<sub>z</sub>\n");
    qm::read_restraint_records(run, s, qm::write_restraint_row);
    rep.close_table();
    qm::number_restraints(run, s);
}

void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    qm::read_counts(run, s);
    qm::read_joint_coordinates(run, s, true, qm::FeetRule::divide_by_12);
    read_members(run, s);
    read_restraints(run, s);
}

} // namespace frame3d
