// The generated full-size plane models the benchmark times: each program
// completes and its reactions balance the loads. In a debug build (the
// sanitize preset) every run also replays the plain Gauss-Jordan loop inside
// the program, which stops on any displacement that differs from it.
#include <gtest/gtest.h>

#include <string>

#include "harness.h"
#include "plane_structure_generator.h"

namespace {

struct FullSizeModel {
    const char* name;
    const char* program;
    const char* stem; // of the input and result files
    std::string (*make)(const qmtools::PlaneGrid&);
    int reaction_x, reaction_y; // CSV fields of the reactions on a joint line
    double load_x, load_y;      // totals applied, kips
};

// Per level above the base (19 of them): 5 kips along x at the left column,
// 10 kips down at the middle one, and on the plane frame a first beam whose
// fixed-end actions stand for 36 kips down.
const FullSizeModel models[] = {
    {"frame2d", FRAME2D, "planefr", qmtools::make_plane_frame_input, 4, 5, 19 * 5.0, -19 * (10.0 + 36.0)},
    {"truss2d", TRUSS2D, "planetr", qmtools::make_plane_truss_input, 3, 4, 19 * 5.0, -19 * 10.0},
};

class FullSize : public ::testing::TestWithParam<FullSizeModel> {};

TEST_P(FullSize, ReactionsBalanceTheLoads)
{
    const FullSizeModel& m = GetParam();
    qmtest::ProgramDir dir;
    qmtools::PlaneGrid grid;
    dir.write(std::string(m.stem) + ".in", m.make(grid));
    qmtest::RunResult r = dir.run(m.program);
    // The generated models' slender members fail in compression: the run
    // completes with status 2.
    ASSERT_EQ(r.status, 2) << r.console << r.errors;
    EXPECT_EQ(r.console, "successfully completed\n");
    std::string csv = dir.read(std::string(m.stem) + ".csv");
    double rx = 0, ry = 0;
    for (int j = 1; j <= grid.joints_per_level; ++j) {
        rx += qmtest::csv_value(csv, j, m.reaction_x);
        ry += qmtest::csv_value(csv, j, m.reaction_y);
    }
    EXPECT_NEAR(rx, -m.load_x, 1e-2);
    EXPECT_NEAR(ry, -m.load_y, 1e-2);
}

std::string model_name(const ::testing::TestParamInfo<FullSizeModel>& p) { return p.param.name; }
void PrintTo(const FullSizeModel& m, std::ostream* os) { *os << m.name; }

INSTANTIATE_TEST_SUITE_P(Generated, FullSize, ::testing::ValuesIn(models), model_name);

} // namespace
