// truss3d: linear-elastic analysis of a pin-jointed space truss ("spacetr.in")
// with an allowable-stress check of every member.
#include "truss3d.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<truss3d::StructureModel>(argc, argv, truss3d::tables);
}
