#include "engine/numbering.h"

namespace quill {

Numbering number_equations(const Model& s, const std::vector<std::array<bool, 6>>& left)
{
    Numbering q;
    q.d = s.t().d;
    int nj = static_cast<int>(s.joints.size());
    q.eq.assign(static_cast<size_t>(nj * q.d), 0);
    // A later support of the same joint replaces the earlier one.
    for (const Support& sp : s.supports)
        for (int k = 0; k < q.d; ++k)
            q.eq[static_cast<size_t>((sp.joint - 1) * q.d + k)] = sp.restrained[k] ? Numbering::restrained : 0;
    for (size_t j = 1; j < left.size(); ++j)
        for (int k = 0; k < q.d; ++k)
            if (left[j][static_cast<size_t>(k)])
                q.eq[(j - 1) * static_cast<size_t>(q.d) + static_cast<size_t>(k)] = Numbering::left_out;
    for (int j = 1; j <= nj; ++j)
        for (int k = 0; k < q.d; ++k) {
            int& e = q.eq[static_cast<size_t>((j - 1) * q.d + k)];
            if (e == 0) {
                e = q.n();
                q.joint.push_back(j);
                q.direction.push_back(k);
            }
        }
    return q;
}

} // namespace quill
