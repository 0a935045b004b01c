// frame3d: linear-elastic analysis of a space frame ("spacefr.in") with an
// allowable-stress check of every member.
#include "frame3d.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<frame3d::StructureModel>(argc, argv, frame3d::tables);
}
