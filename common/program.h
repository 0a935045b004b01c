// One analysis program: what it provides, and the run that every program
// makes of it.
//
// A program provides its model, derived from ModelCore (which carries what
// every model shares), and in the model's namespace these steps, in the
// order the run uses them (the run finds them through the model's type):
//   read_structure(run, s)        counts, joints, members and restraints
//                                 with their echo, everything up to the loads;
//   global_stiffness(s, i, sms, raw)  member i's stiffness in global axes and
//                                 the raw degrees of freedom of its rows;
//   equivalent_joint_loads(s, AE) member loads turned into joint loads;
//   member_end_actions(s, D)      end actions in member axes, added to AML;
//   allowables(s, i)              member i's allowable forces.
// Its ProgramTables describe, in report order, everything else it writes:
// the header, its lines of the zero-diagonal stop, the echo of the loads,
// the results tables, the member checks, its CSV and summary layouts, and
// how its drawing shows the structure.
#pragma once

#include <cstdio>
#include <memory>

#include "drawing.h"
#include "load_input.h"
#include "member_check.h"
#include "model_core.h"
#include "results.h"
#include "run.h"
#include "solution.h"

namespace qm {

struct ProgramTables {
    ProgramIdentity identity;
    bool footer_on_error; // an error stop closes the report with the footer
    DiagonalFailureLines diagonal_failure;
    DofNames dof_names; // a joint's directions, for the instability stops
    LoadEcho loads;
    DisplacementTable displacements;
    EndActionTable end_actions;
    CheckLayout check;
    CsvLayout csv;
    SummaryLayout summary;
    DrawingLayout drawing;
};

// The whole run: input and echo, assembly, the zero-diagonal stop and the
// inversion (all before the loads are read), the loads, the solution, the
// end actions, then the report's results, the CSV file and the summary.
// Returns the exit status: for a run that completes, 2 when a member that is
// not a dummy member fails a check and 0 when every check made passes; the
// status of its stop otherwise (the stop has said why on the console and in
// the report).
template <class Model> int run_program(const ProgramTables& p)
{
    AnalysisRun run(p.identity, p.footer_on_error);
    int status = 0;
    try {
        auto model = std::make_unique<Model>();
        Model& s = *model;
        // The matrix and its inverse are the largest tables of the run
        // (about 9 MB each for a space frame): allocated once.
        static StiffnessMatrix sm(s.size.matrix_order);
        static SolutionVectors v(s.size.matrix_order);
        static MemberCheck check(p.check, s.size.members);

        run.start();
        read_structure(run, s);

        const MemberSet members = {s.m, [&](int i, MemberMatrix& sms, int raw[]) { global_stiffness(s, i, sms, raw); }};
        sm.clear_matrix();
        v.clear();
        assemble(sm, members, s.dofs);
        check_diagonal(run, sm, s.dofs, p.diagonal_failure, s.m, s.nrj);
        invert_or_stop(run, sm, s.dofs, p.dof_names);

        read_loads(run, s, p.loads);
        if (s.nlm != 0)
            equivalent_joint_loads(s, v.AE.data());
        solve(run, sm, s.dofs, members, s.AJ.data(), v, p.dof_names);
        member_end_actions(s, v.D.data());

        write_displacement_table(run.report, p.displacements, s, v);
        write_end_action_table(run.report, p.end_actions, check, s, [&](int i) { return allowables(s, i); });

        write_csv(run.open_csv(), p.csv, p.displacements, s, v, check);
        write_drawing(run.open_drawing(), p.drawing, p.identity, s, v, check);

        run.open_summary();
        run.report.write_header(0, p.identity);
        write_summary(run.report, p.summary, s, check);
        run.finish();
        status = verdict_status(check, s);
    } catch (const RunStop& stop) {
        return stop.status;
    }
    std::printf("successfully completed\n");
    return status;
}

} // namespace qm
