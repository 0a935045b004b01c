#include "solver/dof_numbering.h"

#include <algorithm>

namespace qm {

DofNumbering::DofNumbering(int d, int joint_capacity)
    : rl(d * joint_capacity + 1, 0), crl(d * joint_capacity + 1, 0), d_(d)
{
}

void DofNumbering::clear()
{
    std::fill(rl.begin(), rl.end(), 0);
    std::fill(crl.begin(), crl.end(), 0);
    nj = nr = n = 0;
}

void DofNumbering::number(int joints, int restrained)
{
    nj = joints;
    nr = restrained;
    n = d_ * nj - nr;
    int count = 0;
    for (int q = 1; q <= d_ * nj; ++q)
        crl[q] = count += rl[q];
}

int DofNumbering::flags_set() const
{
    int count = 0;
    for (int q = 1; q <= d_ * nj; ++q)
        count += rl[q];
    return count;
}

int DofNumbering::raw_of_equation(int e) const
{
    for (int q = 1; q <= d_ * nj; ++q)
        if (equation(q) == e)
            return q;
    return 0;
}

} // namespace qm
