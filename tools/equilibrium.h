// How far a combination's reactions are from balancing its applied loads,
// forces and moments about the origin, for a model whose member loads are
// uniform loads in global directions (the generated buildings').
#pragma once

#include "engine/analysis.h"

namespace qmtools {

struct EquilibriumMiss {
    double force = 0;  // the largest force component of the sum, over the largest load
    double moment = 0; // the largest moment component, over the largest load times the model's extent
    double of_resultant = 0; // the largest force component, over the largest component of the loads' resultant
    bool uniform_global = true; // every member load was a uniform load in a global direction
};

EquilibriumMiss equilibrium_miss(const quill::Model& s, const quill::Combination& c, const quill::Solution& x);

} // namespace qmtools
