#include "engine/analysis.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engine/case_solution.h"
#include "engine/factor.h"
#include "engine/free_rotations.h"
#include "engine/stability.h"

namespace quill {

namespace {

// R = B - K X for each of the nrhs columns, K symmetric by its upper
// triangle, each sum in extended precision: the residual of a good solution
// is the rounding of its terms.
void residual(const UpperMatrix& K, const std::vector<double>& B, const std::vector<double>& X, std::vector<double>& R,
              int nrhs)
{
    size_t n = static_cast<size_t>(K.n);
    std::vector<long double> r(n);
    for (int c = 0; c < nrhs; ++c) {
        const double* x = X.data() + c * n;
        for (size_t k = 0; k < n; ++k)
            r[k] = B[c * n + k];
        for (size_t j = 0; j < n; ++j)
            for (auto p = K.col[j]; p < K.col[j + 1]; ++p) {
                size_t i = static_cast<size_t>(K.row[static_cast<size_t>(p)]);
                long double v = K.value[static_cast<size_t>(p)];
                r[i] -= v * x[j];
                if (i != j)
                    r[j] -= v * x[i];
            }
        for (size_t k = 0; k < n; ++k)
            R[c * n + k] = static_cast<double>(r[k]);
    }
}

} // namespace

struct Engine::Impl {
    const Model& s;
    Progress* progress;
    Numbering q;
    std::vector<Axes> axes;       // per member, 1-based
    UpperMatrix K;                // kept for the residual of each solution
    std::optional<Factor> factor; // none when no direction is free
    double rcond = 1;

    void stage(const std::string& what) const
    {
        if (progress)
            progress->stage(what);
    }
    std::vector<double> solve(const std::vector<int>& cases, std::vector<CaseLoads>& loads) const;
};

Engine::Engine(const Model& s, Progress* progress) : impl_(new Impl{s, progress, {}, {}, {}, {}})
{
    try {
        Impl& f = *impl_;
        f.stage("assembling");
        f.axes.resize(s.members.size() + 1);
        for (size_t i = 1; i <= s.members.size(); ++i)
            f.axes[i] = exact_member_axes(s, static_cast<int>(i));
        f.q = number_equations(s, rotations_left_out(s, number_equations(s), f.axes));
        check_supports(s, f.q);
        f.K = assemble(s, f.q);
        const UpperMatrix& K = f.K;
        check_directions(s, f.q, K);
        if (K.n == 0)
            return;
        f.stage("ordering");
        f.factor.emplace(K);
        f.stage("factoring");
        f.factor->factorize();
        // The first step of elimination that leaves a direction (nearly)
        // without stiffness names the mechanism.
        int last = f.factor->failed_step();
        for (int step = 0; step < (last < 0 ? K.n : last + 1); ++step) {
            int e = f.factor->equation_at(step);
            if (step == last || !(f.factor->pivot(step) > pivot_bound * K.diagonal(e)))
                throw unstable(s, f.q.joint[static_cast<size_t>(e)], f.q.direction[static_cast<size_t>(e)]);
        }
        f.rcond = f.factor->rcond();
    } catch (...) {
        delete impl_;
        throw;
    }
}

Engine::~Engine()
{
    delete impl_;
}

std::vector<double> Engine::Impl::solve(const std::vector<int>& cases, std::vector<CaseLoads>& loads) const
{
    size_t n = static_cast<size_t>(q.n());
    std::vector<double> B(n * cases.size(), 0.0);
    for (size_t c = 0; c < cases.size(); ++c) {
        loads.push_back(case_loads(s, s.cases[static_cast<size_t>(cases[c])], axes));
        load_vector(s, q, axes, loads.back(), B.data() + c * n);
    }
    if (!factor || cases.empty())
        return B;
    std::vector<double> X = B;
    factor->solve(X, static_cast<int>(cases.size()));
    // Rounding in a large factor leaves a residual of some 1e-8 of the
    // loads: refined on the same factor (the residual formed in double from
    // the matrix itself) while it falls, it comes to the last digits.
    std::vector<double> R(B.size());
    double last = INFINITY;
    for (int step = 0; step < 3; ++step) {
        residual(K, B, X, R, static_cast<int>(cases.size()));
        double size = 0, load = 0;
        for (size_t k = 0; k < R.size(); ++k) {
            size = std::max(size, std::fabs(R[k]));
            load = std::max(load, std::fabs(B[k]));
        }
        if (!(size > 1e-14 * load) || !(size < 0.5 * last))
            break;
        last = size;
        factor->solve(R, static_cast<int>(cases.size()));
        for (size_t k = 0; k < X.size(); ++k)
            X[k] += R[k];
    }
    return X;
}

Solution Engine::solve_case(int c) const
{
    std::vector<CaseLoads> loads;
    std::vector<double> x = impl_->solve({c}, loads);
    return solution_of(impl_->s, impl_->q, impl_->axes, loads[0], x.data());
}

std::vector<Solution> Engine::solve_cases() const
{
    const Model& s = impl_->s;
    size_t nc = s.cases.size();
    impl_->stage("solving " + std::to_string(nc) + (nc == 1 ? " case" : " cases"));
    std::vector<int> all;
    for (size_t c = 0; c < nc; ++c)
        all.push_back(static_cast<int>(c));
    std::vector<CaseLoads> loads;
    std::vector<double> x = impl_->solve(all, loads);
    std::vector<Solution> out;
    for (size_t c = 0; c < nc; ++c)
        out.push_back(
            solution_of(s, impl_->q, impl_->axes, loads[c], x.data() + c * static_cast<size_t>(impl_->q.n())));
    return out;
}

Solution Engine::combine(const Model& s, const Combination& c, const std::vector<Solution>& cases)
{
    Solution out;
    out.D.assign(s.joints.size() + 1, {});
    out.AR.assign(s.joints.size() + 1, {});
    out.actions.assign(s.members.size() + 1, {});
    out.ends.assign(s.members.size() + 1, {});
    out.left_out = cases.empty() ? std::vector<std::array<bool, 6>>(s.joints.size() + 1) : cases[0].left_out;
    for (auto [k, f] : c.factors)
        out.add(cases[static_cast<size_t>(k)], f);
    return out;
}

void Solution::add(const Solution& other, double factor)
{
    auto add_to = [factor](auto& to, const auto& from) {
        for (size_t i = 0; i < to.size(); ++i)
            for (size_t k = 0; k < to[i].size(); ++k)
                to[i][k] += factor * from[i][k];
    };
    add_to(D, other.D);
    add_to(AR, other.AR);
    add_to(actions, other.actions);
    add_to(ends, other.ends);
}

double Engine::rcond() const
{
    return impl_->rcond;
}

bool Engine::ill_conditioned() const
{
    return impl_->rcond < rcond_bound;
}

int Engine::equations() const
{
    return impl_->q.n();
}

} // namespace quill
