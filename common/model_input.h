// Input records that every program reads the same way: the structure counts
// with the Input Summary table, restraint records, the restraint count check
// and the dummy-member list. Each stops the run on a value outside the model.
#pragma once

#include <functional>

#include "dof_numbering.h"
#include "run.h"

namespace qm {

struct Capacities {
    int joints;
    int members;
    int dummies;
};

// Record 1 (m, nj, nr, nrj), checked against the capacities, and the
// "Input Summary" section with n = d*nj - nr.
void read_counts(AnalysisRun& run, const Capacities& cap, int d, int& m, int& nj, int& nr, int& nrj);

// How a program turns inches into feet for the echo: x/12 in single
// precision, or x times 0.08333333333333333 in double.
enum class FeetRule { divide_by_12, times_one_twelfth };

// The nj joint records ("%f,%f" or, with z given, "%f,%f,%f"; inches) and
// the "Joint Coordinates" section in feet.
void read_joint_coordinates(AnalysisRun& run, int nj, float x[], float y[], float z[], FeetRule rule);

// Restraint record r: the joint number, then its d flags (0 or 1), which are
// stored in dofs. Returns the joint number.
int read_restraint(AnalysisRun& run, int r, int nj, DofNumbering& dofs);

// Numbers the degrees of freedom and stops when nr disagrees with the flags.
void number_and_check_restraints(AnalysisRun& run, DofNumbering& dofs, int nj, int nr);

// All nrj restraint records (every joint starts free), then the numbering
// and the restraint count check.
void read_restraint_records(AnalysisRun& run, DofNumbering& dofs, int nj, int nr, int nrj);

// "Joint Restraints" with one row per joint 1..nj; titles is the column
// title text of the program.
void write_restraints_by_joint(HtmlReport& rep, const DofNumbering& dofs, int nj, const char* titles);

// The stop for a member whose two joints coincide in a plane structure:
// dx and dy are its coordinate differences (inches).
[[noreturn]] void stop_zero_length_plane(AnalysisRun& run, int i, int jk, int jj, float dx, float dy);

// The load counts (nlj, nlm) and the "Global Load Information" section.
void read_load_counts(AnalysisRun& run, int& nlj, int& nlm);

// nlj joint-load records: the joint number, then its d load components
// (kips, inch-kips) into AJ at the joint's raw numbers. A later record for
// the same joint replaces the earlier one.
void read_joint_loads(AnalysisRun& run, int nlj, int nj, int d, float AJ[]);

// nlm member-load records: the member number, then its nc fixed-end actions
// (4, 6 or 12) into row(i)[1..nc].
void read_member_loads(AnalysisRun& run, int nlm, int m, int nc, const std::function<float*(int)>& row);

// The dummy-member count and list (a count of zero or below means none).
void read_dummy_list(AnalysisRun& run, const Capacities& cap, int m, int& ndummy, int dummy[]);

} // namespace qm
