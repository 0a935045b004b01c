#include "solution.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace qm {

void SolutionVectors::clear()
{
    for (auto* vec : {&AE, &AC, &Deq, &AReq, &D, &AR})
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
    say("%s", lines.console);
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
    switch (sm.invert(dofs.n, pivot_tolerance, &failed)) {
    case Inversion::done: return;
    case Inversion::unstable:
        run.stop_with("unstable or ill-conditioned structure: no stiffness left against " +
                      dof_text(dofs, names, failed));
    case Inversion::over_capacity:
        // The readers keep n within the capacity; reaching this is a fault
        // of the program, stopped rather than solved with a partial matrix.
        run.stop_with("too many equations: " + std::to_string(dofs.n) + " exceed the capacity of " +
                      std::to_string(sm.capacity()));
    }
}

double equilibrium_residual(const MemberSet& members, const DofNumbering& dofs, const float AC[], const double D[],
                            double r[], int* worst)
{
    int n = dofs.n;
    for (int e = 1; e <= n; ++e)
        r[e] = AC[e];
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
            r[eq[row]] -= sum;
        }
    }
    double load = 0.0, worst_residual = 0.0;
    *worst = 0;
    for (int e = 1; e <= n; ++e) {
        load = std::max(load, std::fabs(static_cast<double>(AC[e])));
        double res = std::fabs(r[e]);
        if (!(res <= worst_residual)) {
            worst_residual = res;
            *worst = e;
        }
    }
    if (load == 0.0)
        return worst_residual == 0.0 ? 0.0 : INFINITY;
    return worst_residual / load;
}

// Iterative refinement: D += B·r, the residual r formed in double precision
// from the members, for as long as the residual falls. D holds the best
// displacements found on return, *residual and *worst their relative
// residual and its equation; returns the number of steps that improved D.
static int refine(StiffnessMatrix& sm, const MemberSet& members, const DofNumbering& dofs, const float AC[],
                  float Df[], double* residual, int* worst)
{
    int n = dofs.n;
    std::vector<double> D(static_cast<size_t>(n) + 1), r(D.size()), dD(D.size()), best(D.size());
    for (int e = 1; e <= n; ++e)
        D[e] = Df[e];
    double best_residual = equilibrium_residual(members, dofs, AC, D.data(), r.data(), worst);
    best = D;
    int steps = 0;
    for (int step = 1; step <= max_refinement_steps; ++step) {
        sm.apply_inverse(r.data(), dD.data(), n);
        for (int e = 1; e <= n; ++e)
            D[e] += dD[e];
        int w = 0;
        double res = equilibrium_residual(members, dofs, AC, D.data(), r.data(), &w);
        if (!(res < best_residual))
            break;
        best = D;
        best_residual = res;
        *worst = w;
        steps = step;
    }
    for (int e = 1; e <= n; ++e)
        Df[e] = static_cast<float>(best[e]);
    *residual = best_residual;
    return steps;
}

// The largest change refinement made to a displacement, relative to the
// largest refined displacement.
static double largest_change(const std::vector<double>& plain, const float refined[], int n)
{
    double change = 0.0, largest = 0.0;
    for (int e = 1; e <= n; ++e) {
        change = std::max(change, std::fabs(refined[e] - plain[e]));
        largest = std::max(largest, std::fabs(static_cast<double>(refined[e])));
    }
    return largest > 0.0 ? change / largest : 0.0;
}

static void say_refined(int steps, double residual, double change)
{
    const char* plural = steps == 1 ? "" : "s";
    if (change > ill_conditioned_change)
        say("ill-conditioned equations: the single-precision solution, off by %.2g %% of the largest "
            "displacement, was refined in %d step%s to equilibrium within %.0e of the largest load\n",
            100.0 * change, steps, plural, residual);
    else
        say("the single-precision solution was refined in %d step%s to equilibrium within %.0e of the largest "
            "load\n",
            steps, plural, residual);
}

void solve(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const MemberSet& members, const float AJ[],
           SolutionVectors& v, const DofNames& names)
{
    int n = dofs.n;
    int total = n + dofs.nr;
    for (int q = 1; q <= total; ++q)
        v.AC[dofs.equation(q)] = AJ[q] + v.AE[q];
    sm.solve_displacements(n, v.AC.data(), v.Deq.data());

    std::vector<double> D(static_cast<size_t>(n) + 1), r(D.size());
    for (int e = 1; e <= n; ++e)
        D[e] = v.Deq[e];
    int worst = 0;
    double residual = equilibrium_residual(members, dofs, v.AC.data(), D.data(), r.data(), &worst);
    if (!(residual <= residual_tolerance)) {
        int steps = refine(sm, members, dofs, v.AC.data(), v.Deq.data(), &residual, &worst);
        if (!(residual <= refined_tolerance))
            run.stop_with("unstable or ill-conditioned structure: the loads find no equilibrium at " +
                          dof_text(dofs, names, worst));
        say_refined(steps, residual, largest_change(D, v.Deq.data(), n));
    }

    sm.support_reactions(n, dofs.nr, v.AC.data(), v.Deq.data(), v.AReq.data());
    expand_to_joints(dofs, v.Deq.data(), v.AReq.data(), v.D.data(), v.AR.data());
}

} // namespace qm
