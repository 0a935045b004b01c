#include "solution.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qm {

void SolutionVectors::clear()
{
    for (auto* vec : {&AE, &AC, &D, &AR})
        std::fill(vec->begin(), vec->end(), 0.0f);
}

void assemble(StiffnessMatrix& sm, const MemberSet& members, const DofNumbering& dofs)
{
    MemberMatrix sms;
    int raw[13] = {};
    for (int i = 1; i <= members.m; ++i) {
        members.global_stiffness(i, sms, raw);
        sm.assemble_member(sms, raw, dofs);
    }
}

void check_diagonal(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const DiagonalFailureLines& lines,
                    int m, int nrj)
{
    int n = dofs.n;
    int first = 0;
    for (int i = 1; i <= n && first == 0; ++i)
        if (sm.k(i, i) == 0.0f)
            first = i;
    if (first == 0)
        return;
    HtmlReport& rep = run.report;
    for (const char* line : lines.report_head)
        if (line)
            rep.printf("%s", line);
    std::printf("%s", lines.console);
    for (int j = 1; j <= n; ++j)
        if (sm.k(j, j) == 0.0f)
            rep.printf(lines.entry, j);
    if (lines.array_size)
        rep.printf(lines.array_size, n);
    if (lines.counts)
        rep.printf(lines.counts, m, dofs.nj, dofs.nr, nrj);
    if (lines.tail)
        rep.printf("%s", lines.tail);
    run.stop();
}

static std::string dof_text(const DofNumbering& dofs, const DofNames& names, int equation)
{
    int q = dofs.raw_of_equation(equation);
    int joint = (q - 1) / dofs.d() + 1;
    int k = (q - 1) % dofs.d();
    return std::string(names.name[k]) + " of joint " + std::to_string(joint);
}

void invert_or_stop(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const DofNames& names)
{
    int failed = 0;
    if (sm.invert(dofs.n, pivot_tolerance, &failed) == 2)
        run.stop_with("unstable or ill-conditioned structure: no stiffness left against " +
                      dof_text(dofs, names, failed));
}

double equilibrium_residual(const MemberSet& members, const DofNumbering& dofs, const float AC[], const float D[],
                            int* worst)
{
    int n = dofs.n;
    std::vector<double> r(static_cast<size_t>(n) + 1, 0.0);
    MemberMatrix sms;
    int raw[13] = {};
    double u[13];
    int eq[13];
    for (int i = 1; i <= members.m; ++i) {
        members.global_stiffness(i, sms, raw);
        for (int c = 1; c <= sms.nd; ++c) {
            eq[c] = dofs.equation(raw[c]);
            u[c] = eq[c] <= n ? D[eq[c]] : 0.0;
        }
        for (int row = 1; row <= sms.nd; ++row) {
            if (eq[row] > n)
                continue;
            double sum = 0.0;
            for (int c = 1; c <= sms.nd; ++c)
                sum += static_cast<double>(sms.a[row][c]) * u[c];
            r[eq[row]] += sum;
        }
    }
    double load = 0.0, worst_residual = 0.0;
    *worst = 0;
    for (int e = 1; e <= n; ++e) {
        load = std::max(load, std::fabs(static_cast<double>(AC[e])));
        double res = std::fabs(r[e] - AC[e]);
        if (!(res <= worst_residual)) {
            worst_residual = res;
            *worst = e;
        }
    }
    if (load == 0.0)
        return worst_residual == 0.0 ? 0.0 : INFINITY;
    return worst_residual / load;
}

void solve(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const MemberSet& members, const float AJ[],
           SolutionVectors& v, const DofNames& names)
{
    int total = dofs.n + dofs.nr;
    for (int q = 1; q <= total; ++q)
        v.AC[dofs.equation(q)] = AJ[q] + v.AE[q];
    sm.solve_displacements(dofs.n, v.AC.data(), v.D.data());

    int worst = 0;
    double residual = equilibrium_residual(members, dofs, v.AC.data(), v.D.data(), &worst);
    if (!(residual <= residual_tolerance))
        run.stop_with("unstable or ill-conditioned structure: the loads find no equilibrium at " +
                      dof_text(dofs, names, worst));

    sm.support_reactions(dofs.n, dofs.nr, v.AC.data(), v.D.data(), v.AR.data());
    expand_to_joints(dofs, v.D.data(), v.AR.data());
}

} // namespace qm
