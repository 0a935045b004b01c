// One analysis program: what it provides, and the run that every program
// makes of it.
//
// A program provides its model, derived from ModelCore (which carries what
// every model shares), the five steps that the concept AnalysisProgram
// below names, in the model's namespace (the run finds them through the
// model's type), and its ProgramTables: in report order, everything else it
// writes (the header, its lines of the zero-diagonal stop, the echo of the
// loads, the results tables, the member checks, its CSV and summary layouts,
// and how its drawing shows the structure).
#pragma once

#include <concepts>
#include <cstdio>
#include <memory>

#include "drawing.h"
#include "format_check.h"
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

// The steps of a program, in the order the run uses them:
//   read_structure(run, s)            counts, joints, members and restraints
//                                     with their echo, everything up to the
//                                     loads;
//   global_stiffness(s, i, sms, raw)  member i's stiffness in global axes and
//                                     the raw degrees of freedom of its rows;
//   equivalent_joint_loads(s, AE)     member loads turned into joint loads,
//                                     subtracted from AE (raw order);
//   member_end_actions(s, D)          end actions in member axes from the
//                                     displacements D (raw order), added to
//                                     the member loads AML;
//   allowables(s, i)                  member i's allowable forces.
template <class Model>
concept AnalysisProgram =
    std::derived_from<Model, ModelCore> &&
    requires(AnalysisRun& run, Model& s, const Model& cs, int i, MemberMatrix& sms, int raw[], float AE[],
             const float D[]) {
        { read_structure(run, s) } -> std::same_as<void>;
        { global_stiffness(cs, i, sms, raw) } -> std::same_as<void>;
        { equivalent_joint_loads(cs, AE) } -> std::same_as<void>;
        { member_end_actions(s, D) } -> std::same_as<void>;
        { allowables(cs, i) } -> std::same_as<Allowables>;
    };

// Every printf format of the tables takes the arguments its writer passes:
// the titles with the revision; the zero-diagonal lines with equation
// numbers and counts; the echo rows with a joint or member number and up to
// twelve reals; the results rows with up to twelve reals; the member rows
// with the member number, each end action and each limit.
constexpr bool formats_fit(const ProgramTables& p)
{
    using namespace format;
    const DiagonalFailureLines& z = p.diagonal_failure;
    return takes(p.identity.html_title, "f") && takes(p.identity.text_title, "f") && takes(z.entry, "i") &&
           absent_or_takes(z.array_size, "i") && absent_or_takes(z.counts, "iiii") &&
           takes_up_to(p.loads.joint_row, "i", 12) && takes_up_to(p.loads.member_row, "i", 12) &&
           (p.loads.member_text_row == nullptr || takes_up_to(p.loads.member_text_row, "i", 12)) &&
           takes_up_to(p.displacements.row, "", 12) && takes(p.check.row.open, "i") &&
           takes(p.check.row.value, "f") && takes(p.check.limit_row.cell, "f");
}

// The whole run: input and echo, assembly, the zero-diagonal stop and the
// inversion (all before the loads are read), the loads, the solution, the
// end actions, then the report's results, the CSV file and the summary.
// Returns the exit status: for a run that completes, 2 when a member that is
// not a dummy member fails a check and 0 when every check made passes; the
// status of its stop otherwise (the stop has said why on the console and in
// the report).
template <AnalysisProgram Model> int run_program(const ProgramTables& p)
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
    say("successfully completed\n");
    return status;
}

} // namespace qm
