#include "engine/analysis.h"

#include <optional>

#include "engine/case_solution.h"
#include "engine/factor.h"
#include "engine/free_rotations.h"
#include "engine/stability.h"

namespace quill {

struct Engine::Impl {
    const Model& s;
    Progress* progress;
    Numbering q;
    std::vector<Axes> axes;       // per member, 1-based
    std::optional<Factor> factor; // none when no direction is free
    double rcond = 1;

    void stage(const std::string& what) const
    {
        if (progress)
            progress->stage(what);
    }
    std::vector<double> solve(const std::vector<int>& cases, std::vector<CaseLoads>& loads) const;
};

Engine::Engine(const Model& s, Progress* progress) : impl_(new Impl{s, progress, {}, {}, {}})
{
    try {
        Impl& f = *impl_;
        f.stage("assembling");
        f.axes.resize(s.members.size() + 1);
        for (size_t i = 1; i <= s.members.size(); ++i)
            f.axes[i] = exact_member_axes(s, static_cast<int>(i));
        f.q = number_equations(s, rotations_left_out(s, number_equations(s), f.axes));
        check_supports(s, f.q);
        UpperMatrix K = assemble(s, f.q);
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
    if (factor && !cases.empty())
        factor->solve(B, static_cast<int>(cases.size()));
    return B;
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
