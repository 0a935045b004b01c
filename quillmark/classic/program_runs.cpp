#include "classic/program_runs.h"

#include <cstdio>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quill {

namespace {

int (*const runs[])() = {run_frame3d, run_frame2d, run_truss3d, run_truss2d, run_grillage, run_girder};

} // namespace

// The programs work in the current directory and speak on standard output:
// the run goes into the folder and back, its console into a file there.
Outcome analyse(Type t, const std::string& dir)
{
    Outcome out;
    int here = open(".", O_RDONLY | O_DIRECTORY);
    if (here < 0 || chdir(dir.c_str()) != 0) {
        if (here >= 0)
            close(here);
        out.console = "cannot enter " + dir + "\n";
        return out;
    }
    const char* capture = "console.txt";
    std::fflush(stdout);
    int saved = dup(1);
    int fd = open(capture, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (saved >= 0 && fd >= 0) {
        dup2(fd, 1);
        close(fd);
        out.status = runs[static_cast<int>(t)]();
        std::fflush(stdout);
        dup2(saved, 1);
        std::ifstream in(capture);
        std::stringstream ss;
        ss << in.rdbuf();
        out.console = ss.str();
        std::remove(capture);
    } else {
        out.console = "cannot capture the console\n";
    }
    if (saved >= 0)
        close(saved);
    if (fchdir(here) != 0)
        out.status = 1;
    close(here);
    return out;
}

} // namespace quill
