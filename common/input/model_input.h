// Input records of the structure that every program reads the same way: the
// structure counts with the Input Summary table, joint coordinates, the
// joints of a member record, restraint records with the restraint count
// check, and the stop for a member of zero length. Each stops the run on a
// value outside the model.
#pragma once

#include "model/model_core.h"
#include "run/run.h"

namespace qm {

// Record 1 (m, nj, nr, nrj), checked against the capacities, and the
// "Input Summary" section with n = d*nj - nr.
void read_counts(AnalysisRun& run, ModelCore& s);

// How a program turns inches into feet for the echo: x/12 in single
// precision, or x times 0.08333333333333333 in double.
enum class FeetRule { divide_by_12, times_one_twelfth };

// The nj joint records ("%f,%f", or "%f,%f,%f" with z; inches) and the
// "Joint Coordinates" section in feet.
void read_joint_coordinates(AnalysisRun& run, ModelCore& s, bool with_z, FeetRule rule);

// Stops unless the start and end joints of member i lie in 1..nj.
void check_member_joints(AnalysisRun& run, int i, int jj, int jk, int nj);

// All nrj restraint records (every joint starts free): the joint number,
// then its flags (0 or 1). row, when given, echoes each record as it is
// read.
void read_restraint_records(AnalysisRun& run, ModelCore& s, void (*row)(HtmlReport& rep, const ModelCore& s, int j));

// Numbers the degrees of freedom and stops when nr disagrees with the flags.
void number_restraints(AnalysisRun& run, ModelCore& s);

// "Joint Restraints" with one row per joint 1..nj; titles is the column
// title text of the program.
void write_restraints_by_joint(HtmlReport& rep, const ModelCore& s, const char* titles);
// One "Joint Restraints" row: joint j and its flags.
void write_restraint_row(HtmlReport& rep, const ModelCore& s, int j);

// Length and direction cosines of member i from its joints (in the x-y
// plane, or in space with z), every step in single precision. Two joints at
// the same place stop the run: the member's number, its joints and its
// coordinate differences go to the report, and with details_on_console to
// the console as well.
void member_geometry(AnalysisRun& run, ModelCore& s, int i, bool with_z, bool details_on_console);

} // namespace qm
