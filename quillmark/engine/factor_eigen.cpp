// Eigen's simplicial LDLᵀ factor, ordered by AMD.
#include "engine/factor.h"

#include <Eigen/SparseCholesky>
#include <cmath>

namespace quill {

namespace {

using SparseMatrix = Eigen::SparseMatrix<double, Eigen::ColMajor, UpperMatrix::Index>;
using Map = Eigen::Map<const SparseMatrix>;

Map map_of(const UpperMatrix& K)
{
    return Map(K.n, K.n, static_cast<UpperMatrix::Index>(K.value.size()), K.col.data(), K.row.data(), K.value.data());
}

} // namespace

struct Factor::Impl {
    const UpperMatrix* K = nullptr;
    int n = 0;
    Eigen::SimplicialLDLT<SparseMatrix, Eigen::Upper, Eigen::AMDOrdering<UpperMatrix::Index>> ldlt;
    std::vector<int> equation;
    int failed = -1;
};

Factor::Factor(const UpperMatrix& K) : impl_(std::make_unique<Impl>())
{
    impl_->K = &K;
    impl_->n = K.n;
    impl_->ldlt.analyzePattern(map_of(K));
}

Factor::~Factor() = default;

void Factor::factorize()
{
    Impl& f = *impl_;
    f.ldlt.factorize(map_of(*f.K));
    f.equation.assign(static_cast<size_t>(f.K->n), 0);
    const auto& P = f.ldlt.permutationP().indices();
    for (int e = 0; e < f.K->n; ++e)
        f.equation[static_cast<size_t>(P(e))] = e;
    const auto& D = f.ldlt.vectorD();
    for (int k = 0; k < f.K->n && f.failed < 0; ++k)
        if (!(D(k) > 0))
            f.failed = k;
}

int Factor::failed_step() const
{
    return impl_->failed;
}

int Factor::equation_at(int step) const
{
    return impl_->equation[static_cast<size_t>(step)];
}

double Factor::pivot(int step) const
{
    return impl_->ldlt.vectorD()(step);
}

double Factor::rcond() const
{
    const auto& D = impl_->ldlt.vectorD();
    if (D.size() == 0)
        return 1;
    return D.cwiseAbs().minCoeff() / D.cwiseAbs().maxCoeff();
}

void Factor::solve(std::vector<double>& B, int nrhs) const
{
    Eigen::Map<Eigen::MatrixXd> b(B.data(), impl_->n, nrhs);
    b = impl_->ldlt.solve(b).eval();
}

} // namespace quill
