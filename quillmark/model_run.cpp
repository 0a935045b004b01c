#include "model_run.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "program_runs.h"
#include "envelope.h"
#include "input_writer.h"
#include "model_file.h"

namespace quill {

namespace {

namespace fs = std::filesystem;

bool write_file(const fs::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
    out.close();
    return !out.fail();
}

// The model's path without its extension: MODEL of MODEL.toml.
fs::path base_of(const std::string& path)
{
    fs::path p(path);
    return p.parent_path() / p.stem();
}

std::string first_line(const std::string& text)
{
    std::string s = text;
    while (!s.empty() && (s.front() == '\n' || s.front() == ' '))
        s.erase(0, 1);
    size_t nl = s.find('\n');
    return nl == std::string::npos ? s : s.substr(0, nl);
}

} // namespace

int run_model(const std::string& path)
{
    Model s;
    try {
        s = read_model_file(path);
    } catch (const ModelError& e) {
        std::printf("%s\n", e.message.c_str());
        return 1;
    }
    const TypeTable& t = s.t();
    fs::path base = base_of(path);
    fs::path folder = base.string() + ".out";
    std::vector<CombinationRun> runs;
    bool stopped = false;
    for (const Combination& c : s.combinations) {
        CombinationRun r;
        r.name = c.name;
        fs::path dir = folder / c.name;
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec || !write_file(dir / (std::string(t.stem) + ".in"), input_file(s, combine(s, c)))) {
            r.error = "cannot write " + (dir / (std::string(t.stem) + ".in")).string();
        } else {
            Outcome o = analyse(s.type, dir.string());
            if (o.status == 0 || o.status == 2) {
                r.failing = o.status == 2;
                r.completed = read_results(s, (dir / (std::string(t.stem) + ".csv")).string(), r.results);
                if (!r.completed)
                    r.error = "its results cannot be read";
            } else {
                r.error = first_line(o.console);
                if (r.error.empty())
                    r.error = "stopped with status " + std::to_string(o.status);
            }
        }
        if (r.completed)
            std::printf("%s: completed\n", c.name.c_str());
        else
            std::printf("%s: %s\n", c.name.c_str(), r.error.c_str());
        stopped = stopped || !r.completed;
        runs.push_back(std::move(r));
    }
    Envelope e = envelope_of(s, runs);
    fs::path csv = base.string() + ".envelope.csv", htm = base.string() + ".envelope.htm";
    std::string link = folder.filename().string();
    if (!write_file(csv, envelope_csv(s, runs, e)) || !write_file(htm, envelope_htm(s, runs, e, link))) {
        std::printf("cannot write the envelope %s\n", csv.string().c_str());
        return 1;
    }
    if (e.governing_member != 0) {
        const Governing& g = e.member[e.governing_member][e.governing_check];
        static const char* const names[] = {"tension", "compression", "shear", "moment", "torsion"};
        std::printf("governing member %s: %s ratio %.3f in %s%s\n", s.members[e.governing_member - 1].name.c_str(),
                    names[e.governing_check], g.ratio, runs[g.combination].name.c_str(), g.ratio <= 1 ? ": fails" : "");
    }
    std::printf("envelope: %s\n", htm.string().c_str());
    if (stopped)
        return 1;
    bool failing = e.any_failure;
    for (const CombinationRun& r : runs)
        failing = failing || r.failing;
    return failing ? 2 : 0;
}

} // namespace quill
