// The structure's stiffness over its equations, assembled sparse from the
// members' stiffness in global axes and the springs'.
#pragma once

#include <vector>

#include "engine/numbering.h"
#include "file/model.h"

namespace quill {

// A symmetric matrix by its upper triangle, column by column, rows
// ascending within a column, so that each column ends with its diagonal.
struct UpperMatrix {
    using Index = long;
    int n = 0;
    std::vector<Index> col; // n + 1 starts into row and value
    std::vector<Index> row;
    std::vector<double> value;
    double diagonal(int e) const { return value[static_cast<size_t>(col[static_cast<size_t>(e) + 1] - 1)]; }
};

// The joints' pattern first (a joint couples with itself and with the
// joints its members reach), then each member's Tᵀ k T added into it (k
// condensed for the member's releases), and each spring's stiffness.
UpperMatrix assemble(const Model& s, const Numbering& q);

} // namespace quill
