#include "model.h"

#include "report/member_echo.h"
#include "input/model_input.h"

namespace truss3d {

// Every member record is read, with its length and direction cosines, before
// anything of the members is written; a member of length 0 stops the run
// with its details on the console as well as in the report.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f", &s.jj[i], &s.jk[i], &s.sec[i].A, &s.sec[i].E, &s.sec[i].Fy,
                 &s.sec[i].rx, &s.sec[i].ry);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (s.sec[i].A == 0.0f)
            s.sec[i] = default_section;
        qm::member_geometry(run, s, i, true, true);
    }

    qm::write_member_properties(run.report, s, qm::FeetRule::divide_by_12);
}

void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    qm::read_counts(run, s);
    qm::read_joint_coordinates(run, s, true, qm::FeetRule::divide_by_12);
    read_members(run, s);
    qm::read_restraint_records(run, s, nullptr);
    qm::number_restraints(run, s);
    qm::write_restraints_by_joint(run.report, s,
                                  "joint</TD><TD>translation<sub>x</sub></TD><TD>translation<sub>y</sub></TD><TD>"
                                  "translation<sub>z</sub>\n");
}

} // namespace truss3d
