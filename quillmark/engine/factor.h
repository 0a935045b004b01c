// The Cholesky factor of the structure's stiffness from a sparse direct
// solver: ordered for fill once, factored once, then solved for any number
// of load vectors.
#pragma once

#include <memory>
#include <vector>

#include "engine/assembly.h"

namespace quill {

class Factor {
public:
    // Orders the equations for fill; K must stay as it is until factored.
    explicit Factor(const UpperMatrix& K);
    ~Factor();
    Factor(const Factor&) = delete;
    Factor& operator=(const Factor&) = delete;

    // Stops at a pivot that is not positive (failed_step says where).
    void factorize();
    // The step of elimination at which it stopped (-1 when it completed),
    // the equation eliminated at each step and what is left of its
    // diagonal there, its pivot.
    int failed_step() const;
    int equation_at(int step) const;
    double pivot(int step) const;
    // The solver's estimate of the reciprocal condition number.
    double rcond() const;
    // B (n by nrhs, column by column) replaced by the solution of K X = B.
    void solve(std::vector<double>& B, int nrhs) const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace quill
