#include "analysis.h"

namespace frame2d {

// Effective length factor of the column formula.
static constexpr float effective_length_factor = 1.2f;

// The member stiffness factors EA/L, 4EI/L, 6EI/L^2 and 12EI/L^3.
struct MemberStiffness {
    float S1, S2, S3, S4;
};

static MemberStiffness member_stiffness(const StructureModel& s, int i)
{
    MemberStiffness k;
    float L = s.L[i], E = s.sec[i].E;
    k.S1 = E * s.sec[i].A / L;
    k.S2 = E * 4 * s.sec[i].Iz / L;
    k.S3 = k.S2 * 1.5f / L;
    k.S4 = k.S3 * 2 / L;
    return k;
}

static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 3; ++k) {
        raw[k] = 3 * s.jj[i] - 3 + k;
        raw[k + 3] = 3 * s.jk[i] - 3 + k;
    }
}

// Rows and columns: start x, start y, start rotation, end x, end y, end
// rotation, all in structure axes.
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    MemberStiffness k = member_stiffness(s, i);
    float cx = s.xcl[i], cy = s.ycl[i];
    float cx2 = cx * cx, cy2 = cy * cy;
    float a = k.S1 * cx2 + k.S4 * cy2;
    float b = (k.S1 - k.S4) * cx * cy;
    float c = k.S1 * cy2 + k.S4 * cx2;
    float d = k.S3 * cy;
    float e = k.S3 * cx;
    float h = k.S2 * 0.5f;
    const float rows[6][6] = {
        {a, b, -d, -a, -b, -d}, {b, c, e, -b, -c, e},   {-d, e, k.S2, d, -e, h},
        {-a, -b, d, a, b, d},   {-b, -c, -e, b, c, -e}, {-d, e, h, d, -e, k.S2},
    };
    sms.set_rows(rows);
    member_raw_numbers(s, i, raw);
}

// Member loads are fixed-end actions in member axes; the joints take them
// reversed, turned into structure axes.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* q = s.AML(i);
        float cx = s.xcl[i], cy = s.ycl[i];
        int joint[2] = {s.jj[i], s.jk[i]};
        for (int end = 0; end < 2; ++end) {
            const float* w = &q[3 * end];
            int p = 3 * joint[end];
            AE[p - 2] = AE[p - 2] - w[1] * cx + w[2] * cy;
            AE[p - 1] = AE[p - 1] - w[1] * cy - w[2] * cx;
            AE[p] = AE[p] - w[3];
        }
    }
}

// End actions in member axes: the member's elastic actions from the joint
// displacements D (raw order), added onto its fixed-end actions.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        MemberStiffness k = member_stiffness(s, i);
        float cx = s.xcl[i], cy = s.ycl[i];
        int ps = 3 * s.jj[i], pe = 3 * s.jk[i];
        float d1 = D[ps - 2] - D[pe - 2];
        float d2 = D[ps - 1] - D[pe - 1];
        float ts = D[ps], te = D[pe];
        float u = d1 * cx + d2 * cy;
        float w = d2 * cx - d1 * cy;
        float* v = s.AML(i);
        v[1] = v[1] + k.S1 * u;
        v[2] = v[2] + (k.S4 * w + k.S3 * (ts + te));
        v[3] = v[3] + (k.S3 * w + k.S2 * (ts + 0.5f * te));
        v[4] = v[4] + -(k.S1 * u);
        v[5] = v[5] + (-(k.S4 * w) - k.S3 * (ts + te));
        v[6] = v[6] + (k.S3 * w + k.S2 * (0.5f * ts + te));
    }
}

qm::Allowables allowables(const StructureModel& s, int i)
{
    const Section& c = s.sec[i];
    qm::Allowables a = qm::axial_allowables(c, s.L[i], effective_length_factor);
    if (c.Awy != 0.0f)
        a.shear = qm::allowable_shear(c.Awy, c.Fy);
    if (c.Sz != 0.0f)
        a.moment = qm::allowable_moment(c.Sz, c.Fy);
    // The frame bends in its own plane, about member z: the radius rx.
    a.euler_force = qm::euler_force(c.A, c.rx, s.L[i], c.E, effective_length_factor);
    return a;
}

} // namespace frame2d
