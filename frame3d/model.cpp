#include "model.h"

#include "echo.h"
#include "member_axes.h"
#include "model_input.h"

namespace frame3d {

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
        qm::space_member_axes(s.xcl[i], s.ycl[i], s.zcl[i], s.R[i]);
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
