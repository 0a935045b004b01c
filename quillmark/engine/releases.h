// A member's end releases by static condensation: the end actions it does
// not transmit (a hinge's moment, a sliding end's axial force) condensed
// out of its stiffness and its fixed-end actions, so that they are zero in
// every result, and the displacements of its released ends recovered (the
// member's own rotation at a hinge, not the joint's).
#pragma once

#include "engine/member_stiffness.h"

namespace quill {

class Condensed {
public:
    // Member i's stiffness in member axes, condensed for its released end
    // actions. An end action the member has no stiffness for (a section of
    // no inertia) is left as it is: releasing it changes nothing.
    Condensed(const Model& s, int i);

    // k* = k_cc − k_cr k_rr⁻¹ k_rc, 0 in the released rows and columns.
    const Matrix12& stiffness() const { return k_; }
    // FEA* = FEA_c − k_cr k_rr⁻¹ FEA_r, 0 at the released actions.
    Vector12 fixed_end_actions(const Vector12& fea) const;
    // The end actions k* u + FEA*, u the member's end displacements in its
    // axes and fea its fixed-end actions before condensation.
    Vector12 end_actions(const Vector12& u, const Vector12& fea) const;
    // The member's own end displacements: the joints' u where it is
    // connected, u_r = −k_rr⁻¹ (k_rc u_c + FEA_r) where it is released.
    Vector12 end_displacements(const Vector12& u, const Vector12& fea) const;

private:
    Matrix12 k_;       // k*
    Matrix12 swept_;   // the local stiffness swept on the released entries
    bool out_[12] = {}; // the entries condensed out
    bool any_ = false;
};

} // namespace quill
