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

bool Member::any_release() const
{
    return std::find(released.begin(), released.end(), true) != released.end();
}

std::vector<int> Model::reaction_joints() const
{
    std::vector<int> out;
    std::vector<bool> listed(joints.size() + 1, false);
    auto add = [&](int j) {
        if (!listed[static_cast<size_t>(j)])
            out.push_back(j);
        listed[static_cast<size_t>(j)] = true;
    };
    for (const Support& sp : supports)
        add(sp.joint);
    for (const Spring& sp : springs)
        add(sp.joint);
    return out;
}

bool Model::has_releases_springs_or_settlements() const
{
    return !springs.empty() ||
           std::any_of(members.begin(), members.end(), [](const Member& m) { return m.any_release(); }) ||
           std::any_of(cases.begin(), cases.end(), [](const LoadCase& c) { return !c.displacements.empty(); });
}

bool DeflectionLimit::applies_to(int c) const
{
    return limit > 0 && (combinations.empty() || std::find(combinations.begin(), combinations.end(), c) != combinations.end());
}

} // namespace quill
