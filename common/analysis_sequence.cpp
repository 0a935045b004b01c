#include "analysis_sequence.h"

namespace qm {

void run_analysis(AnalysisRun& run, DofNumbering& dofs, const ProgramTables& tables, StructureAnalysis& program)
{
    // The matrix and its inverse are the largest tables of the run (about
    // 9 MB each for a space frame): allocated once, here.
    static StiffnessMatrix sm(tables.matrix_capacity);
    static SolutionVectors v(tables.matrix_capacity);
    static MemberCheck check(tables.check_layout, tables.member_capacity);

    sm.clear_matrix();
    v.clear();
    assemble(sm, program.members(), dofs);
    check_diagonal(run, sm, dofs, tables.diagonal_failure, program.members_count(), program.restrained_joints());
    invert_or_stop(run, sm, dofs, tables.dof_names);

    program.read_loads(run);
    if (program.has_member_loads())
        program.equivalent_joint_loads(v.AE.data());
    solve(run, sm, dofs, program.members(), program.joint_loads(), v, tables.dof_names);
    program.member_end_actions(v.D.data());

    program.write_results(run.report, v, check);
    run.report.close();

    std::FILE* csv = run.open_output(".csv");
    program.write_csv(csv, v, check);
    std::fclose(csv);

    run.reopen_report(".txt");
    run.report.write_header(0, run.id());
    program.write_summary(run.report, check);
    run.report.close();
}

} // namespace qm
