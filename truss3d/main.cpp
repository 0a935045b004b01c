// truss3d: linear-elastic analysis of a pin-jointed space truss ("spacetr.in")
// with an allowable-stress check of every member.
#include "truss3d.h"

int main()
{
    return qm::run_program<truss3d::StructureModel>(truss3d::tables);
}
