#include "model.h"

#include <cstdio>
#include <string>

#include "report/echo.h"
#include "input/model_input.h"
#include "report/units.h"

namespace girder {

// One row of the parameters table; the beam's texts carry no line end.
template <class T> static void parameter_row(qm::HtmlReport& rep, const char* fmt, T value)
{
    rep.printf("<TR>\n<TD>\n");
    rep.printf(fmt, value);
    rep.printf("</TD>\n</TR>\n");
}

// The header record (m, nr, nrj, E, Fy) and the "Input Summary". There is no
// joint count: nj = m + 1.
static void read_header(qm::AnalysisRun& run, StructureModel& s)
{
    const qm::ModelSize& cap = s.size;
    qm::HtmlReport& rep = run.report;
    rep.write_section_heading("Input Summary");
    rep.open_table();
    qm::write_styled_row_start(rep);
    run.scan("structure header", 0, "%i,%i,%i,%i,%f\n", &s.m, &s.nr, &s.nrj, &s.E, &s.Fy);
    run.check_range("structure header", 0, "number of members (m)", s.m, 0, cap.members);
    s.nj = s.m + 1;
    run.check_range("structure header", 0, "number of support restraints (nr)", s.nr, 0, 2 * s.nj);
    run.check_range("structure header", 0, "number of restrained joints (nrj)", s.nrj, 0, cap.joints);

    rep.printf("Global structure parameters</TD><TD>number of members (m)</TD><TD>%i", s.m);
    rep.printf("</TD>\n");
    parameter_row(rep, "&nbsp;</TD><TD>number of degrees of freedom (n)</TD><TD>%i", 2 * s.nj - s.nr);
    parameter_row(rep, "&nbsp;</TD><TD>number of support restraints (nr)</TD><TD>%i", s.nr);
    parameter_row(rep, "&nbsp;</TD><TD>number of restrained joints (nrj)</TD><TD>%i", s.nrj);
    parameter_row(rep, "&nbsp;</TD><TD>Modulus of Elasticity (e)</TD><TD>%i", s.E);
    parameter_row(rep, "&nbsp;</TD><TD>Yield strength (F<sub>y</sub>)</TD><TD>%5.2f ksi", s.Fy);
    qm::write_units(rep, false);
    rep.close_table();
}

// A member of length 0 stops the run inside the member table, right after
// its own row; later members are not echoed.
[[noreturn]] static void stop_zero_length(qm::AnalysisRun& run)
{
    qm::HtmlReport& rep = run.report;
    rep.printf("<TR>\n<TD>\n");
    rep.printf("\nERROR\tdivide by 0\n");
    rep.printf("</TD>\n</TR>\n");
    qm::say("\nERROR - length was 0\n");
    run.stop();
}

// The member records (L, Ix, A, Sx and, where given, the shear area Aw; the
// member number is the record's place) and "Member Properties", with a
// column for Aw where some record gives one.
static void read_members(qm::AnalysisRun& run, StructureModel& s)
{
    for (int i = 1; i <= s.m; ++i) {
        run.scan("member", i, "%f,%f,%f,%f[,%f]\n", &s.L[i], &s.sec[i].Ix, &s.sec[i].A, &s.sec[i].Sx, &s.sec[i].Aw);
        s.jj[i] = i;
        s.jk[i] = i + 1;
    }
    bool shear_areas = false;
    for (int i = 1; i <= s.m; ++i)
        shear_areas = shear_areas || s.sec[i].Aw != 0.0f;
    qm::HtmlReport& rep = run.report;
    std::string titles = "member</TD><TD>length (feet)</TD><TD>I<sub>x</sub> (in<sup>4</sup>)</TD><TD>area (in<sup>2"
                         "</sup>)</TD><TD>S<sub>x</sub> (in<sup>3</sup>)";
    if (shear_areas)
        titles += "</TD><TD>A<sub>w</sub> (in<sup>2</sup>)";
    qm::open_echo_table(rep, "Member Properties", titles.c_str());
    for (int i = 1; i <= s.m; ++i) {
        rep.printf("<TR>\n<TD>\n");
        rep.printf("%i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f", i, qm::feet(s.L[i]), s.sec[i].Ix,
                   s.sec[i].A, s.sec[i].Sx);
        if (shear_areas)
            rep.printf("</TD><TD>%8.3f", s.sec[i].Aw);
        rep.printf("</TD>\n</TR>\n");
        if (s.L[i] == 0.0f)
            stop_zero_length(run);
    }
    rep.close_table();
}

void read_structure(qm::AnalysisRun& run, StructureModel& s)
{
    read_header(run, s);
    read_members(run, s);
    qm::read_restraint_records(run, s, nullptr);
    qm::number_restraints(run, s);
    qm::write_restraints_by_joint(run.report, s, "joint</TD><TD>translation</TD><TD>rotation\n");
}

} // namespace girder
