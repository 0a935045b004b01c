#include "model.h"

#include "report/member_echo.h"
#include "input/model_input.h"

namespace truss2d {

static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f\n", &s.jj[i], &s.jk[i], &s.sec[i].A, &s.sec[i].E, &s.sec[i].Fy,
                 &s.sec[i].rx, &s.sec[i].ry);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (s.sec[i].A == 0.0f)
            s.sec[i] = default_section;
        qm::member_geometry(run, s, i, false, false);
    }

    qm::write_member_properties(run.report, s, qm::FeetRule::divide_by_12);
}

void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    qm::read_counts(run, s);
    qm::read_joint_coordinates(run, s, false, qm::FeetRule::divide_by_12);
    read_members(run, s);
    qm::read_restraint_records(run, s, nullptr);
    qm::number_restraints(run, s);
    qm::write_restraints_by_joint(run.report, s, "joint</TD><TD>restraint<sub>x</sub></TD><TD>restraint<sub>y</sub>\n");
}

} // namespace truss2d
