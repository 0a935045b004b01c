// quillmark's own analysis of a model, for every structure type and any
// size: member stiffness in double precision in the member axes and sign
// conventions of the six programs, condensed for the members' end
// releases, assembled sparse over the free degrees of freedom with the
// springs, ordered for fill and factored once; then every load case is
// solved on that factor and each combination formed as the factored sum of
// its cases' solutions (the analysis is linear).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "file/model.h"

namespace quill {

// The results of one load case or one combination, in kips, inches and
// radians.
struct Solution {
    // Per joint (1-based, [0] unused), in the type's joint directions (the
    // order of TypeTable::dof): displacements (at a restrained direction
    // the one its load cases prescribe, 0 where none does), and the
    // reactions at its restrained directions and its springs' (0
    // elsewhere). A reaction is what the support or the spring exerts on
    // the structure: a spring's is −k·u.
    std::vector<std::array<double, 6>> D, AR;
    // Per member (1-based), in member axes and in the order of a member in
    // space (start Fx, Fy, Fz, Mx, My, Mz, then the same at the end):
    // the end actions, which the joints exert on the member (the fixed-end
    // actions of its loads included; 0 at a released end action), and the
    // end displacements of the member itself (translations and rotations of
    // its ends: at a released end action its own, such as its rotation at a
    // hinge, not the joint's). Directions a type lacks are 0.
    std::vector<std::array<double, 12>> actions, ends;
    // Per joint (1-based), in the type's directions: the rotations left out
    // of the analysis because every member end at the joint is released for
    // them and nothing else holds them. They move nothing and carry
    // nothing: D and AR are 0 there, and a report shows no value for them;
    // the members' own rotations there are in `ends`.
    std::vector<std::array<bool, 6>> left_out;

    // this += factor * other (left_out as it is).
    void add(const Solution& other, double factor);
};

// The model cannot be analysed: a mechanism (a joint direction without
// stiffness, a part of the structure held by no support or spring, a
// moment at a joint whose every member end is released for it), named by
// the joint's name in the model and the direction, for example
// "unstable structure: nothing holds joint B in direction rz".
struct EngineStop {
    std::string message;
};

// Stages of the work, for a progress display; each call names the stage
// about to start ("assembling", "ordering", "factoring", "solving 3 cases").
struct Progress {
    virtual ~Progress() = default;
    virtual void stage(const std::string& what) = 0;
};

class Engine {
public:
    // Numbers the free degrees of freedom, assembles, orders and factors;
    // throws EngineStop on a mechanism. The engine keeps s (the cases are
    // solved from it) and progress: both must outlive it.
    explicit Engine(const Model& s, Progress* progress = nullptr);
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Load case `c` (index into Model::cases) solved, self-weight and
    // prescribed displacements included.
    Solution solve_case(int c) const;
    // Every case solved, then a combination as the factored sum (of the
    // prescribed displacements as well).
    std::vector<Solution> solve_cases() const;
    static Solution combine(const Model& s, const Combination& c, const std::vector<Solution>& cases);

    // The factorisation's reciprocal condition estimate, and whether it is
    // below the bound that calls the equations ill-conditioned.
    double rcond() const;
    bool ill_conditioned() const;
    static constexpr double rcond_bound = 1e-12;

    int equations() const; // number of free degrees of freedom

private:
    struct Impl;
    Impl* impl_;
};

} // namespace quill
