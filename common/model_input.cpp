#include "model_input.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "echo.h"
#include "units.h"

namespace qm {

void read_counts(AnalysisRun& run, ModelCore& s)
{
    const ModelSize& cap = s.size;
    HtmlReport& rep = run.report;
    rep.write_section_heading("Input Summary");
    rep.open_table();
    write_styled_row_start(rep);
    run.scan("structure counts", 0, "%i,%i,%i,%i\n", &s.m, &s.nj, &s.nr, &s.nrj);
    run.check_range("structure counts", 0, "number of members (m)", s.m, 0, cap.members);
    run.check_range("structure counts", 0, "number of joints (nj)", s.nj, 0, cap.joints);
    run.check_range("structure counts", 0, "number of support restraints (nr)", s.nr, 0,
                    cap.dofs_per_joint * cap.joints);
    run.check_range("structure counts", 0, "number of restrained joints (nrj)", s.nrj, 0, cap.joints);
    write_parameters(rep, s.m, cap.dofs_per_joint * s.nj - s.nr, s.nj, s.nr, s.nrj);
}

void read_joint_coordinates(AnalysisRun& run, ModelCore& s, bool with_z, FeetRule rule)
{
    int nj = s.nj;
    float *x = s.x.data(), *y = s.y.data(), *z = s.z.data();
    for (int j = 1; j <= nj; ++j) {
        if (with_z)
            run.scan("joint", j, "%f,%f,%f", &x[j], &y[j], &z[j]);
        else
            run.scan("joint", j, "%f,%f", &x[j], &y[j]);
    }
    auto in_feet = [rule](float inches) {
        return rule == FeetRule::divide_by_12 ? static_cast<double>(inches / 12) : feet(inches);
    };
    HtmlReport& rep = run.report;
    rep.write_section_heading("Joint Coordinates");
    rep.open_table();
    write_styled_row_start(rep);
    if (with_z)
        rep.printf("joint</TD><TD>x (feet)</TD><TD>y (feet)</TD><TD>z (feet)\n");
    else
        rep.printf("joint</TD><TD>x (feet)</TD><TD>y (feet)\n");
    for (int j = 1; j <= nj; ++j) {
        rep.printf("<TR>\n<TD>\n");
        if (with_z)
            rep.printf("%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f", j, in_feet(x[j]), in_feet(y[j]), in_feet(z[j]));
        else
            rep.printf("%2i</TD><TD>%8.3f</TD><TD>%8.3f", j, in_feet(x[j]), in_feet(y[j]));
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

void check_member_joints(AnalysisRun& run, int i, int jj, int jk, int nj)
{
    run.check_range("member", i, "start joint", jj, 1, nj);
    run.check_range("member", i, "end joint", jk, 1, nj);
}

// Restraint record r: the joint number, then its d flags (0 or 1), stored
// in the numbering. Returns the joint number.
static int read_restraint(AnalysisRun& run, int r, ModelCore& s)
{
    DofNumbering& dofs = s.dofs;
    int j = 0;
    int f[6] = {};
    run.scan("restraint", r, "%i", &j);
    run.check_range("restraint", r, "joint", j, 1, s.nj);
    switch (dofs.d()) {
    case 2: run.scan("restraint", r, "%i,%i", &f[0], &f[1]); break;
    case 3: run.scan("restraint", r, "%i,%i,%i", &f[0], &f[1], &f[2]); break;
    default: run.scan("restraint", r, "%i,%i,%i,%i,%i,%i", &f[0], &f[1], &f[2], &f[3], &f[4], &f[5]); break;
    }
    for (int k = 0; k < dofs.d(); ++k) {
        run.check_range("restraint", r, "flag", f[k], 0, 1);
        dofs.set_flag(dofs.raw(j, k + 1), f[k]);
    }
    return j;
}

void read_restraint_records(AnalysisRun& run, ModelCore& s, void (*row)(HtmlReport& rep, const ModelCore& s, int j))
{
    DofNumbering& dofs = s.dofs;
    dofs.clear();
    for (int r = 1; r <= s.nrj; ++r) {
        int j = read_restraint(run, r, s);
        if (row)
            row(run.report, s, j);
    }
}

void number_restraints(AnalysisRun& run, ModelCore& s)
{
    DofNumbering& dofs = s.dofs;
    dofs.number(s.nj, s.nr);
    if (dofs.flags_set() != s.nr)
        run.fail("restraints", 0,
                 "number of support restraints (nr) is " + std::to_string(s.nr) + " but " +
                     std::to_string(dofs.flags_set()) + " restraint flags are set");
}

void write_restraint_row(HtmlReport& rep, const ModelCore& s, int j)
{
    const DofNumbering& dofs = s.dofs;
    rep.printf("<TR>\n");
    rep.printf("<TD>\n%i</TD>", j);
    for (int k = 1; k <= dofs.d(); ++k)
        rep.printf(dofs.rl[dofs.raw(j, k)] != 0 ? "<TD>\nrestrained</TD>" : "<TD>\nunrestrained</TD>");
    rep.printf("</TR>\n");
}

void write_restraints_by_joint(HtmlReport& rep, const ModelCore& s, const char* titles)
{
    open_echo_table(rep, "Joint Restraints", titles);
    for (int j = 1; j <= s.nj; ++j)
        write_restraint_row(rep, s, j);
    rep.close_table();
}

[[noreturn]] static void stop_zero_length(AnalysisRun& run, int i, int jk, int jj, const float d[], bool with_z,
                                          bool details_on_console)
{
    say("\nERROR - divide by 0\none length was 0\n");
    if (details_on_console) {
        say("i = %i\n", i);
        say("jk[i] = %i    jj[i] = %i\n", jk, jj);
        say("xcl = %f  ycl = %f  zcl = %f\n\n", d[0], d[1], d[2]);
    }
    HtmlReport& rep = run.report;
    rep.printf("\nERROR\tdivide by 0\n");
    rep.printf("i = %i\n", i);
    rep.printf("jk[i] = %f    jj[i] = %f\n", static_cast<double>(jk), static_cast<double>(jj));
    if (with_z)
        rep.printf("xcl = %f  ycl = %f  zcl = %f\n\n", d[0], d[1], d[2]);
    else
        rep.printf("xcl = %f  ycl = %f\n\n", d[0], d[1]);
    run.stop();
}

// The root of a single-precision sum, whether taken in single or in double
// precision, rounds to the same single-precision length.
void member_geometry(AnalysisRun& run, ModelCore& s, int i, bool with_z, bool details_on_console)
{
    int a = s.jj[i], b = s.jk[i];
    float dx = s.x[b] - s.x[a];
    float dy = s.y[b] - s.y[a];
    float dz = with_z ? s.z[b] - s.z[a] : 0.0f;
    float sum = with_z ? dx * dx + dy * dy + dz * dz : dx * dx + dy * dy;
    s.L[i] = std::sqrt(sum);
    if (s.L[i] == 0.0f) {
        const float d[3] = {dx, dy, dz};
        stop_zero_length(run, i, b, a, d, with_z, details_on_console);
    }
    s.xcl[i] = dx / s.L[i];
    s.ycl[i] = dy / s.L[i];
    s.zcl[i] = dz / s.L[i];
}

} // namespace qm
