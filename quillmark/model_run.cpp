#include "model_run.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "classic/program_runs.h"
#include "pages/envelope.h"
#include "classic/input_writer.h"
#include "loads/member_loads.h"
#include "file/model_file.h"
#include "run/output_file.h"

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

// An envelope left from an earlier run would pass for this one's.
void remove_envelope(const fs::path& csv, const fs::path& htm)
{
    for (const fs::path& p : {csv, htm}) {
        std::error_code ec;
        if (!fs::is_directory(fs::symlink_status(p, ec)))
            fs::remove(p, ec);
    }
}

// Folders under MODEL.out of combinations this run does not have (renamed
// or taken out) would pass for current: those quillmark made, holding the
// type's input file, go; anything else there stays.
void remove_stale_folders(const Model& s, const fs::path& folder)
{
    std::error_code ec;
    std::vector<fs::path> stale;
    for (const fs::directory_entry& d : fs::directory_iterator(folder, ec)) {
        std::string name = d.path().filename().string();
        bool current = std::any_of(s.combinations.begin(), s.combinations.end(),
                                   [&](const Combination& c) { return c.name == name; });
        std::error_code e2;
        if (!current && d.is_directory(e2) && !d.is_symlink(e2) &&
            fs::is_regular_file(fs::symlink_status(d.path() / (std::string(s.t().stem) + ".in"), e2)))
            stale.push_back(d.path());
    }
    for (const fs::path& p : stale) {
        fs::remove_all(p, ec);
        if (ec)
            std::printf("cannot remove %s: %s\n", p.string().c_str(), ec.message().c_str());
    }
}

// The envelope's two files, each written whole under a temporary name and
// renamed when both are complete.
bool write_envelope(const fs::path& csv, const std::string& csv_text, const fs::path& htm,
                    const std::string& htm_text)
{
    qm::OutputFile c, h;
    if (!c.open(csv.string()) || !h.open(htm.string()))
        return false;
    std::fwrite(csv_text.data(), 1, csv_text.size(), c.file());
    std::fwrite(htm_text.data(), 1, htm_text.size(), h.file());
    if (!c.close() || !h.close() || !c.commit())
        return false;
    if (!h.commit()) {
        std::error_code ec;
        fs::remove(csv, ec);
        return false;
    }
    return true;
}

} // namespace

int run_model(const std::string& path)
{
    fs::path base = base_of(path);
    fs::path csv = base.string() + ".envelope.csv", htm = base.string() + ".envelope.htm";
    remove_envelope(csv, htm);
    Model s;
    try {
        s = read_model_file(path);
    } catch (const ModelError& e) {
        std::printf("%s\n", e.message.c_str());
        return 1;
    }
    const TypeTable& t = s.t();
    fs::path folder = base.string() + ".out";
    remove_stale_folders(s, folder);
    std::vector<CombinationRun> runs;
    bool stopped = false;
    for (const Combination& c : s.combinations) {
        CombinationRun r;
        r.name = c.name;
        r.bent = members_bent(s, c);
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
        if (r.completed) {
            std::printf("%s: completed\n", c.name.c_str());
            if (!r.bent.empty())
                std::printf("  %s\n", bending_not_checked(s, r.bent).c_str());
        } else
            std::printf("%s: %s\n", c.name.c_str(), r.error.c_str());
        stopped = stopped || !r.completed;
        runs.push_back(std::move(r));
    }
    Envelope e = envelope_of(s, runs);
    std::string link = folder.filename().string();
    if (!write_envelope(csv, envelope_csv(s, runs, e), htm, envelope_htm(s, runs, e, link))) {
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
