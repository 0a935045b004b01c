// girder: linear-elastic analysis of a continuous beam ("beam.in") with a
// shear and bending check of every member.
#include "girder.h"

int main()
{
    return qm::run_program<girder::StructureModel>(girder::tables);
}
