// Benchmark of quillmark's analysis engine on generated buildings of about
// 1,000, 10,000 and 100,000 degrees of freedom (three load cases, five
// combinations): the wall time of writing and reading the model file, of
// assembling, of ordering and factoring, and of solving the cases and
// forming the combinations, and the peak memory. Each size runs in a
// process of its own, so that its peak memory is its own.
//
// Usage: engine_benchmark [SIZE...], SIZE one of 1k 10k 100k 300k 1M
// (1k 10k 100k when none is named); the model files go to the current
// directory and are removed after.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "building_model.h"
#include "equilibrium.h"
#include "engine/analysis.h"
#include "along/member_checks.h"
#include "file/model_file.h"
#include "loads/span_loads.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Size {
    const char* name;
    qmtools::Building b;
};

const Size sizes[] = {
    {"1k", {.bays_x = 3, .bays_z = 3, .storeys = 10}},
    // The office of the README: 637 joints, 1,596 members.
    {"office", {.bays_x = 6, .bays_z = 6, .storeys = 12}},
    {"10k", {.bays_x = 8, .bays_z = 8, .storeys = 20}},
    {"100k", {.bays_x = 20, .bays_z = 20, .storeys = 38}},
    {"300k", {.bays_x = 30, .bays_z = 30, .storeys = 52}},
    {"1M", {.bays_x = 40, .bays_z = 40, .storeys = 100}},
    // Twelve storeys on ever larger plans: a building as wide as it is
    // long, whose equations couple through no more than a storey's height.
    {"10k-flat", {.bays_x = 11, .bays_z = 11, .storeys = 12}},
    {"100k-flat", {.bays_x = 36, .bays_z = 36, .storeys = 12}},
    {"1M-flat", {.bays_x = 119, .bays_z = 119, .storeys = 12}},
};

double since(Clock::time_point t0)
{
    return std::chrono::duration<double>(Clock::now() - t0).count();
}

// The time at which each stage of the engine began.
struct Stages : quill::Progress {
    std::vector<std::pair<std::string, Clock::time_point>> at;
    void stage(const std::string& what) override { at.emplace_back(what, Clock::now()); }
};

int run(const Size& z)
{
    std::string path = std::string("building_") + z.name + ".toml";
    auto t0 = Clock::now();
    {
        std::ofstream out(path);
        out << qmtools::building_model(z.b);
    }
    double write = since(t0);
    t0 = Clock::now();
    quill::Model s;
    try {
        s = quill::read_model_file(path);
    } catch (const quill::ModelError& e) {
        std::printf("%s\n", e.message.c_str());
        return 1;
    }
    std::remove(path.c_str());
    double read = since(t0);
    Stages stages;
    try {
        t0 = Clock::now();
        quill::Engine engine(s, &stages);
        auto factored = Clock::now();
        std::vector<quill::Solution> cases = engine.solve_cases();
        std::vector<quill::Solution> combinations;
        for (const quill::Combination& c : s.combinations)
            combinations.push_back(quill::Engine::combine(s, c, cases));
        auto solved = Clock::now();
        // The work along the members: every member of every combination
        // followed between its ends and checked where its actions peak.
        std::vector<quill::MemberAllowables> allowed(s.members.size() + 1);
        for (size_t i = 1; i <= s.members.size(); ++i)
            allowed[i] = quill::allowables_of(s, static_cast<int>(i));
        size_t failing = 0;
        for (size_t c = 0; c < s.combinations.size(); ++c) {
            quill::SpanLoads loads = quill::span_loads(s, s.combinations[c]);
            for (size_t i = 1; i <= s.members.size(); ++i) {
                quill::SpanData d = quill::span_data(s, static_cast<int>(i), combinations[c], loads.member[i]);
                quill::MemberVerdict v = quill::check_member(allowed[i], quill::actions_along(d));
                failing += quill::fails(v.check[quill::combined]);
            }
        }
        auto along = Clock::now();
        double worst = 0, of_total = 0;
        for (size_t c = 0; c < s.combinations.size(); ++c) {
            qmtools::EquilibriumMiss miss = qmtools::equilibrium_miss(s, s.combinations[c], combinations[c]);
            worst = std::max({worst, miss.force, miss.moment});
            of_total = std::max(of_total, miss.of_resultant);
        }
        auto span = [](Clock::time_point a, Clock::time_point b) {
            return std::chrono::duration<double>(b - a).count();
        };
        rusage u{};
        getrusage(RUSAGE_SELF, &u);
        std::printf("%-9s %8d %7zu %7zu %8.2f %8.2f %10.3f %10.3f %8.3f %8.3f %8.3f %9.0f %9.1e %9.1e\n", z.name,
                    engine.equations(), s.joints.size(), s.members.size(), write, read, span(t0, stages.at[1].second),
                    span(stages.at[1].second, factored), span(factored, solved), span(t0, solved),
                    span(solved, along), static_cast<double>(u.ru_maxrss) / 1024, worst, of_total);
        if (failing > 1000000000)
            std::printf("(%zu)\n", failing); // keeps the work from being optimised away
    } catch (const quill::EngineStop& e) {
        std::printf("%s\n", e.message.c_str());
        return 1;
    } catch (const std::bad_alloc&) {
        std::printf("%-9s out of memory\n", z.name);
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<const Size*> chosen;
    for (int a = 1; a < argc; ++a) {
        const Size* found = nullptr;
        for (const Size& z : sizes)
            if (std::string(argv[a]) == z.name)
                found = &z;
        if (!found) {
            std::fprintf(stderr, "usage: engine_benchmark [1k|office|10k|100k|300k|1M|10k-flat|100k-flat|1M-flat ...]\n");
            return 1;
        }
        chosen.push_back(found);
    }
    if (chosen.empty())
        chosen = {&sizes[0], &sizes[1], &sizes[2]};
    // balance: the reactions' miss over the largest single load; of total:
    // their force's miss over the loads' resultant.
    std::printf("%-9s %8s %7s %7s %8s %8s %10s %10s %8s %8s %8s %9s %9s %9s\n", "size", "DOF", "joints", "members", "write s",
                "read s", "assemble s", "factor s", "solve s", "engine s", "along s", "peak MB", "balance", "of total");
    int status = 0;
    for (const Size* z : chosen) {
        std::fflush(stdout);
        pid_t pid = fork();
        if (pid == 0) {
            int r = run(*z);
            std::fflush(stdout);
            _exit(r);
        }
        int st = 0;
        waitpid(pid, &st, 0);
        if (!WIFEXITED(st) || WEXITSTATUS(st) != 0) {
            std::printf("%-9s did not complete\n", z->name);
            status = 1;
        }
    }
    return status;
}
