// The order of every analysis run once the restraints are read: assembly,
// the zero-diagonal stop, the inversion (all before the loads are read), the
// loads, the solution, the end actions, then the report's results, the CSV
// file and the summary. A program supplies its own steps through
// StructureAnalysis and its tables through ProgramTables.
#pragma once

#include <cstdio>

#include "member_check.h"
#include "run.h"
#include "solution.h"

namespace qm {

struct ProgramTables {
    int matrix_capacity;
    int member_capacity;
    const CheckLayout& check_layout;
    const DiagonalFailureLines& diagonal_failure;
    const DofNames& dof_names;
};

class StructureAnalysis {
public:
    virtual ~StructureAnalysis() = default;
    virtual const MemberSet& members() const = 0;
    virtual int members_count() const = 0;  // m
    virtual int restrained_joints() const = 0; // nrj
    // Load records and dummy members, with their echo; closes the input.
    virtual void read_loads(AnalysisRun& run) = 0;
    virtual bool has_member_loads() const = 0;
    virtual void equivalent_joint_loads(float AE[]) = 0;
    virtual const float* joint_loads() const = 0; // AJ by raw number
    // End actions in member axes, accumulated onto the member loads.
    virtual void member_end_actions(const float D[]) = 0;
    // "Calculated Results" up to the end of the member table.
    virtual void write_results(HtmlReport& rep, const SolutionVectors& v, MemberCheck& check) = 0;
    virtual void write_csv(std::FILE* f, const SolutionVectors& v, MemberCheck& check) = 0;
    // The summary file after its plain-text header.
    virtual void write_summary(HtmlReport& rep, MemberCheck& check) = 0;
};

void run_analysis(AnalysisRun& run, DofNumbering& dofs, const ProgramTables& tables, StructureAnalysis& program);

} // namespace qm
