// frame2d: linear-elastic analysis of a plane frame ("planefr.in") with an
// allowable-stress check of every member.
#include "frame2d.h"

int main()
{
    return qm::run_program<frame2d::StructureModel>(frame2d::tables);
}
