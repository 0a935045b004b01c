#include "analysis.h"

namespace frame3d {

// SM, the member stiffness in member axes: rows and columns in the order
// start translation x, y, z, rotation x, y, z, then the end joint's.
static void member_stiffness(const StructureModel& s, int i, float SM[13][13])
{
    for (int r = 0; r < 13; ++r)
        for (int c = 0; c < 13; ++c)
            SM[r][c] = 0.0f;
    float L = s.L[i], E = s.sec[i].E;
    float ea = E * s.sec[i].A / L;
    float gj = s.sec[i].G * s.sec[i].ix / L;
    float c4y = 4 * E * s.sec[i].iy / L, c6y = c4y * 1.5f / L, c12y = c6y * 2 / L, c2y = c4y * 0.5f;
    float c4z = 4 * E * s.sec[i].iz / L, c6z = c4z * 1.5f / L, c12z = c6z * 2 / L, c2z = c4z * 0.5f;
    auto sym = [&](int r, int c, float v) { SM[r][c] = SM[c][r] = v; };
    sym(1, 1, ea), sym(7, 7, ea), sym(1, 7, -ea);
    sym(2, 2, c12z), sym(8, 8, c12z), sym(2, 8, -c12z);
    sym(2, 6, c6z), sym(2, 12, c6z), sym(6, 8, -c6z), sym(8, 12, -c6z);
    sym(3, 3, c12y), sym(9, 9, c12y), sym(3, 9, -c12y);
    sym(3, 5, -c6y), sym(3, 11, -c6y), sym(5, 9, c6y), sym(9, 11, c6y);
    sym(4, 4, gj), sym(10, 10, gj), sym(4, 10, -gj);
    sym(5, 5, c4y), sym(11, 11, c4y), sym(5, 11, c2y);
    sym(6, 6, c4z), sym(12, 12, c4z), sym(6, 12, c2z);
}

static void member_stiffness_times_rotation(const StructureModel& s, int i, float P[13][13])
{
    float SM[13][13];
    member_stiffness(s, i, SM);
    const float(&R)[4][4] = s.R[i];
    for (int r = 1; r <= 12; ++r)
        for (int b = 1; b <= 4; ++b)
            for (int j = 1; j <= 3; ++j) {
                double sum = 0.0;
                for (int k = 1; k <= 3; ++k)
                    sum += static_cast<double>(SM[r][3 * b - 3 + k]) * R[k][j];
                P[r][3 * b - 3 + j] = static_cast<float>(sum);
            }
}

static void member_raw_numbers(const StructureModel& s, int i, int raw[])
{
    for (int k = 1; k <= 6; ++k) {
        raw[k] = 6 * s.jj[i] - 6 + k;
        raw[k + 6] = 6 * s.jk[i] - 6 + k;
    }
}

void global_stiffness(const StructureModel& s, int i, qm::MemberMatrix& sms, int raw[])
{
    float P[13][13];
    member_stiffness_times_rotation(s, i, P);
    const float(&R)[4][4] = s.R[i];
    sms.nd = 12;
    for (int b = 1; b <= 4; ++b)
        for (int ii = 1; ii <= 3; ++ii)
            for (int c = 1; c <= 12; ++c) {
                double sum = 0.0;
                for (int k = 1; k <= 3; ++k)
                    sum += static_cast<double>(R[k][ii]) * P[3 * b - 3 + k][c];
                sms.a[3 * b - 3 + ii][c] = static_cast<float>(sum);
            }
    member_raw_numbers(s, i, raw);
}

// Member loads are fixed-end actions in member axes; the joints take them
// reversed, turned into global axes: AE -= R^T * w for each triple w.
void equivalent_joint_loads(const StructureModel& s, float AE[])
{
    for (int i = 1; i <= s.m; ++i) {
        const float* a = s.AML(i);
        const float(&R)[4][4] = s.R[i];
        int raw[13];
        member_raw_numbers(s, i, raw);
        for (int t = 0; t < 4; ++t) {
            const float* w = &a[3 * t];
            for (int k = 1; k <= 3; ++k) {
                int q = raw[3 * t + k];
                AE[q] = AE[q] - (R[1][k] * w[1] + R[2][k] * w[2] + R[3][k] * w[3]);
            }
        }
    }
}

// End actions in member axes: the fixed-end actions plus P times the
// member's joint displacements, each sum in double and rounded once.
void member_end_actions(StructureModel& s, const float D[])
{
    for (int i = 1; i <= s.m; ++i) {
        float P[13][13];
        member_stiffness_times_rotation(s, i, P);
        int raw[13];
        member_raw_numbers(s, i, raw);
        for (int r = 1; r <= 12; ++r) {
            double sum = s.AML(i)[r];
            for (int c = 1; c <= 12; ++c)
                sum += static_cast<double>(P[r][c]) * D[raw[c]];
            s.AML(i)[r] = static_cast<float>(sum);
        }
    }
}

// The effective length factor of the column formula and of F'e.
static constexpr float effective_length_factor = 1.0f;

qm::Allowables allowables(const StructureModel& s, int i)
{
    const Section& c = s.sec[i];
    float K = effective_length_factor;
    qm::Allowables a;
    a.tension = qm::times(qm::times(0.6, c.A), c.Fy);
    // Shear is checked along each direction whose web area the record
    // gives, bending about each axis whose section modulus it gives;
    // torsion never: its allowable needs the section's shape.
    if (c.Awy != 0.0f)
        a.shear = qm::allowable_shear(c.Awy, c.Fy);
    if (c.Awz != 0.0f)
        a.shear_z = qm::allowable_shear(c.Awz, c.Fy);
    if (c.Sy != 0.0f)
        a.moment_y = qm::allowable_moment(c.Sy, c.Fy);
    if (c.Sz != 0.0f)
        a.moment = qm::allowable_moment(c.Sz, c.Fy);
    a.compression = qm::column_allowable(c.A, c.rx, c.ry, s.L[i], c.E, c.Fy, K);
    // The section's x axis is member z: rx is the radius of bending about
    // member z, ry about member y.
    a.euler_force = qm::euler_force(c.A, c.rx, s.L[i], c.E, K);
    a.euler_force_y = qm::euler_force(c.A, c.ry, s.L[i], c.E, K);
    return a;
}

} // namespace frame3d
