#include "analysis.h"

#include "model/member_axes.h"

namespace truss3d {

// Axial stiffness E*A/L, kips per inch.
static float axial_stiffness(const StructureModel& s, int i)
{
    return s.sec[i].E * s.sec[i].A / s.L[i];
}

// Raw numbers in the order start x, y, z, end x, y, z.
static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 3; ++k) {
        raw[k] = 3 * s.jj[i] - 3 + k;
        raw[k + 3] = 3 * s.jk[i] - 3 + k;
    }
}

// Four 3 x 3 blocks, +s*l*l' on the joints themselves and -s*l*l' between
// them, with l the direction cosines; entry (a, b) is (s*l[a])*l[b], so the
// block is symmetric only up to rounding.
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    float st = axial_stiffness(s, i);
    const float l[3] = {s.xcl[i], s.ycl[i], s.zcl[i]};
    sms.nd = 6;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
            float v = st * l[a] * l[b];
            sms.a[a + 1][b + 1] = v;
            sms.a[a + 4][b + 4] = v;
            sms.a[a + 1][b + 4] = -v;
            sms.a[a + 4][b + 1] = -v;
        }
    member_raw_numbers(s, i, raw);
}

// Member loads are fixed-end forces in member axes; each joint takes its
// three reversed, in global axes: AE -= f1*ex + f2*ey + f3*ez, with the axes
// of common/member_axes.h written out term by term.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        float xcl = s.xcl[i], ycl = s.ycl[i], zcl = s.zcl[i];
        float q = qm::horizontal_projection(xcl, zcl);
        int raw[7];
        member_raw_numbers(s, i, raw);
        for (int end = 0; end < 2; ++end) {
            const float* f = s.AML(i) + 3 * end; // f[1..3]: forces x, y, z at this end
            const int* p = raw + 3 * end;
            if (!qm::counts_as_vertical(q)) {
                AE[p[1]] = AE[p[1]] - (f[1] * xcl - (f[2] * xcl * ycl + f[3] * zcl) / q);
                AE[p[2]] = AE[p[2]] - (f[1] * ycl + f[2] * q);
                AE[p[3]] = AE[p[3]] - (f[1] * zcl - (f[2] * ycl * zcl - f[3] * xcl) / q);
            } else {
                AE[p[1]] = AE[p[1]] + f[2] * ycl;
                AE[p[2]] = AE[p[2]] - f[1] * ycl;
                AE[p[3]] = AE[p[3]] - f[3];
            }
        }
    }
}

// Bar force F from the joint displacements (positive when the member
// shortens), added to the fixed-end forces: a positive start force x is
// compression, a positive end force x tension. The four transverse end
// actions are the member loads themselves.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        int p[7];
        member_raw_numbers(s, i, p);
        float F = axial_stiffness(s, i) *
                  ((D[p[1]] - D[p[4]]) * s.xcl[i] + (D[p[2]] - D[p[5]]) * s.ycl[i] + (D[p[3]] - D[p[6]]) * s.zcl[i]);
        float* a = s.AML(i);
        a[1] = a[1] + F;
        a[4] = a[4] - F;
    }
}

qm::Allowables allowables(const StructureModel& s, int i)
{
    return qm::axial_allowables(s.sec[i], s.L[i], 1.0f);
}

} // namespace truss3d
