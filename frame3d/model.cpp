#include "model.h"

#include <string>

#include "report/echo.h"
#include "model/member_axes.h"
#include "input/model_input.h"

namespace frame3d {

// A member record may end with the section moduli Sy and Sz, and after them
// the shear areas Awy and Awz.
static constexpr const char* member_record = "%i,%i,%f,%f,%f,%f,%f,%f,%f,%f,%f[,%f,%f,%f,%f]";

// Which optional columns the echo shows.
struct OptionalColumns {
    bool moduli = false, shear_areas = false;
};

// Whether a member record, of those that can be read, gives a section
// modulus or a shear area for a member of its own section: the rows are
// written while the records are read, so the columns are decided by reading
// ahead.
static OptionalColumns optional_columns(qm::AnalysisRun& run, int m)
{
    OptionalColumns given;
    run.look_ahead([&](qm::AnalysisRun& r) {
        int jj, jk;
        Section c;
        for (int i = 1; i <= m && !(given.moduli && given.shear_areas); ++i) {
            if (!r.try_scan(member_record, &jj, &jk, &c.A, &c.ix, &c.iy, &c.iz, &c.E, &c.G, &c.Fy, &c.rx, &c.ry, &c.Sy,
                            &c.Sz, &c.Awy, &c.Awz))
                break;
            given.moduli = given.moduli || (c.A != 0.0f && (c.Sy != 0.0f || c.Sz != 0.0f));
            given.shear_areas = given.shear_areas || (c.A != 0.0f && (c.Awy != 0.0f || c.Awz != 0.0f));
        }
    });
    return given;
}

static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    qm::HtmlReport& rep = run.report;
    OptionalColumns shown = optional_columns(run, s.m);
    std::string titles =
        "member</TD><TD>start joint</TD><TD>end joint</TD><TD>area (in<sup>2</sup>)</TD><TD>length (feet)"
        "</TD><TD>i<sub>x</sub> (in<sup>4</sup>)</TD><TD>i<sub>y</sub> (in<sup>4</sup>)</TD><TD>i<sub>z</sub> "
        "(in<sup>4</sup>)</TD><TD>e (ksi)</TD><TD>g (ksi)</TD><TD>F<sub>y</sub> (kips)</TD><TD>r<sub>x</sub> "
        "(in<sup>4</sup>)</TD><TD>r<sub>y</sub> (in<sup>4</sup>)";
    if (shown.moduli)
        titles += "</TD><TD>S<sub>y</sub> (in<sup>3</sup>)</TD><TD>S<sub>z</sub> (in<sup>3</sup>)";
    if (shown.shear_areas)
        titles += "</TD><TD>A<sub>wy</sub> (in<sup>2</sup>)</TD><TD>A<sub>wz</sub> (in<sup>2</sup>)";
    qm::open_echo_table(rep, "Member Properties", (titles + "\n").c_str());
    for (int i = 1; i <= s.m; ++i) {
        Section& c = s.sec[i];
        run.scan("member", i, member_record, &s.jj[i], &s.jk[i], &c.A, &c.ix, &c.iy, &c.iz, &c.E, &c.G, &c.Fy, &c.rx,
                 &c.ry, &c.Sy, &c.Sz, &c.Awy, &c.Awz);
        qm::check_member_joints(run, i, s.jj[i], s.jk[i], s.nj);
        if (c.A == 0.0f)
            c = default_section;
        qm::member_geometry(run, s, i, true, false);
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%2i</TD><TD>%2i</TD><TD>%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f"
                   "</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f",
                   i, s.jj[i], s.jk[i], c.A, s.L[i] / 12, c.ix, c.iy, c.iz, c.E, c.G, c.Fy, c.rx, c.ry);
        if (shown.moduli)
            rep.printf("</TD><TD>%8.3f</TD><TD>%8.3f", c.Sy, c.Sz);
        if (shown.shear_areas)
            rep.printf("</TD><TD>%8.3f</TD><TD>%8.3f", c.Awy, c.Awz);
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
