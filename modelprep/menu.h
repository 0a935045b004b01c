// The structure-type menu and its answer.
#pragma once

#include "structure_types.h"

namespace modelprep {

// The program's own revision, shown in its title and by --version.
constexpr double revision = 0.09;

// Shows the title and the menu, and asks for the type until an answer names
// one: a code (B, PT, PF, G, ST, SF, in either case, or any word starting
// with them, such as "beam" or "pf") or a menu label ("Plane Frame",
// "space truss", "continuous beam").
struct Choice {
    const StructureType* type = nullptr; // none for an unknown answer
    bool line_end_after = false;         // a plane or space type's dialogue ends with a line end
};
Choice ask_type();

} // namespace modelprep
