// Benchmark of frame3d at full size: writes "spacefr.in" for a building frame
// of 250 joints and 1000 members in the current directory, runs the frame3d
// given as the argument there and prints the wall time of the run.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "space_frame_generator.h"

int main(int argc, char** argv)
{
    qmtools::BuildingFrame b;
    std::FILE* f = std::fopen("spacefr.in", "w");
    if (!f) {
        std::printf("  trouble opening spacefr.in\n");
        return 1;
    }
    std::fputs(qmtools::make_space_frame_input(b).c_str(), f);
    std::fclose(f);
    if (argc < 2)
        return 0;
    auto t0 = std::chrono::steady_clock::now();
    int status = std::system((std::string("'") + argv[1] + "'").c_str());
    auto t1 = std::chrono::steady_clock::now();
    std::printf("frame3d on 250 joints, 1000 members (1350 equations): %.3f s\n",
                std::chrono::duration<double>(t1 - t0).count());
    return status == 0 ? 0 : 1;
}
