// The part of a structure model that every program holds in the same form:
// the counts, the restraints and their numbering, the joints, the members'
// joints and geometry, the joint loads, the member loads (later the end
// actions) and the dummy-member list. A program's own model adds its
// members' section properties to it.
//
// Tables are sized once, from the program's capacities, when the model is
// made; the readers refuse every count and number beyond them, so no input
// can index outside a table.
#pragma once

#include <vector>

#include "dof_numbering.h"

namespace qm {

// Capacities of one program.
struct ModelSize {
    int joints;
    int members;
    int matrix_order; // largest order of the stiffness matrix
    int dummies;      // entries of the dummy-member list
    int dofs_per_joint;
    int end_actions; // end actions per member (4, 6 or 12)
};

struct ModelCore {
    explicit ModelCore(const ModelSize& size);

    const ModelSize size;
    int m = 0;   // members
    int nj = 0;  // joints
    int nr = 0;  // restrained degrees of freedom
    int nrj = 0; // restrained joints (restraint records)
    int nlj = 0; // loaded joints
    int nlm = 0; // loaded members
    int ndummy = 0;

    DofNumbering dofs;
    std::vector<float> x, y, z; // joint coordinates, inches

    std::vector<int> jj;              // start joint of each member
    std::vector<int> jk;              // end joint
    std::vector<float> L;             // length, inches
    std::vector<float> xcl, ycl, zcl; // direction cosines

    std::vector<float> AJ;  // joint loads by raw number: kips, inch-kips
    std::vector<int> dummy; // dummy member numbers in input order, 1..ndummy

    // Member loads (fixed-end actions in member axes, kips and inch-kips),
    // later the end actions: AML(i)[1..end_actions] of member i.
    float* AML(int i) { return &aml_[static_cast<std::size_t>(i) * (size.end_actions + 1)]; }
    const float* AML(int i) const { return &aml_[static_cast<std::size_t>(i) * (size.end_actions + 1)]; }

    // The member loads as read, kept once AML holds the end actions (the
    // drawing bends each member under its own load).
    void keep_member_loads() { member_loads_ = aml_; }
    const float* member_loads(int i) const
    {
        return &member_loads_[static_cast<std::size_t>(i) * (size.end_actions + 1)];
    }

private:
    std::vector<float> aml_;
    std::vector<float> member_loads_;
};

} // namespace qm
