// The stiffness solution of a run: assembly, the zero-diagonal stop, the
// inversion with its instability stop, the combined loads, displacements,
// the equilibrium check and the support reactions.
//
// An unstable structure never reaches the report as a result: a pivot that
// has lost its stiffness during the inversion, or displacements that do not
// satisfy the free equations when these are rebuilt from the members, stop
// the run naming the joint and the direction concerned.
#pragma once

#include <functional>
#include <vector>

#include "dof_numbering.h"
#include "run.h"
#include "stiffness_matrix.h"

namespace qm {

// What the solution needs from a program's members: how many there are and
// each member's stiffness in global axes with the raw degrees of freedom of
// its rows and columns.
struct MemberSet {
    int m;
    std::function<void(int i, MemberMatrix& sms, int raw[])> global_stiffness;
};

// The program's own lines of the zero-diagonal stop.
struct DiagonalFailureLines {
    const char* report_head[4]; // written in order, up to the first null
    const char* console;
    const char* entry;      // "%i" format per zero diagonal (its equation number)
    const char* array_size; // "%i" format with n, or null
    const char* counts;     // "%i,%i,%i,%i" format with m, nj, nr, nrj, or null
    const char* tail;       // or null
};

// The lines of the programs that list each free equation without stiffness
// by its bare number, with no size or counts lines.
inline constexpr DiagonalFailureLines zero_diagonal_by_number = {
    .report_head = {"\nERROR\t0 on primary diagonal\n", "and entire array columns.\n", "Structure is indeterminante\n",
                    nullptr},
    .console = "\nERROR\t0 on primary diagonal\n",
    .entry = "%i\n",
    .array_size = nullptr,
    .counts = nullptr,
    .tail = nullptr,
};

// Load and result vectors by degree of freedom, 1-based, sized once. Two
// orders meet here: raw order (joint j's degrees of freedom together, as the
// input and the report list them) and equation order (free degrees of
// freedom 1..n, then the supports n+1..n+nr, as the matrix holds them).
struct SolutionVectors {
    explicit SolutionVectors(int size)
        : AE(size + 1), AC(size + 1), Deq(size + 1), AReq(size + 1), D(size + 1), AR(size + 1)
    {
    }
    void clear();
    std::vector<float> AE;   // equivalent joint loads, raw order
    std::vector<float> AC;   // combined loads, equation order
    std::vector<float> Deq;  // free displacements, equation order (inches, radians)
    std::vector<float> AReq; // support reactions, equation order (kips, inch-kips)
    std::vector<float> D;    // displacements, raw order: the results
    std::vector<float> AR;   // support reactions, raw order: the results
};

// Names of the degrees of freedom of one joint, in raw order, for messages:
// "translation y" gives "translation y of joint 4".
struct DofNames {
    const char* name[6];
};

// Thresholds of the instability stops and of refinement, chosen from
// measurements in single precision. Pivots (as a fraction of the diagonal
// they started from): small mechanisms give exact zeros, negative values or
// NaN; large ones keep pivots of 5e-6 to 6e-5 through rounding, which no
// pivot test can tell from a slender stable structure (a 30-member
// cantilever chain has 4e-5). The equilibrium residual, relative to the
// largest load, tells them apart once the solution is refined: stable
// structures, however ill-conditioned, come down to 1e-9 or below within a
// few steps (the 40-, 60- and 99-panel cantilever trusses in 7, 10 and 19),
// mechanisms do not come down at all. Plain solutions of the shipped examples
// and of a full-size space frame leave residuals of 3e-5 at most; a 20-member
// cantilever beam leaves 4e-2 and misses its support moment by 0.3 %, a
// 20-panel cantilever truss 2e-2 and misses its bar forces by 0.06 %: those
// above 1e-3 are refined.
inline constexpr float pivot_tolerance = 1e-6f;
inline constexpr double residual_tolerance = 1e-3;
// A solution that fails the residual test is refined in double precision
// while its residual falls; it is accepted when the residual has come below
// refined_tolerance.
inline constexpr int max_refinement_steps = 50;
inline constexpr double refined_tolerance = 1e-6;
// The console calls the equations ill-conditioned only when refinement
// changed a displacement by more than a hundredth of the largest one: the
// single-precision solution was wrong by more than an engineer would
// accept (the 60-panel cantilever truss, 3 %). Below that, refinement only
// polished what rounding left in a structure that is ordinary enough (a
// 14-chord quarter-ring grid 0.2 %, the 20-member cantilever beam 0.3 %, the
// 40-panel cantilever truss 0.6 %), however large its residual was.
inline constexpr double ill_conditioned_change = 1e-2;

void assemble(StiffnessMatrix& sm, const MemberSet& members, const DofNumbering& dofs);

// Stops with the program's lines when a free equation has no stiffness.
void check_diagonal(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const DiagonalFailureLines& lines,
                    int m, int nrj);

// Inverts the free block; stops when the structure turns out unstable.
void invert_or_stop(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const DofNames& names);

// Combined loads AC[equation of q] = AJ[q] + AE[q], displacements, the
// equilibrium check against the members, reactions, and the expansion of D
// and AR to raw order.
void solve(AnalysisRun& run, StiffnessMatrix& sm, const DofNumbering& dofs, const MemberSet& members, const float AJ[],
           SolutionVectors& v, const DofNames& names);

// The residual r = AC - K*D of the free equations, K formed from the
// members' stiffness in double precision. Returns its largest magnitude
// relative to the largest free load; *worst is that equation.
double equilibrium_residual(const MemberSet& members, const DofNumbering& dofs, const float AC[], const double D[],
                            double r[], int* worst);

} // namespace qm
