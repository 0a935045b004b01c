// The deflection of a member's own load between its ends, both ends held
// fixed, in one plane the member bends in: what a drawing adds to the cubic
// that the member's end displacements and rotations give.
//
// The plane is that of member x and a transverse axis v. The member loads
// give, at each end, the shear along v and the moment turning member x
// towards v that the joint exerts on the member with both ends fixed. The
// load is taken as varying linearly along the member, from qa at the start to
// qb at the end (kips per inch along v): the one these end actions balance.
// That is the load itself for a uniform or linearly varying load; a point
// load becomes the linear load with the same resultant and moment.
#pragma once

namespace qm {

struct SpanEndActions {
    double V1, M1; // at the start: kips, inch-kips
    double V2, M2; // at the end
};

struct LinearLoad {
    double qa, qb; // kips per inch at the start and the end
};

// The linear load in equilibrium with the end actions of a member of length
// L: its moments about either end are those of the end actions reversed.
LinearLoad balancing_linear_load(const SpanEndActions& fea, double L);

// The deflection along v at t = x/L (0 at the start, 1 at the end) of a
// member of length L and flexural rigidity EI under q, both ends fixed; 0
// for a member without stiffness or length.
double fixed_end_deflection(const LinearLoad& q, double L, double EI, double t);

} // namespace qm
