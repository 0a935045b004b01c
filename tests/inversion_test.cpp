// The inversion against the plain Gauss-Jordan loop it stands in for. On
// random banded and dense matrices, with exact-zero structure or rounding
// noise, stable, unstable or overflowing, each result must be the plain
// loop's bit for bit: the return code and the failed equation, D for several
// load vectors, the reactions and B itself. Every case first runs another
// matrix through the same object, so nothing of an earlier run may survive
// clear_matrix.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "plain_gauss_jordan.h"
#include "stiffness_matrix.h"

namespace {

// How the off-diagonal entries come about.
enum Build {
    random_entries, // random values, the diagonal `dominance` times the sum of its row's others
    springs,        // springs between equations and, at every seventh, to the ground
    beams,          // beam elements between nodes of two equations each (deflection, rotation),
                    // the first node held: factors well above 1, and the rounding left in
                    // eliminated columns reaches the displacements
    beams_on_a_pin, // the same free to turn about the first node: a mechanism whose pivots
                    // keep an ordinary size through rounding, and results that hang on every bit
};

// Equations the plain loop carries through to infinite or NaN results.
enum Extreme {
    none,
    huge_coupling,  // equation 1 coupled only to the middle one, by 3e38: a factor overflows
    tiny_stiffness, // the middle equation on its own with a stiffness of 1e-39: B holds an infinity
};

struct Shape {
    const char* name;
    int n;
    int band;        // half bandwidth; n for a dense matrix
    double zeros;    // share of exact zeros inside the band
    Build build;
    bool dyadic;     // small whole entries: many exact cancellations
    bool symmetric;  // zero pattern and values
    float dominance; // random_entries: below 1 some pivots fail
    Extreme extreme;
};

const Shape shapes[] = {
    {"none", 0, 0, 0, random_entries, false, true, 2, none},
    {"one", 1, 1, 0, random_entries, false, true, 2, none},
    {"three_dense", 3, 3, 0, random_entries, false, true, 1.5f, none},
    {"seven_dyadic", 7, 7, 0.3, random_entries, true, true, 1.2f, none},
    {"panel_less_one", 31, 4, 0.2, random_entries, false, true, 1.1f, none},
    {"panel", 32, 5, 0.0, random_entries, true, true, 1.5f, none},
    {"panel_and_one", 33, 6, 0.4, random_entries, false, false, 1.1f, none},
    {"two_panels_and_one", 65, 9, 0.5, random_entries, true, true, 1.05f, none},
    {"banded_noise", 150, 12, 0.0, random_entries, false, true, 1.01f, none},
    {"banded_dyadic_zeros", 200, 20, 0.6, random_entries, true, true, 1.1f, none},
    {"unsymmetric_pattern", 180, 15, 0.5, random_entries, false, false, 1.2f, none},
    {"dense_noise", 120, 120, 0.0, random_entries, false, true, 1.01f, none},
    {"dense_dyadic_zeros", 97, 97, 0.7, random_entries, true, false, 1.3f, none},
    {"wide_band", 300, 60, 0.3, random_entries, false, true, 1.02f, none},
    {"indefinite", 100, 8, 0.2, random_entries, false, true, 0.3f, none},
    {"springs", 160, 10, 0.5, springs, false, true, 0, none},
    {"springs_unsymmetric", 230, 24, 0.3, springs, false, false, 0, none},
    {"springs_dense", 90, 90, 0.6, springs, false, true, 0, none},
    {"beams", 240, 16, 0.5, beams, false, true, 0, none},
    {"beams_on_a_pin", 240, 16, 0.5, beams_on_a_pin, false, true, 0, none},
    {"beams_wide", 320, 48, 0.6, beams, false, true, 0, none},
    {"beams_dense", 128, 128, 0.8, beams, false, true, 0, none},
    {"factor_overflows", 80, 6, 0.1, random_entries, false, true, 1.5f, huge_coupling},
    {"inverse_overflows", 60, 5, 0.1, random_entries, false, true, 1.5f, tiny_stiffness},
};

// Room for the largest shape and its support rows.
const int capacity = 330;

struct Model {
    int n = 0, nr = 0;
    std::vector<float> K; // rows 1..n+nr, columns 1..n, rows n + 1 apart
    float& at(int i, int j) { return K[static_cast<std::size_t>(i) * (n + 1) + j]; }
};

float entry(std::mt19937& rng, bool dyadic)
{
    if (dyadic)
        return static_cast<float>(std::uniform_int_distribution<int>(-4, 4)(rng));
    return std::uniform_real_distribution<float>(-1.0f, 1.0f)(rng) * std::exp2(static_cast<float>(rng() % 7) - 3);
}

// EI/L^3 times [12, 6L, -12, 6L; 6L, 4L^2, -6L, 2L^2; ...] at equations
// (2a-1, 2a) and (2b-1, 2b).
void add_beam(Model& m, int a, int b, std::mt19937& rng)
{
    float L = std::uniform_real_distribution<float>(48, 240)(rng);
    float k = 29000.0f * std::uniform_real_distribution<float>(10, 400)(rng) / (L * L * L);
    float e[4][4] = {{12, 6 * L, -12, 6 * L}, {6 * L, 4 * L * L, -6 * L, 2 * L * L},
                     {-12, -6 * L, 12, -6 * L}, {6 * L, 2 * L * L, -6 * L, 4 * L * L}};
    int eq[4] = {2 * a - 1, 2 * a, 2 * b - 1, 2 * b};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (eq[r] <= m.n && eq[c] <= m.n)
                m.at(eq[r], eq[c]) += k * e[r][c];
}

Model make_model(const Shape& s, unsigned seed)
{
    std::mt19937 rng(seed);
    Model m;
    m.n = s.n;
    m.nr = 3;
    m.K.assign(static_cast<std::size_t>(m.n + m.nr + 1) * (m.n + 1), 0.0f);
    std::bernoulli_distribution zero(s.zeros);
    int mid = (m.n + 1) / 2;
    int alone = s.extreme == huge_coupling ? 1 : s.extreme == tiny_stiffness ? mid : 0;
    if (s.build == beams || s.build == beams_on_a_pin) {
        m.at(1, 1) = 1e4f;
        if (s.build == beams && m.n > 1)
            m.at(2, 2) = 1e7f;
        int nodes = (m.n + 1) / 2;
        for (int a = 1; a <= nodes; ++a) {
            for (int b = a + 1; b <= std::min(nodes, a + s.band / 2); ++b)
                if (b == a + 1 || !zero(rng))
                    add_beam(m, a, b, rng);
        }
    }
    for (int i = 1; s.build < beams && i <= m.n; ++i)
        for (int j = std::max(1, i - s.band); j <= std::min(m.n, i + s.band); ++j) {
            if (j == i || (s.symmetric && j < i) || zero(rng) || i == alone || j == alone)
                continue;
            float k = entry(rng, s.dyadic);
            if (s.build == springs) {
                k = std::fabs(k);
                m.at(i, i) += k;
                m.at(j, j) += s.symmetric ? k : 1.25f * k;
                k = -k;
            }
            m.at(i, j) = k;
            if (s.symmetric)
                m.at(j, i) = k;
        }
    for (int i = 1; i <= m.n; ++i) {
        if (s.build == springs)
            m.at(i, i) += i % 7 == 0 || i == alone ? 0.5f : 0.0f;
        if (s.build != random_entries)
            continue;
        float off = 0;
        for (int j = 1; j <= m.n; ++j)
            off += std::fabs(m.at(i, j));
        m.at(i, i) = s.dyadic ? std::ceil(s.dominance * off) + 1 : s.dominance * off + 0.25f;
    }
    if (s.extreme == huge_coupling)
        m.at(1, mid) = 3e38f;
    if (s.extreme == tiny_stiffness)
        m.at(mid, mid) = 1e-39f;
    for (int r = m.n + 1; r <= m.n + m.nr; ++r)
        for (int j = 1; j <= m.n; ++j)
            if (rng() % 4 == 0)
                m.at(r, j) = entry(rng, s.dyadic);
    return m;
}

// Load vectors (equations 1..n+nr): one load, a few (some of them -0), all,
// none, and one that overflows, with an infinite and a NaN load.
std::vector<std::vector<float>> load_cases(int size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::vector<std::vector<float>> cases(5, std::vector<float>(size + 1, 0.0f));
    cases[0][(size + 1) / 2] = 1.5f;
    for (int j = 1; j <= size; ++j) {
        if (rng() % 8 == 0)
            cases[1][j] = rng() % 3 == 0 ? -0.0f : entry(rng, false);
        cases[2][j] = entry(rng, false);
        cases[4][j] = rng() % 5 == 0 ? entry(rng, false) : 0.0f;
    }
    cases[4][1] = 3e38f;
    cases[4][size / 3] = NAN;
    cases[4][size] = INFINITY;
    return cases;
}

void fill(qm::StiffnessMatrix& sm, Model& m)
{
    sm.clear_matrix();
    for (int i = 1; i <= m.n + m.nr; ++i)
        for (int j = 1; j <= m.n; ++j)
            if (m.at(i, j) != 0.0f)
                sm.k(i, j) = m.at(i, j);
}

bool same_bits(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// D and the reactions for every load vector, against the plain loop's B.
void expect_plain_solutions(qm::StiffnessMatrix& sm, Model& m, const std::vector<float>& B,
                            const std::vector<std::vector<float>>& loads)
{
    int size = m.n + m.nr;
    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    std::vector<float> D(size + 1), AR(size + 1), plain_D(size + 1);
    for (std::size_t c = 0; c < loads.size(); ++c) {
        const float* AC = loads[c].data();
        sm.solve_displacements(m.n, AC, D.data());
        sm.support_reactions(m.n, m.nr, AC, D.data(), AR.data());
        qm::plain_solve(B.data(), stride, m.n, AC, plain_D.data());
        for (int i = 1; i <= m.n; ++i)
            ASSERT_TRUE(same_bits(D[i], plain_D[i])) << "loads " << c << ", D[" << i << "] " << D[i] << " against "
                                                     << plain_D[i];
        for (int r = m.n + 1; r <= size; ++r) {
            float plain = -AC[r];
            for (int j = 1; j <= m.n; ++j)
                plain = plain + m.at(r, j) * plain_D[j];
            // Which of two NaNs a sum keeps is the compiler's choice.
            ASSERT_TRUE(same_bits(AR[r], plain) || (std::isnan(AR[r]) && std::isnan(plain)))
                << "loads " << c << ", AR[" << r << "]";
        }
    }
}

// Corrections through the inverse, in double precision: close to the plain
// B times the vector, wherever that is finite.
void expect_inverse_applied(qm::StiffnessMatrix& sm, int n, const std::vector<float>& B, const std::vector<float>& v)
{
    std::size_t stride = static_cast<std::size_t>(n) + 1;
    std::vector<double> r(v.begin(), v.begin() + n + 1), out(n + 1);
    sm.apply_inverse(r.data(), out.data(), n);
    for (int i = 1; i <= n; ++i) {
        double sum = 0, size_of_terms = 0;
        for (int j = 1; j <= n; ++j) {
            sum += B[i * stride + j] * r[j];
            size_of_terms += std::fabs(B[i * stride + j] * r[j]);
        }
        if (std::isfinite(size_of_terms)) {
            ASSERT_NEAR(out[i], sum, 1e-4 * size_of_terms + 1e-30) << "row " << i;
        }
    }
}

class AgainstPlainLoop : public ::testing::TestWithParam<Shape> {};

TEST_P(AgainstPlainLoop, EveryResultIsThePlainLoops)
{
    const Shape& s = GetParam();
    Model m = make_model(s, 7);
    qm::StiffnessMatrix sm(capacity);

    // An earlier dense run of the same order leaves its traces everywhere.
    Shape dirty = {"dirty", s.n, capacity, 0.0, random_entries, false, false, 1.5f, none};
    Model earlier = make_model(dirty, 3);
    fill(sm, earlier);
    int failed = 0;
    ASSERT_EQ(sm.invert(earlier.n, 1e-6f, &failed), qm::Inversion::done);

    fill(sm, m);
    qm::Inversion status = sm.invert(m.n, 1e-6f, &failed);

    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    std::vector<float> K(m.K.begin(), m.K.begin() + stride * stride), B(stride * stride);
    int plain_failed = 0;
    qm::Inversion plain_status = qm::plain_invert(K.data(), B.data(), stride, m.n, 1e-6f, &plain_failed);
    ASSERT_EQ(status, plain_status);
    if (status == qm::Inversion::unstable) {
        EXPECT_EQ(failed, plain_failed);
        return;
    }

    std::vector<std::vector<float>> loads = load_cases(m.n + m.nr, 11);
    expect_inverse_applied(sm, m.n, B, loads[2]);
    expect_plain_solutions(sm, m, B, loads);
    for (int i = 1; i <= m.n; ++i)
        for (int j = 1; j <= m.n; ++j) {
            float b = sm.b(i, j), plain = B[i * stride + j];
            ASSERT_TRUE(b == plain || (std::isnan(b) && std::isnan(plain))) << "B[" << i << "][" << j << "]";
        }
    expect_plain_solutions(sm, m, B, loads); // now from B formed whole
}

std::string shape_name(const ::testing::TestParamInfo<Shape>& p) { return p.param.name; }
void PrintTo(const Shape& s, std::ostream* os) { *os << s.name; }

INSTANTIATE_TEST_SUITE_P(Matrices, AgainstPlainLoop, ::testing::ValuesIn(shapes), shape_name);

} // namespace
