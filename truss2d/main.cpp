// truss2d: linear-elastic analysis of a pin-jointed plane truss ("planetr.in")
// with an allowable-stress check of every member.
#include "truss2d.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<truss2d::StructureModel>(argc, argv, truss2d::tables);
}
