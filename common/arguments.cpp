#include "arguments.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "console.h"

namespace qm {

namespace {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::string refused; // the first unknown option
    std::vector<std::string> paths;
};

CommandLine parse(int argc, const char* const argv[])
{
    CommandLine c;
    bool options = true;
    for (int k = 1; k < argc; ++k) {
        std::string a = argv[k];
        if (options && a == "--")
            options = false;
        else if (options && (a == "--help" || a == "-h"))
            c.help = true;
        else if (options && a == "--version")
            c.version = true;
        else if (options && a.size() > 1 && a[0] == '-') {
            if (c.refused.empty())
                c.refused = a;
        } else
            c.paths.push_back(a);
    }
    return c;
}

// The text with every "{in}" replaced by the input file's name, "{stem}" by
// its stem and "{program}" by the program's name.
std::string filled(std::string text, const ProgramIdentity& id)
{
    const std::string fields[][2] = {
        {"{in}", std::string(id.type_name) + ".in"}, {"{stem}", id.type_name}, {"{program}", id.program}};
    for (const auto& [field, value] : fields)
        for (std::size_t at = text.find(field); at != std::string::npos; at = text.find(field, at + value.size()))
            text.replace(at, field.size(), value);
    return text;
}

const char* const usage = "Usage: {program} [FOLDER | FOLDER/{in}]...\n"
                          "       {program} --help | --version\n";

void print_help(const ProgramIdentity& id)
{
    say("%s", filled(usage, id).c_str());
    say("%s",
        filled("Analyses the " + std::string(id.structure) +
                   " described in {in} and checks every member\n"
                   "against its allowable forces. Writes beside the input the report\n"
                   "{stem}.htm, the numbers {stem}.csv, the drawing {stem}.svg and the\n"
                   "summary {stem}.txt (and the report's label image \"gm 209 label.jpg\"\n"
                   "where none is there).\n"
                   "\n"
                   "With no argument, reads {in} in the current folder. Given folders (or\n"
                   "paths to their {in}), analyses the model in each in turn as if started\n"
                   "there; with more than one, every console line starts with its folder, and\n"
                   "a stop in one folder does not stop the others.\n"
                   "\n"
                   "  -h, --help     print this help and exit\n"
                   "      --version  print the version and exit\n"
                   "\n"
                   "Exit status: 0 completed and every member check passes; 2 completed with\n"
                   "a failing member; 1 an error stop or a refused argument. Over several\n"
                   "folders, the worst of them: 1 over 2 over 0.\n"
                   "\n"
                   "Manual page: man {program}\n",
               id)
            .c_str());
}

// The folder a path names: itself, or the folder of the input file it
// names; empty (with the reason) when it is neither.
std::string folder_of(const std::string& path, const ProgramIdentity& id, std::string& reason)
{
    struct stat st;
    bool found = ::stat(path.c_str(), &st) == 0;
    if (found && S_ISDIR(st.st_mode))
        return path;
    std::size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name == std::string(id.type_name) + ".in")
        return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    reason = found ? "neither a folder nor a file named " + std::string(id.type_name) + ".in" : std::strerror(errno);
    return "";
}

// One folder's run, started there; the program returns to `home` after it.
// Returns -1 when it cannot return.
int run_in(const std::string& folder, const std::function<int()>& run_here, int home)
{
    if (::chdir(folder.c_str()) != 0) {
        say("  trouble opening %s: %s\n", folder.c_str(), std::strerror(errno));
        return 1;
    }
    int status = run_here();
    std::fflush(stdout);
    if (::fchdir(home) != 0) {
        say("  trouble returning from %s: %s\n", folder.c_str(), std::strerror(errno));
        return -1;
    }
    return status;
}

} // namespace

int worst_status(int a, int b)
{
    auto rank = [](int s) { return s == 0 ? 0 : s == 2 ? 1 : 2; };
    return rank(a) >= rank(b) ? a : b;
}

int run_command_line(int argc, const char* const argv[], const ProgramIdentity& id,
                     const std::function<int()>& run_here)
{
    CommandLine c = parse(argc, argv);
    if (!c.refused.empty()) {
        std::fprintf(stderr, "%s: unknown option %s\n%s", id.program, c.refused.c_str(), filled(usage, id).c_str());
        return 1;
    }
    if (c.help) {
        print_help(id);
        return 0;
    }
    if (c.version) {
        say("%s (%s) %s, revision %3.2f\n", id.program, QM_PACKAGE, QM_VERSION, id.revision);
        return 0;
    }
    if (c.paths.empty())
        return run_here();

    int home = ::open(".", O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (home < 0) {
        say("  trouble opening the current folder: %s\n", std::strerror(errno));
        return 1;
    }
    int status = 0;
    for (const std::string& path : c.paths) {
        std::string reason;
        std::string folder = folder_of(path, id, reason);
        if (c.paths.size() > 1)
            set_console_folder(folder.empty() ? path : folder);
        if (folder.empty()) {
            say("  trouble opening %s: %s\n", path.c_str(), reason.c_str());
            status = 1;
            continue;
        }
        int s = run_in(folder, run_here, home);
        if (s < 0) {
            status = 1;
            break;
        }
        status = worst_status(status, s);
    }
    set_console_folder("");
    ::close(home);
    return status;
}

} // namespace qm
