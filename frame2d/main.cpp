// frame2d: linear-elastic analysis of a plane frame ("planefr.in") with an
// allowable-stress check of every member.
#include "frame2d.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<frame2d::StructureModel>(argc, argv, frame2d::tables);
}
