// The free block of a model's stiffness matrix, assembled in this process
// by the program's own reader and member stiffness, for the benchmark to
// time inversions on. Each program has its own source file, since the
// programs' headers share their names.
#pragma once

#include <memory>
#include <vector>

#include "program.h"

namespace qmtools {

struct ModelMatrix {
    int n = 0;
    std::vector<float> K; // rows and columns 1..n, rows n + 1 floats apart
};

// Each reads the program's input file from the current directory.
ModelMatrix frame3d_matrix();
ModelMatrix frame2d_matrix();
ModelMatrix truss2d_matrix();

template <class Model> ModelMatrix read_model_matrix(const qm::ProgramTables& p)
{
    auto model = std::make_unique<Model>();
    Model& s = *model;
    qm::AnalysisRun run(p.identity, p.footer_on_error);
    try {
        run.start();
        read_structure(run, s);
    } catch (const qm::RunStop&) {
        return {};
    }
    run.close_input();
    qm::StiffnessMatrix sm(s.size.matrix_order);
    const qm::MemberSet members = {s.m,
                                   [&](int i, qm::MemberMatrix& sms, int raw[]) { global_stiffness(s, i, sms, raw); }};
    qm::assemble(sm, members, s.dofs);
    ModelMatrix m;
    m.n = s.dofs.n;
    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    m.K.assign(stride * stride, 0.0f);
    for (int i = 1; i <= m.n; ++i)
        for (int j = 1; j <= m.n; ++j)
            m.K[i * stride + j] = sm.k(i, j);
    return m;
}

} // namespace qmtools
