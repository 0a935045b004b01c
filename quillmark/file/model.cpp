#include "file/model.h"

#include <algorithm>
#include <cmath>

namespace quill {

double Model::length(int i) const
{
    const Member& m = members[i - 1];
    const Joint& a = joints[m.jj - 1];
    const Joint& b = joints[m.jk - 1];
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) + (b.z - a.z) * (b.z - a.z));
}


bool DeflectionLimit::applies_to(int c) const
{
    return limit > 0 && (combinations.empty() || std::find(combinations.begin(), combinations.end(), c) != combinations.end());
}

} // namespace quill
