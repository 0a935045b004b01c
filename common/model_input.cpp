#include "model_input.h"

#include <cstdio>
#include <string>

#include "echo.h"
#include "units.h"

namespace qm {

void read_counts(AnalysisRun& run, const Capacities& cap, int d, int& m, int& nj, int& nr, int& nrj)
{
    HtmlReport& rep = run.report;
    rep.write_section_heading("Input Summary");
    rep.open_table();
    write_styled_row_start(rep);
    run.scan("structure counts", 0, "%i,%i,%i,%i\n", &m, &nj, &nr, &nrj);
    run.check_range("structure counts", 0, "number of members (m)", m, 0, cap.members);
    run.check_range("structure counts", 0, "number of joints (nj)", nj, 0, cap.joints);
    run.check_range("structure counts", 0, "number of support restraints (nr)", nr, 0, d * cap.joints);
    run.check_range("structure counts", 0, "number of restrained joints (nrj)", nrj, 0, cap.joints);
    write_parameters(rep, m, d * nj - nr, nj, nr, nrj);
}

void read_joint_coordinates(AnalysisRun& run, int nj, float x[], float y[], float z[], FeetRule rule)
{
    for (int j = 1; j <= nj; ++j) {
        if (z)
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
    if (z)
        rep.printf("joint</TD><TD>x (feet)</TD><TD>y (feet)</TD><TD>z (feet)\n");
    else
        rep.printf("joint</TD><TD>x (feet)</TD><TD>y (feet)\n");
    for (int j = 1; j <= nj; ++j) {
        rep.printf("<TR>\n<TD>\n");
        if (z)
            rep.printf("%2i</TD><TD>%8.3f</TD><TD>%8.3f</TD><TD>%8.3f", j, in_feet(x[j]), in_feet(y[j]), in_feet(z[j]));
        else
            rep.printf("%2i</TD><TD>%8.3f</TD><TD>%8.3f", j, in_feet(x[j]), in_feet(y[j]));
        rep.printf("</TD>\n</TR>\n");
    }
    rep.close_table();
}

int read_restraint(AnalysisRun& run, int r, int nj, DofNumbering& dofs)
{
    int j = 0;
    int f[6] = {};
    run.scan("restraint", r, "%i", &j);
    run.check_range("restraint", r, "joint", j, 1, nj);
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

void number_and_check_restraints(AnalysisRun& run, DofNumbering& dofs, int nj, int nr)
{
    dofs.number(nj, nr);
    if (dofs.flags_set() != nr)
        run.fail("restraints", 0,
                 "number of support restraints (nr) is " + std::to_string(nr) + " but " +
                     std::to_string(dofs.flags_set()) + " restraint flags are set");
}

void read_restraint_records(AnalysisRun& run, DofNumbering& dofs, int nj, int nr, int nrj)
{
    dofs.clear();
    for (int r = 1; r <= nrj; ++r)
        read_restraint(run, r, nj, dofs);
    number_and_check_restraints(run, dofs, nj, nr);
}

void write_restraints_by_joint(HtmlReport& rep, const DofNumbering& dofs, int nj, const char* titles)
{
    rep.write_section_heading("Joint Restraints");
    rep.open_table();
    rep.printf("<TR>\n<TD>\n");
    rep.printf("%s", titles);
    rep.printf("</TD>\n</TR>\n");
    for (int j = 1; j <= nj; ++j)
        write_restraint_row(rep, j, &dofs.rl[dofs.raw(j, 1)], dofs.d());
    rep.close_table();
}

void stop_zero_length_plane(AnalysisRun& run, int i, int jk, int jj, float dx, float dy)
{
    std::printf("\nERROR - divide by 0\none length was 0\n");
    HtmlReport& rep = run.report;
    rep.printf("\nERROR\tdivide by 0\n");
    rep.printf("i = %i\n", i);
    rep.printf("jk[i] = %f    jj[i] = %f\n", static_cast<double>(jk), static_cast<double>(jj));
    rep.printf("xcl = %f  ycl = %f\n\n", dx, dy);
    run.stop();
}

void read_load_counts(AnalysisRun& run, int& nlj, int& nlm)
{
    run.scan("load counts", 0, "%i,%i\n", &nlj, &nlm);
    write_load_counts(run.report, nlj, nlm);
}

void read_joint_loads(AnalysisRun& run, int nlj, int nj, int d, float AJ[])
{
    for (int l = 1; l <= nlj; ++l) {
        int j = 0;
        run.scan("joint load", l, "%i", &j);
        run.check_range("joint load", l, "joint", j, 1, nj);
        float* a = &AJ[d * (j - 1)];
        switch (d) {
        case 2: run.scan("joint load", l, "%f,%f", &a[1], &a[2]); break;
        case 3: run.scan("joint load", l, "%f,%f,%f", &a[1], &a[2], &a[3]); break;
        default: run.scan("joint load", l, "%f,%f,%f,%f,%f,%f", &a[1], &a[2], &a[3], &a[4], &a[5], &a[6]); break;
        }
    }
}

void read_member_loads(AnalysisRun& run, int nlm, int m, int nc, const std::function<float*(int)>& row)
{
    for (int l = 1; l <= nlm; ++l) {
        int i = 0;
        run.scan("member load", l, nc == 4 ? "%i" : "%i\n", &i);
        run.check_range("member load", l, "member", i, 1, m);
        float* a = row(i);
        switch (nc) {
        case 4: run.scan("member load", l, "%f,%f,%f,%f", &a[1], &a[2], &a[3], &a[4]); break;
        case 6: run.scan("member load", l, "%f,%f,%f,%f,%f,%f\n", &a[1], &a[2], &a[3], &a[4], &a[5], &a[6]); break;
        default:
            run.scan("member load", l, "%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f,%f\n", &a[1], &a[2], &a[3], &a[4], &a[5],
                     &a[6], &a[7], &a[8], &a[9], &a[10], &a[11], &a[12]);
            break;
        }
    }
}

void read_dummy_list(AnalysisRun& run, const Capacities& cap, int m, int& ndummy, int dummy[])
{
    run.scan("dummy members", 0, "%i", &ndummy);
    if (ndummy > cap.dummies)
        run.fail("dummy members", 0,
                 "number of dummy members " + std::to_string(ndummy) + " is above " + std::to_string(cap.dummies));
    for (int l = 1; l <= ndummy; ++l) {
        run.scan("dummy member", l, "%i", &dummy[l]);
        run.check_range("dummy member", l, "member", dummy[l], 1, m);
    }
}

} // namespace qm
