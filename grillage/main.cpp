// grillage: linear-elastic analysis of a grid ("grid.in"), members in the
// x-y plane loaded along z, with an allowable-stress check of every member.
#include "grillage.h"

int main()
{
    return qm::run_program<grillage::StructureModel>(grillage::tables);
}
