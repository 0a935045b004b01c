#include "model.h"

#include <string>

#include "report/echo.h"
#include "input/model_input.h"
#include "report/units.h"

namespace grillage {

// Every member record is read, with its length and direction cosines, before
// the table is written, so a member of length 0 stops the run with nothing
// of the members in the report. A record may end with the section modulus Sy
// and then the shear area Aw.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        Section& c = s.sec[i];
        run.scan("member", i, "%i,%i,%f,%f,%f,%f,%f,%f,%f[,%f,%f]\n", &s.jj[i], &s.jk[i], &c.A, &c.J, &c.Iy, &c.Ix,
                 &c.E, &c.Fy, &c.G, &c.Sy, &c.Aw);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (c.A == 0.0f)
            c = default_section;
        qm::member_geometry(run, s, i, false, false);
    }
}

// The columns titled i_x, i_y and i_z(J) hold J, Iy and Ix, in that order;
// last columns show Sy and Aw where any member has one.
static void write_members(qm::HtmlReport& rep, const StructureModel& s)
{
    bool moduli = false, shear_areas = false;
    for (int i = 1; i <= s.m; ++i) {
        moduli = moduli || s.sec[i].Sy != 0.0f;
        shear_areas = shear_areas || s.sec[i].Aw != 0.0f;
    }
    std::string titles = "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length "
                         "(feet)</TD><TD>i<sub>x</sub> (in<sup>4</sup>)</TD><TD>i<sub>y</sub> (in<sup>4</sup>)</TD><TD>"
                         "i<sub>z</sub>(J) (in<sup>4</sup>)</TD><TD>e (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>g "
                         "(ksi)";
    if (moduli)
        titles += "</TD><TD>S<sub>y</sub> (in<sup>3</sup>)";
    if (shear_areas)
        titles += "</TD><TD>A<sub>w</sub> (in<sup>2</sup>)";
    qm::open_echo_table(rep, "Member Properties", (titles + "\n").c_str());
    for (int i = 1; i <= s.m; ++i) {
        const Section& c = s.sec[i];
        rep.printf("<TR>\n<TD>\n%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], c.A, qm::feet(s.L[i]), c.J, c.Iy, c.Ix, c.E, c.Fy, c.G);
        if (moduli)
            rep.printf("</TD><TD>%8.3f", c.Sy);
        if (shear_areas)
            rep.printf("</TD><TD>%8.3f", c.Aw);
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    qm::read_counts(run, s);
    qm::read_joint_coordinates(run, s, false, qm::FeetRule::times_one_twelfth);
    read_members(run, s);
    write_members(run.report, s);
    qm::read_restraint_records(run, s, nullptr);
    qm::number_restraints(run, s);
    qm::write_restraints_by_joint(run.report, s,
                                  "joint</TD><TD>rotation<sub>x</sub></TD><TD>rotation<sub>y</sub></TD><TD>"
                                  "translation<sub>z</sub>\n");
}

} // namespace grillage
