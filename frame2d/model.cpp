#include "model.h"

#include "report/member_echo.h"
#include "input/model_input.h"

namespace frame2d {

// Reads every member record, with its length and direction cosines; a member
// of length 0 stops the run before anything of the members is written. A
// record may end with the section modulus Sz and then the shear area Awy.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f[,%f,%f]\n", &s.jj[i], &s.jk[i], &s.sec[i].A, &s.sec[i].Iz,
                 &s.sec[i].E, &s.sec[i].Fy, &s.sec[i].rx, &s.sec[i].ry, &s.sec[i].Sz, &s.sec[i].Awy);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (s.sec[i].A == 0.0f)
            s.sec[i] = default_section;
        qm::member_geometry(run, s, i, false, false);
    }

    bool moduli = false, shear_areas = false;
    for (int i = 1; i <= s.m; ++i) {
        moduli = moduli || s.sec[i].Sz != 0.0f;
        shear_areas = shear_areas || s.sec[i].Awy != 0.0f;
    }
    qm::write_member_properties(run.report, s, qm::FeetRule::times_one_twelfth,
                                {moduli ? "S<sub>z</sub> (in<sup>3</sup>)" : nullptr,
                                 shear_areas ? "A<sub>wy</sub> (in<sup>2</sup>)" : nullptr},
                                [&](int i, int column) { return column == 0 ? s.sec[i].Sz : s.sec[i].Awy; });
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
