// truss2d: linear-elastic analysis of a pin-jointed plane truss ("planetr.in")
// with an allowable-stress check of every member.
#include "truss2d.h"

int main()
{
    return qm::run_program<truss2d::StructureModel>(truss2d::tables);
}
