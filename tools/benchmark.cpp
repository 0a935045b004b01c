// Benchmark of the inversion: each program on a generated full-size model
// (wall time of the whole run, median of several), against the plain
// Gauss-Jordan loop on the same model's matrix timed in the same process
// run, and their ratio. Timings on a shared machine are noisy, hence the
// medians and the same run for both sides.
//
// Usage: benchmark_inversion FRAME3D FRAME2D TRUSS2D [program runs] [plain runs]
// with the paths of the three programs; each runs in a folder of its name
// under the current directory.
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model_matrix.h"
#include "plain_gauss_jordan.h"
#include "plane_structure_generator.h"
#include "solution.h"
#include "space_frame_generator.h"
#include "stiffness_matrix.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Benchmark {
    const char* program;
    const char* input;
    std::string text;
    std::function<qmtools::ModelMatrix()> matrix;
};

double seconds_since(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// The plain loop's time on a fresh copy of the matrix each run.
double time_plain(const qmtools::ModelMatrix& m, int runs, bool skip_zero_factors)
{
    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    std::vector<float> K, B(stride * stride);
    std::vector<double> t;
    for (int r = 0; r < runs; ++r) {
        K = m.K;
        int failed = 0;
        auto t0 = Clock::now();
        qm::plain_invert(K.data(), B.data(), stride, m.n, qm::pivot_tolerance, &failed, skip_zero_factors);
        t.push_back(seconds_since(t0));
    }
    return median(t);
}

double time_inversion(const qmtools::ModelMatrix& m, int runs)
{
    qm::StiffnessMatrix sm(m.n);
    std::size_t stride = static_cast<std::size_t>(m.n) + 1;
    std::vector<double> t;
    for (int r = 0; r < runs; ++r) {
        sm.clear_matrix();
        for (int i = 1; i <= m.n; ++i)
            for (int j = 1; j <= m.n; ++j)
                if (m.K[i * stride + j] != 0.0f)
                    sm.k(i, j) = m.K[i * stride + j];
        int failed = 0;
        auto t0 = Clock::now();
        sm.invert(m.n, qm::pivot_tolerance, &failed);
        t.push_back(seconds_since(t0));
    }
    return median(t);
}

bool run(const Benchmark& b, const std::filesystem::path& program, int program_runs, int plain_runs)
{
    std::filesystem::create_directories(b.program);
    std::filesystem::current_path(b.program);
    std::FILE* f = std::fopen(b.input, "w");
    if (!f) {
        std::printf("  trouble opening %s\n", b.input);
        return false;
    }
    std::fputs(b.text.c_str(), f);
    std::fclose(f);
    qmtools::ModelMatrix m = b.matrix();

    std::string command = "'";
    command += program.string();
    command += "' > /dev/null";
    std::vector<double> t;
    for (int r = 0; r < program_runs; ++r) {
        auto t0 = Clock::now();
        int status = std::system(command.c_str());
        t.push_back(seconds_since(t0));
        // Completed: every check passes (0) or a member fails one (2).
        if (!WIFEXITED(status) || (WEXITSTATUS(status) != 0 && WEXITSTATUS(status) != 2)) {
            std::printf("%s failed on its model\n", b.program);
            return false;
        }
    }
    double program_time = median(t);
    double plain = time_plain(m, plain_runs, false);
    double skipping = time_plain(m, plain_runs, true);
    double inversion = time_inversion(m, program_runs);
    std::filesystem::current_path("..");

    std::printf("%s, %s as generated, %d equations:\n", b.program, b.input, m.n);
    std::printf("  program               %8.3f s  (median of %d runs)\n", program_time, program_runs);
    std::printf("  plain loop            %8.3f s  (same matrix, median of %d)\n", plain, plain_runs);
    std::printf("  plain loop / program  %8.1f\n", plain / program_time);
    std::printf("  for comparison: the loop skipping rows of factor 0 (the code before) %.3f s;"
                " this inversion alone %.3f s\n",
                skipping, inversion);
    std::fflush(stdout);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::printf("usage: benchmark_inversion FRAME3D FRAME2D TRUSS2D [program runs] [plain runs]\n");
        return 1;
    }
    int program_runs = argc > 4 ? std::max(1, std::atoi(argv[4])) : 11;
    int plain_runs = argc > 5 ? std::max(1, std::atoi(argv[5])) : 5;

    std::vector<Benchmark> benchmarks = {
        {"frame3d", "spacefr.in", qmtools::make_space_frame_input(qmtools::BuildingFrame{}), qmtools::frame3d_matrix},
        {"frame2d", "planefr.in", qmtools::make_plane_frame_input(qmtools::PlaneGrid{}), qmtools::frame2d_matrix},
        {"truss2d", "planetr.in", qmtools::make_plane_truss_input(qmtools::PlaneGrid{}), qmtools::truss2d_matrix},
    };
    bool ok = true;
    for (int i = 0; i < 3; ++i)
        ok = run(benchmarks[i], std::filesystem::absolute(argv[i + 1]), program_runs, plain_runs) && ok;
    return ok ? 0 : 1;
}
