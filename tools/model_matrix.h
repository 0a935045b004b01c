// The free block of a model's stiffness matrix, assembled in this process
// by the program's own reader and member stiffness, for the benchmark to
// time inversions on. Each program has its own source file, since the
// programs' headers share their names.
#pragma once

#include <memory>
#include <vector>

#include "dof_numbering.h"
#include "run.h"
#include "solution.h"
#include "stiffness_matrix.h"

namespace qmtools {

struct ModelMatrix {
    int n = 0;
    std::vector<float> K; // rows and columns 1..n, rows n + 1 floats apart
};

// Each reads the program's input file from the current directory.
ModelMatrix frame3d_matrix();
ModelMatrix frame2d_matrix();
ModelMatrix truss2d_matrix();

template <class Model, class Members>
ModelMatrix read_model_matrix(const qm::ProgramIdentity& id, int dofs_per_joint, int joint_capacity,
                              int matrix_capacity, void (*read_structure)(qm::AnalysisRun&, Model&, qm::DofNumbering&))
{
    auto model = std::make_unique<Model>();
    qm::DofNumbering dofs(dofs_per_joint, joint_capacity);
    qm::AnalysisRun run(id, true);
    run.start();
    read_structure(run, *model, dofs);
    run.close_input();
    run.report.close();
    qm::StiffnessMatrix sm(matrix_capacity);
    qm::assemble(sm, Members(*model), dofs);
    ModelMatrix m;
    m.n = dofs.n;
    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    m.K.assign(stride * stride, 0.0f);
    for (int i = 1; i <= m.n; ++i)
        for (int j = 1; j <= m.n; ++j)
            m.K[i * stride + j] = sm.k(i, j);
    return m;
}

} // namespace qmtools
