// grillage: linear-elastic analysis of a grid ("grid.in"), members in the
// x-y plane loaded along z, with an allowable-stress check of every member.
#include "grillage.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<grillage::StructureModel>(argc, argv, grillage::tables);
}
