// CHOLMOD's supernodal Cholesky factor, ordered by its default methods
// (AMD, and METIS where AMD leaves much fill).
#include "engine/factor.h"

#include <new>
#include <stdexcept>
#include <string>
#include <suitesparse/cholmod.h>

namespace quill {

namespace {

// CHOLMOD's errors (its warnings, such as a pivot that is not positive,
// are answers): memory runs out like any other allocation.
void throw_on_error(const cholmod_common& c)
{
    if (c.status == CHOLMOD_OUT_OF_MEMORY)
        throw std::bad_alloc();
    if (c.status < CHOLMOD_OK)
        throw std::runtime_error("CHOLMOD failed with status " + std::to_string(c.status));
}

} // namespace

struct Factor::Impl {
    const UpperMatrix* K = nullptr;
    cholmod_common c{};
    cholmod_sparse A{}; // a view of K's arrays
    cholmod_factor* L = nullptr;
    std::vector<double> pivot; // by step

    Impl() { cholmod_l_start(&c); }
    ~Impl()
    {
        cholmod_l_free_factor(&L, &c);
        cholmod_l_finish(&c);
    }
    Impl(const Impl&) = delete;
    Impl& operator=(const Impl&) = delete;
};

Factor::Factor(const UpperMatrix& K) : impl_(std::make_unique<Impl>())
{
    Impl& f = *impl_;
    f.K = &K;
    // The caller names a failing pivot itself: nothing on the console.
    f.c.print = 0;
    f.c.error_handler = nullptr;
    f.c.supernodal = CHOLMOD_SUPERNODAL;
    f.A.nrow = f.A.ncol = static_cast<size_t>(K.n);
    f.A.nzmax = K.value.size();
    f.A.p = const_cast<UpperMatrix::Index*>(K.col.data());
    f.A.i = const_cast<UpperMatrix::Index*>(K.row.data());
    f.A.x = const_cast<double*>(K.value.data());
    f.A.stype = 1;
    f.A.itype = CHOLMOD_LONG;
    f.A.xtype = CHOLMOD_REAL;
    f.A.dtype = CHOLMOD_DOUBLE;
    f.A.sorted = 1;
    f.A.packed = 1;
    f.L = cholmod_l_analyze(&f.A, &f.c);
    throw_on_error(f.c);
}

Factor::~Factor() = default;

void Factor::factorize()
{
    Impl& f = *impl_;
    cholmod_l_factorize(&f.A, f.L, &f.c);
    throw_on_error(f.c);
    f.pivot.assign(f.L->n, 0.0);
    // A supernode holds its columns' rows below the diagonal block, column
    // by column; each diagonal entry of L is the root of its pivot.
    if (f.L->is_super) {
        const auto* super = static_cast<const SuiteSparse_long*>(f.L->super);
        const auto* pi = static_cast<const SuiteSparse_long*>(f.L->pi);
        const auto* px = static_cast<const SuiteSparse_long*>(f.L->px);
        const auto* x = static_cast<const double*>(f.L->x);
        for (size_t s = 0; s < f.L->nsuper; ++s) {
            SuiteSparse_long rows = pi[s + 1] - pi[s];
            for (SuiteSparse_long k = super[s]; k < super[s + 1]; ++k) {
                double l = x[px[s] + (k - super[s]) * rows + (k - super[s])];
                f.pivot[static_cast<size_t>(k)] = l * l;
            }
        }
    }
}

int Factor::failed_step() const
{
    const Impl& f = *impl_;
    return f.c.status == CHOLMOD_NOT_POSDEF ? static_cast<int>(f.L->minor) : -1;
}

int Factor::equation_at(int step) const
{
    return static_cast<int>(static_cast<const SuiteSparse_long*>(impl_->L->Perm)[step]);
}

double Factor::pivot(int step) const
{
    return impl_->pivot[static_cast<size_t>(step)];
}

double Factor::rcond() const
{
    return cholmod_l_rcond(impl_->L, &impl_->c);
}

void Factor::solve(std::vector<double>& B, int nrhs) const
{
    Impl& f = *impl_;
    cholmod_dense b{};
    b.nrow = f.L->n;
    b.ncol = static_cast<size_t>(nrhs);
    b.nzmax = b.nrow * b.ncol;
    b.d = b.nrow;
    b.x = B.data();
    b.xtype = CHOLMOD_REAL;
    b.dtype = CHOLMOD_DOUBLE;
    cholmod_dense* X = cholmod_l_solve(CHOLMOD_A, f.L, &b, &f.c);
    throw_on_error(f.c);
    const auto* x = static_cast<const double*>(X->x);
    for (size_t k = 0; k < b.nzmax; ++k)
        B[k] = x[k];
    cholmod_l_free_dense(&X, &f.c);
}

} // namespace quill
