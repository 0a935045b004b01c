#include "analysis.h"

namespace grillage {

// The member stiffness factors GJ/L (torsion), 4EI/L, 6EI/L^2, 12EI/L^3 and
// 2EI/L (bending about member y), each stored in single precision.
struct MemberStiffness {
    float T, s4, s6, s12, s2;
};

static MemberStiffness member_stiffness(const StructureModel& s, int i)
{
    const Section& c = s.sec[i];
    float L = s.L[i];
    MemberStiffness k;
    k.T = c.G * c.J / L;
    k.s4 = c.E * 4 * c.Iy / L;
    k.s6 = k.s4 * 1.5f / L;
    k.s12 = k.s6 * 2 / L;
    k.s2 = k.s4 * 0.5f;
    return k;
}

static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 3; ++k) {
        raw[k] = s.dofs.raw(s.jj[i], k);
        raw[k + 3] = s.dofs.raw(s.jk[i], k);
    }
}

// A joint's rotations (rx, ry) turn the member about member x (cx, cy) by
// cx*rx + cy*ry, its twist, and about member y (-cy, cx) by -cy*rx + cx*ry,
// its bending rotation. A positive bending rotation tips the member down
// ahead of the joint (dz/dx = -rotation), so the force z at the start couples
// with both bending rotations through -6EI/L^2 and the force z at the end
// through +6EI/L^2.
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    MemberStiffness k = member_stiffness(s, i);
    float cx = s.xcl[i], cy = s.ycl[i];
    float cx2 = cx * cx, cy2 = cy * cy;
    float a = k.T * cx2 + k.s4 * cy2;
    float b = (k.T - k.s4) * cx * cy;
    float c = k.T * cy2 + k.s4 * cx2;
    float g = k.s2 * cy2 - k.T * cx2;
    float h = -((k.s2 + k.T) * cx * cy);
    float q = k.s2 * cx2 - k.T * cy2;
    float d = k.s6 * cy;
    float e = k.s6 * cx;
    const float rows[6][6] = {
        {a, b, d, g, h, -d}, {b, c, -e, h, q, e}, {d, -e, k.s12, d, -e, -k.s12},
        {g, h, d, a, b, -d}, {h, q, -e, b, c, e}, {-d, e, -k.s12, -d, e, k.s12},
    };
    sms.set_rows(rows);
    member_raw_numbers(s, i, raw);
}

// Member loads are fixed-end actions in member axes (torsion, bending,
// force z at each end); the joints take them reversed, the two moments turned
// into moments about global x and y.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* M = s.AML(i);
        float cx = s.xcl[i], cy = s.ycl[i];
        int raw[7];
        member_raw_numbers(s, i, raw);
        for (int end = 0; end < 2; ++end) {
            const float* w = &M[3 * end];
            const int* p = &raw[3 * end];
            AE[p[1]] = AE[p[1]] - (w[1] * cx - w[2] * cy);
            AE[p[2]] = AE[p[2]] - (w[1] * cy + w[2] * cx);
            AE[p[3]] = AE[p[3]] - w[3];
        }
    }
}

// End actions in member axes: each elastic action from the joint
// displacements D (raw order) is formed, then added onto the member's
// fixed-end action.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        MemberStiffness k = member_stiffness(s, i);
        float cx = s.xcl[i], cy = s.ycl[i];
        int raw[7];
        member_raw_numbers(s, i, raw);
        float a = D[raw[1]], b = D[raw[2]], c = D[raw[3]];
        float d = D[raw[4]], e = D[raw[5]], f = D[raw[6]];
        float twist = (a - d) * cx + (b - e) * cy;
        float* v = s.AML(i);
        v[1] = v[1] + k.T * twist;
        v[2] = v[2] + (k.s4 * (-(0.5f * d + a) * cy + (0.5f * e + b) * cx) - k.s6 * (c - f));
        v[3] = v[3] + (k.s6 * ((a + d) * cy - (b + e) * cx) + k.s12 * (c - f));
        v[4] = v[4] + -(k.T * twist);
        v[5] = v[5] + (k.s4 * (-(0.5f * a + d) * cy + (0.5f * b + e) * cx) - k.s6 * (c - f));
        v[6] = v[6] + (k.s6 * (-(a + d) * cy + (b + e) * cx) - k.s12 * (c - f));
    }
}

qm::Allowables allowables(const StructureModel& s, int i)
{
    const Section& c = s.sec[i];
    qm::Allowables a;
    if (c.Aw != 0.0f)
        a.shear = qm::allowable_shear(c.Aw, c.Fy);
    // Torsion is never checked: its allowable needs the section's shape.
    if (c.Sy != 0.0f)
        a.moment = qm::allowable_moment(c.Sy, c.Fy);
    return a;
}

} // namespace grillage
