#include "engine/member_stiffness.h"

#include <cstring>

namespace quill {

namespace {

// The section properties behind each rigidity of a type's member: axial EA,
// torsional GJ, bending EIy about member y and EIz about member z;
// prop_count where the type's member has none.
struct Rigidities {
    Prop area, torsion, inertia_y, inertia_z;
};

constexpr Prop none = prop_count;

// In the order of Type. A beam's bending inertia is the Ix of its record,
// a grid member bends about its y axis alone.
const Rigidities rigidities[] = {
    {.area = A, .torsion = J, .inertia_y = Iy, .inertia_z = Iz},      // space frame
    {.area = A, .torsion = none, .inertia_y = none, .inertia_z = Iz}, // plane frame
    {.area = A, .torsion = none, .inertia_y = none, .inertia_z = none},
    {.area = A, .torsion = none, .inertia_y = none, .inertia_z = none},
    {.area = none, .torsion = J, .inertia_y = Iy, .inertia_z = none},    // grid
    {.area = none, .torsion = none, .inertia_y = none, .inertia_z = Ix}, // beam
};

double property(const Section& c, Prop p)
{
    return p == none ? 0.0 : c.p[p];
}

} // namespace

int space_direction(const TypeTable& t, int k)
{
    static const char* const names[6] = {"x", "y", "z", "rx", "ry", "rz"};
    for (int a = 0; a < 6; ++a)
        if (std::strcmp(t.dof[k], names[a]) == 0)
            return a;
    return -1;
}

Matrix12 local_stiffness(const Model& s, int i)
{
    const Section& c = s.sections[s.members[i - 1].section];
    const Rigidities& r = rigidities[static_cast<int>(s.type)];
    double L = s.length(i);
    double EA = c.p[E] * property(c, r.area), GJ = c.p[G] * property(c, r.torsion);
    double EIy = c.p[E] * property(c, r.inertia_y), EIz = c.p[E] * property(c, r.inertia_z);
    Matrix12 k{};
    auto sym = [&](int a, int b, double v) { k[a][b] = k[b][a] = v; };
    auto bar = [&](int a, double v) {
        sym(a, a, v);
        sym(a + 6, a + 6, v);
        sym(a, a + 6, -v);
    };
    bar(0, EA / L);
    bar(3, GJ / L);
    // Bending in the x-y plane: translation y (1, 7) with rotation z (5, 11);
    // in the x-z plane translation z (2, 8) with rotation y (4, 10), where a
    // positive rotation about y turns the member's end towards -z.
    auto bending = [&](int v, int theta, double EI, double turn) {
        double c12 = 12 * EI / (L * L * L), c6 = turn * 6 * EI / (L * L), c4 = 4 * EI / L, c2 = 2 * EI / L;
        bar(v, c12);
        sym(v, theta, c6);
        sym(v, theta + 6, c6);
        sym(theta, v + 6, -c6);
        sym(v + 6, theta + 6, -c6);
        sym(theta, theta, c4);
        sym(theta + 6, theta + 6, c4);
        sym(theta, theta + 6, c2);
    };
    bending(1, 5, EIz, 1);
    bending(2, 4, EIy, -1);
    return k;
}

Vector12 to_member(const Axes& ax, const Vector12& global)
{
    Vector12 out{};
    for (int t = 0; t < 12; t += 3)
        for (int r = 0; r < 3; ++r)
            out[t + r] = ax.R[r][0] * global[t] + ax.R[r][1] * global[t + 1] + ax.R[r][2] * global[t + 2];
    return out;
}

Vector12 to_global(const Axes& ax, const Vector12& member)
{
    Vector12 out{};
    for (int t = 0; t < 12; t += 3)
        for (int c = 0; c < 3; ++c)
            out[t + c] = ax.R[0][c] * member[t] + ax.R[1][c] * member[t + 1] + ax.R[2][c] * member[t + 2];
    return out;
}

Matrix12 global_stiffness(const Matrix12& k, const Axes& ax)
{
    Matrix12 g{};
    for (int a = 0; a < 12; a += 3)
        for (int b = 0; b < 12; b += 3) {
            // P = k_ab R, then Rᵀ P.
            double P[3][3];
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    P[r][c] = k[a + r][b] * ax.R[0][c] + k[a + r][b + 1] * ax.R[1][c] + k[a + r][b + 2] * ax.R[2][c];
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    g[a + r][b + c] = ax.R[0][r] * P[0][c] + ax.R[1][r] * P[1][c] + ax.R[2][r] * P[2][c];
        }
    return g;
}

} // namespace quill
