// Fixed-end actions of one load on one member, in closed form: the actions
// that the joints exert on the member's ends when both ends are held,
// kips and inch-kips, s measured from the start joint.
//
// Bending follows the member's x-y plane: force y and moment z at each end,
// y upwards, z counter-clockwise. The x-z plane is the same with the sign
// of the moments turned (a moment about y turns z towards x).
#pragma once

namespace quill {

// A load along a member: distributed q(s) from a to b, varying linearly
// from q1 to q2 (kips per inch); or a force (kips) or moment (inch-kips) q1
// at s = a.
struct Profile {
    enum { distributed, force, moment } form;
    double a, b, q1, q2;
    Profile scaled(double f) const { return {form, a, b, q1 * f, q2 * f}; }
};

struct BeamEnds {
    double V1, M1, V2, M2;
};

// A transverse force along member y, or a moment about member z, on a member
// with both ends built in.
BeamEnds bending(const Profile& p, double L);

// An axial force or a torque on a member held at both ends; and a
// transverse load on a pin-ended member (a truss member), where a moment
// about z gives the end forces +M/L and -M/L.
struct BarEnds {
    double F1, F2;
};
BarEnds bar(const Profile& p, double L);

} // namespace quill
