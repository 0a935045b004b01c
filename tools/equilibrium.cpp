#include "equilibrium.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "loads/member_loads.h"

namespace qmtools {

namespace {

struct Resultant {
    double F[3] = {}, M[3] = {}; // kips, inch-kips about the origin
    void add(const double at[3], const double f[3], double factor)
    {
        for (int a = 0; a < 3; ++a) {
            F[a] += factor * f[a];
            M[a] += factor * (at[(a + 1) % 3] * f[(a + 2) % 3] - at[(a + 2) % 3] * f[(a + 1) % 3]);
        }
    }
};

// A case's loads as forces at points: joint forces where they act and
// uniform loads in global directions at the middle of their stretch.
void add_loads(const quill::Model& s, const quill::LoadCase& c, double factor, Resultant& r, double& largest,
               bool& uniform_global)
{
    auto at_joint = [&](int j) {
        return std::array<double, 3>{s.joints[j - 1].x, s.joints[j - 1].y, s.joints[j - 1].z};
    };
    for (const quill::JointLoad& l : c.joints) {
        double f[3] = {l.value[0], l.value[1], l.value[2]};
        r.add(at_joint(l.joint).data(), f, factor);
        for (int a = 0; a < 3; ++a) {
            r.M[a] += factor * l.value[3 + a];
            largest = std::max(largest, std::fabs(factor * f[a]));
        }
    }
    std::vector<quill::MemberLoad> loads = c.members;
    if (c.self_weight)
        for (size_t i = 1; i <= s.members.size(); ++i)
            loads.push_back(quill::self_weight(s, static_cast<int>(i)));
    for (const quill::MemberLoad& l : loads) {
        uniform_global = uniform_global && l.kind == quill::LoadKind::uniform && l.global;
        const quill::Member& m = s.members[static_cast<size_t>(l.member) - 1];
        auto a = at_joint(m.jj), b = at_joint(m.jk);
        double t = (l.a + l.b) / 2 / s.length(l.member), mid[3], f[3] = {};
        for (int k = 0; k < 3; ++k)
            mid[k] = a[k] + t * (b[k] - a[k]);
        f[l.direction] = l.w1 * (l.b - l.a);
        r.add(mid, f, factor);
        largest = std::max(largest, std::fabs(factor * f[l.direction]));
    }
}

} // namespace

EquilibriumMiss equilibrium_miss(const quill::Model& s, const quill::Combination& c, const quill::Solution& x)
{
    EquilibriumMiss miss;
    double largest = 0, extent = 0;
    Resultant total;
    for (auto [k, f] : c.factors)
        add_loads(s, s.cases[static_cast<size_t>(k)], f, total, largest, miss.uniform_global);
    double resultant = std::max({std::fabs(total.F[0]), std::fabs(total.F[1]), std::fabs(total.F[2])});
    for (size_t j = 1; j <= s.joints.size(); ++j) {
        const quill::Joint& p = s.joints[j - 1];
        extent = std::max({extent, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
        double at[3] = {p.x, p.y, p.z}, f[3] = {x.AR[j][0], x.AR[j][1], x.AR[j][2]};
        total.add(at, f, 1);
        for (int a = 0; a < 3; ++a)
            total.M[a] += x.AR[j][static_cast<size_t>(3 + a)];
    }
    for (int a = 0; a < 3; ++a) {
        miss.force = std::max(miss.force, std::fabs(total.F[a]) / largest);
        miss.of_resultant = std::max(miss.of_resultant, std::fabs(total.F[a]) / resultant);
        miss.moment = std::max(miss.moment, std::fabs(total.M[a]) / (largest * extent));
    }
    return miss;
}

} // namespace qmtools
