#include "analysis.h"

namespace girder {

// The bending stiffness factors 4EI/L, 6EI/L^2 and 12EI/L^3, each stored in
// single precision.
struct MemberStiffness {
    float s4, s6, s12;
};

static MemberStiffness member_stiffness(const StructureModel& s, int i)
{
    MemberStiffness k;
    float L = s.L[i];
    k.s4 = static_cast<float>(s.E) * 4 * s.sec[i].Ix / L;
    k.s6 = k.s4 * 1.5f / L;
    k.s12 = k.s6 * 2 / L;
    return k;
}

// A member's axis is the beam's axis, so member and structure axes agree:
// rows and columns start translation, start rotation, end translation, end
// rotation (raw numbers 2i-1 .. 2i+2).
void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    MemberStiffness k = member_stiffness(s, i);
    float s2 = k.s4 * 0.5f;
    const float rows[4][4] = {
        {k.s12, k.s6, -k.s12, k.s6},
        {k.s6, k.s4, -k.s6, s2},
        {-k.s12, -k.s6, k.s12, -k.s6},
        {k.s6, s2, -k.s6, k.s4},
    };
    sms.nd = 4;
    for (int r = 1; r <= 4; ++r) {
        for (int c = 1; c <= 4; ++c)
            sms.a[r][c] = rows[r - 1][c - 1];
        raw[r] = 2 * i - 2 + r;
    }
}

// Member loads are fixed-end actions; the joints take them reversed.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* q = s.AML(i);
        for (int k = 1; k <= 4; ++k)
            AE[2 * i - 2 + k] = AE[2 * i - 2 + k] - q[k];
    }
}

// Each end action's elastic part is formed first, then added to the
// member's fixed-end action.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        MemberStiffness k = member_stiffness(s, i);
        float d = D[2 * i - 1] - D[2 * i + 1];
        float ts = D[2 * i], te = D[2 * i + 2];
        float* v = s.AML(i);
        v[1] = v[1] + (k.s12 * d + k.s6 * (ts + te));
        v[2] = v[2] + (k.s6 * d + k.s4 * (ts + 0.5f * te));
        v[3] = v[3] + (-(k.s12 * d) - k.s6 * (ts + te));
        v[4] = v[4] + (k.s6 * d + k.s4 * (0.5f * ts + te));
    }
}

qm::Allowables allowables(const StructureModel& s, int i)
{
    qm::Allowables a;
    if (s.sec[i].Aw != 0.0f)
        a.shear = qm::allowable_shear(s.sec[i].Aw, s.Fy);
    a.moment = qm::allowable_moment(s.sec[i].Sx, s.Fy);
    return a;
}

} // namespace girder
