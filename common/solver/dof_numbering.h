// Degree-of-freedom numbering for d degrees of freedom per joint.
//
// Joint j owns the raw numbers d*(j-1)+1 .. d*j. Free degrees of freedom get
// the equation numbers 1..n in raw order, restrained ones n+1..n+nr, so the
// free-free block of the stiffness matrix comes first and the support rows
// follow. Tables are sized once, for the program's joint capacity.
#pragma once

#include <vector>

namespace qm {

class DofNumbering {
public:
    DofNumbering(int d, int joint_capacity);

    int d() const { return d_; }
    int raw(int joint, int k) const { return d_ * (joint - 1) + k; }

    // Clears every flag; a new model starts with all joints free.
    void clear();
    void set_flag(int q, int flag) { rl[q] = flag; }

    // Forms crl and n = d*nj - nr after the restraints are read.
    void number(int nj, int nr);
    int flags_set() const; // restrained degrees of freedom among 1..d*nj

    int equation(int q) const { return rl[q] == 0 ? q - crl[q] : n + crl[q]; }
    // The raw number whose equation number is e (e in 1..n+nr).
    int raw_of_equation(int e) const;

    int nj = 0, nr = 0, n = 0;
    std::vector<int> rl;  // restraint flag per raw number: 1 restrained, 0 free
    std::vector<int> crl; // restrained degrees of freedom among 1..q

private:
    int d_;
};

} // namespace qm
