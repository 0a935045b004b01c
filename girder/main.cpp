// girder: linear-elastic analysis of a continuous beam ("beam.in") with a
// shear and bending check of every member.
#include "girder.h"
#include "program_main.h"

int main(int argc, char* argv[])
{
    return qm::program_main<girder::StructureModel>(argc, argv, girder::tables);
}
