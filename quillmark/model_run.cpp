#include "model_run.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classic/agreement.h"
#include "classic/combination_results.h"
#include "classic/input_writer.h"
#include "classic/program_runs.h"
#include "engine/analysis.h"
#include "file/model_file.h"
#include "file/unit_sense.h"
#include "loads/member_loads.h"
#include "loads/span_loads.h"
#include "pages/combination_pages.h"
#include "pages/envelope.h"
#include "pages/text.h"
#include "pages/whole_files.h"
#include "progress.h"
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

std::string read_file(const fs::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
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
void remove_envelope(const std::vector<fs::path>& files)
{
    for (const fs::path& p : files) {
        std::error_code ec;
        if (!fs::is_directory(fs::symlink_status(p, ec)))
            fs::remove(p, ec);
    }
}

// Folders under MODEL.out of combinations this run does not have (renamed
// or taken out) would pass for current: those quillmark made, holding its
// report, go; anything else there stays.
void remove_stale_folders(const Model& s, const fs::path& folder)
{
    std::error_code ec;
    std::vector<fs::path> stale;
    for (const fs::directory_entry& d : fs::directory_iterator(folder, ec)) {
        std::string name = d.path().filename().string();
        bool current = std::any_of(s.combinations.begin(), s.combinations.end(),
                                   [&](const Combination& c) { return c.name == name; });
        std::error_code e2;
        auto made = [&](const std::string& file) {
            return fs::is_regular_file(fs::symlink_status(d.path() / file, e2));
        };
        if (!current && d.is_directory(e2) && !d.is_symlink(e2) &&
            (made(std::string(s.t().stem) + ".in") || made("report.htm")))
            stale.push_back(d.path());
    }
    for (const fs::path& p : stale) {
        fs::remove_all(p, ec);
        if (ec)
            std::printf("cannot remove %s: %s\n", p.string().c_str(), ec.message().c_str());
    }
}

// A folder's results of an earlier run that this one does not write again.
void remove_classic_files(const Model& s, const fs::path& dir)
{
    for (const char* ext : {".in", ".htm", ".csv", ".svg", ".txt"}) {
        std::error_code ec;
        fs::remove(dir / (std::string(s.t().stem) + ext), ec);
    }
}

// Whether the type's classic program can analyse the model: within its
// capacity, and with nothing it does not know; `why` the console's line
// when it knows too little.
bool fits_classic(const Model& s, std::string& why)
{
    if (s.has_releases_springs_or_settlements()) {
        why = std::string(s.t().program) + " not run: it has no end releases, springs or settlements";
        return false;
    }
    Capacity cap = capacity(s.type);
    return static_cast<int>(s.joints.size()) <= cap.joints && static_cast<int>(s.members.size()) <= cap.members;
}

// The classic program on the combination's input file in its folder, held
// against the engine's solution.
ClassicRun run_classic(const Model& s, const Combination& c, const Solution& engine, const fs::path& dir)
{
    const TypeTable& t = s.t();
    ClassicRun r;
    r.ran = true;
    fs::path in = dir / (std::string(t.stem) + ".in");
    if (!write_file(in, input_file(s, combine(s, c)))) {
        r.error = "cannot write " + in.string();
        return r;
    }
    Outcome o = analyse(s.type, dir.string());
    if (o.status != 0 && o.status != 2) {
        r.error = first_line(o.console);
        if (r.error.empty())
            r.error = "stopped with status " + std::to_string(o.status);
        return r;
    }
    Results res;
    if (!read_results(s, (dir / (std::string(t.stem) + ".csv")).string(), res)) {
        r.error = "its results cannot be read";
        return r;
    }
    r.completed = true;
    r.disagreement = disagreement(s, res, engine);
    fs::path htm = dir / (std::string(t.stem) + ".htm");
    write_file(htm, with_units_note(read_file(htm), s, c.name));
    return r;
}

std::string governing_line(const Model& s, const std::vector<CombinationOutcome>& runs, const Envelope& e)
{
    const MemberEnvelope& me = e.member[static_cast<size_t>(e.governing_member)];
    const Governing& g = me.least_check == check_count ? me.deflection_limit : me.check[static_cast<size_t>(me.least_check)];
    bool fails = me.least_check == check_count ? g.ratio < 1 : !(g.ratio > 1);
    std::string at = position(s, e.governing_member, g.s, true);
    return "governing member " + s.members[static_cast<size_t>(e.governing_member) - 1].name + ": " +
           envelope_check_name(s, me.least_check) + " ratio " + fmt("%.3f", g.ratio) + (at == "start" || at == "end" ? " at its " : " at ") +
           at + " in " + runs[static_cast<size_t>(g.combination)].name + (fails ? ": fails" : "");
}

} // namespace

int run_model(const std::string& path)
{
    fs::path base = base_of(path);
    fs::path csv = base.string() + ".envelope.csv", htm = base.string() + ".envelope.htm",
             svg = base.string() + ".envelope.svg";
    remove_envelope({csv, htm, svg});
    TerminalProgress progress;
    progress.stage("reading " + path);
    Model s;
    try {
        s = read_model_file(path);
    } catch (const ModelError& e) {
        progress.finish();
        std::printf("%s\n", e.message.c_str());
        return 1;
    }
    const TypeTable& t = s.t();
    fs::path folder = base.string() + ".out";
    remove_stale_folders(s, folder);

    std::vector<std::string> notes = implausible_sections(s);
    std::vector<Solution> cases;
    std::unique_ptr<Engine> engine;
    try {
        engine = std::make_unique<Engine>(s, &progress);
        cases = engine->solve_cases();
    } catch (const EngineStop& stop) {
        progress.finish();
        for (const std::string& n : notes)
            std::printf("%s\n", n.c_str());
        std::printf("%s\n", stop.message.c_str());
        return 1;
    }
    if (engine->ill_conditioned())
        notes.push_back("ill-conditioned equations: the factorisation's reciprocal condition estimate is " +
                        fmt("%.1e", engine->rcond()) + ", below " + fmt("%.0e", Engine::rcond_bound));

    size_t m = s.members.size();
    std::vector<MemberAllowables> allowed(m + 1);
    for (size_t i = 1; i <= m; ++i)
        allowed[i] = allowables_of(s, static_cast<int>(i));
    std::string not_classic;
    bool classic = fits_classic(s, not_classic);
    if (!not_classic.empty())
        notes.push_back(not_classic);
    size_t nc = s.combinations.size();
    std::vector<CombinationOutcome> runs(nc);
    std::vector<std::string> errors(nc);
    for (size_t c = 0; c < nc; ++c) {
        const Combination& comb = s.combinations[c];
        runs[c].name = comb.name;
        runs[c].solution = Engine::combine(s, comb, cases);
        fs::path dir = folder / comb.name;
        std::error_code ec;
        fs::create_directories(dir, ec);
        if (ec)
            errors[c] = "cannot make " + dir.string() + ": " + ec.message();
        // The classic programs work in the current directory: one at a time.
        else if (classic)
            runs[c].classic = run_classic(s, comb, runs[c].solution, dir);
        else
            remove_classic_files(s, dir);
    }

    // Each combination's checks along every member and its pages, on as
    // many threads as there are cores; the envelope takes them as they come.
    Envelope e = start_envelope(s);
    std::mutex envelope_lock;
    auto check_combination = [&](size_t c) {
        const Combination& comb = s.combinations[c];
        CombinationOutcome& o = runs[c];
        progress.stage("checking " + std::to_string(m) + " members in " + comb.name);
        SpanLoads loads = span_loads(s, comb);
        std::vector<SpanActions> along(m + 1);
        o.members.assign(m + 1, {});
        for (size_t i = 1; i <= m; ++i) {
            SpanData d = span_data(s, static_cast<int>(i), o.solution, loads.member[i]);
            along[i] = loads.ends_only[i] ? end_values_only(d) : actions_along(d);
            o.members[i] = check_member(allowed[i], along[i]);
            if (loads.ends_only[i])
                o.ends_only.push_back(static_cast<int>(i));
        }
        o.bent = members_bent(s, comb);
        if (errors[c].empty())
            write_combination_pages(s, static_cast<int>(c), o, along, folder / comb.name, errors[c]);
        std::lock_guard<std::mutex> hold(envelope_lock);
        add_combination(e, s, static_cast<int>(c), o, along);
    };
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    std::mutex failure_lock;
    auto worker = [&] {
        for (size_t c; (c = next++) < nc;)
            try {
                check_combination(c);
            } catch (...) {
                std::lock_guard<std::mutex> hold(failure_lock);
                failure = std::current_exception();
                next = nc;
            }
    };
    size_t threads = std::clamp<size_t>(std::thread::hardware_concurrency(), 1, std::min<size_t>(nc, 8));
    std::vector<std::thread> pool;
    for (size_t k = 1; k < threads; ++k)
        pool.emplace_back(worker);
    worker();
    for (std::thread& th : pool)
        th.join();
    if (failure)
        std::rethrow_exception(failure);

    bool stopped = false;
    std::vector<std::string> lines, slip_notes;
    for (size_t c = 0; c < nc; ++c) {
        const CombinationOutcome& o = runs[c];
        std::string line = o.name + ": " + (errors[c].empty() ? "completed" : errors[c]) + "\n";
        if (o.classic.ran && !o.classic.completed)
            line += "  " + std::string(t.program) + " stopped: " + o.classic.error + "; the results are quillmark's own\n";
        if (!o.classic.disagreement.empty())
            line += "  " + std::string(t.program) + "'s single-precision results differ from quillmark's: " +
                    o.classic.disagreement + " (ill-conditioned equations)\n";
        if (!o.bent.empty())
            line += "  " + bending_not_checked(s, o.bent) + "\n";
        if (!o.ends_only.empty())
            line += "  " + ends_only_note(s, o.ends_only) + "\n";
        for (size_t i = 1; i <= m; ++i) {
            const Deflection& d = o.members[i].deflection;
            if (d.delta > 0 && d.span_ratio < unit_slip_span) {
                std::string slip = "probable unit slip: member " + s.members[i - 1].name + " deflects span/" +
                                   fmt("%.3g", d.span_ratio) + " in " + o.name;
                line += "  " + slip + "\n";
                slip_notes.push_back(slip);
            }
        }
        stopped = stopped || !errors[c].empty();
        lines.push_back(line);
    }
    progress.stage("writing the envelope");
    e.notes.insert(e.notes.begin(), notes.begin(), notes.end());
    e.notes.insert(e.notes.end(), slip_notes.begin(), slip_notes.end());
    for (const CombinationOutcome& r : runs)
        if (!r.classic.disagreement.empty())
            e.notes.push_back(r.name + ": " + t.program + "'s single-precision results differ from quillmark's: " +
                              r.classic.disagreement + " (ill-conditioned equations)");
    finish_envelope(e, s);
    std::string link = folder.filename().string();
    std::string unwritten;
    bool written = write_whole_files({{csv, envelope_csv(s, runs, e)},
                                      {htm, envelope_htm(s, runs, e, link, svg.filename().string())},
                                      {svg, envelope_svg(s, e)}},
                                     unwritten);
    progress.finish();
    for (const std::string& n : notes)
        std::printf("%s\n", n.c_str());
    for (const std::string& l : lines)
        std::printf("%s", l.c_str());
    if (!written) {
        std::printf("cannot write the envelope %s: %s\n", csv.string().c_str(), unwritten.c_str());
        return 1;
    }
    if (e.governing_member != 0)
        std::printf("%s\n", governing_line(s, runs, e).c_str());
    std::printf("envelope: %s\n", htm.string().c_str());
    if (stopped)
        return 1;
    return e.any_failure ? 2 : 0;
}

} // namespace quill
