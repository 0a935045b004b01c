// frame3d: linear-elastic analysis of a space frame ("spacefr.in") with an
// allowable-stress check of every member.
#include "frame3d.h"

int main()
{
    return qm::run_program<frame3d::StructureModel>(frame3d::tables);
}
