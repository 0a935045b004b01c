#include "analysis.h"

namespace truss2d {

// Axial stiffness E*A/L, kips per inch.
static float axial_stiffness(const StructureModel& s, int i)
{
    return s.sec[i].E * s.sec[i].A / s.L[i];
}

// Raw numbers in the order start x, start y, end x, end y.
static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    raw[1] = 2 * s.jj[i] - 1;
    raw[2] = 2 * s.jj[i];
    raw[3] = 2 * s.jk[i] - 1;
    raw[4] = 2 * s.jk[i];
}

void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    float st = axial_stiffness(s, i);
    float c = s.xcl[i], d = s.ycl[i];
    float cc = st * c * c, cd = st * c * d, dd = st * d * d;
    const float rows[5][5] = {
        {0, 0, 0, 0, 0}, {0, cc, cd, -cc, -cd}, {0, cd, dd, -cd, -dd}, {0, -cc, -cd, cc, cd}, {0, -cd, -dd, cd, dd},
    };
    sms.nd = 4;
    for (int r = 1; r <= 4; ++r)
        for (int t = 1; t <= 4; ++t)
            sms.a[r][t] = rows[r][t];
    member_raw_numbers(s, i, raw);
}

// Member loads are fixed-end forces in member axes; the joints take them
// reversed, turned into global axes.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* f = s.AML(i);
        float c = s.xcl[i], d = s.ycl[i];
        int p[5];
        member_raw_numbers(s, i, p);
        AE[p[1]] = AE[p[1]] - (f[1] * c - f[2] * d);
        AE[p[2]] = AE[p[2]] - (f[1] * d + f[2] * c);
        AE[p[3]] = AE[p[3]] - (f[3] * c - f[4] * d);
        AE[p[4]] = AE[p[4]] - (f[3] * d + f[4] * c);
    }
}

// Bar force F from the joint displacements (positive when the member
// shortens), added to the fixed-end forces: a positive start force x is
// compression, a positive end force x tension.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        int p[5];
        member_raw_numbers(s, i, p);
        float c = s.xcl[i], d = s.ycl[i];
        float F = axial_stiffness(s, i) * ((D[p[1]] - D[p[3]]) * c + (D[p[2]] - D[p[4]]) * d);
        float* a = s.AML(i);
        a[1] = a[1] + F;
        a[3] = a[3] - F;
    }
}

qm::Allowables allowables(const StructureModel& s, int i)
{
    return qm::axial_allowables(s.sec[i], s.L[i], 1.0f);
}

} // namespace truss2d
