#include "model.h"

#include <cmath>

#include "echo.h"
#include "model_input.h"
#include "units.h"

namespace frame2d {

// Reads every member record, with its length and direction cosines; a member
// of length 0 stops the run before anything of the members is written.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f\n", &s.jj[i], &s.jk[i], &s.sec[i].A, &s.sec[i].Iz, &s.sec[i].E,
                 &s.sec[i].Fy, &s.sec[i].rx, &s.sec[i].ry);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (s.sec[i].A == 0.0f)
            s.sec[i] = default_section;
        qm::member_geometry(run, s, i, false, false);
    }

    qm::open_echo_table(
        rep, "Member Properties",
        "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
        "</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> (in<sup>4</sup>)</TD><TD>r<sub>y"
        "</sub> (in<sup>4</sup>)\n");
    for (int i = 1; i <= s.m; ++i) {
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], s.sec[i].A, qm::feet(s.L[i]), s.sec[i].E, s.sec[i].Fy, s.sec[i].rx,
                   s.sec[i].ry);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

// Restraint records may come in any joint order, and a later record for a
// joint replaces an earlier one; the table then lists every joint.
void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    qm::read_counts(run, s);
    qm::read_joint_coordinates(run, s, false, qm::FeetRule::times_one_twelfth);
    read_members(run, s);
    qm::read_restraint_records(run, s, nullptr);
    qm::number_restraints(run, s);
    qm::write_restraints_by_joint(run.report, s,
                                  "joint</TD><TD>shear<sub>x</sub></TD><TD>shear<sub>y</sub></TD><TD>moment<sub>z"
                                  "</sub>\n");
}

} // namespace frame2d
