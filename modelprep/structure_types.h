// The six structure types as data: what each asks about a member, a
// restrained joint, a loaded joint and a loaded member, in the order asked,
// and how each writes its member record. The steps all types share, and
// their order, are in dialogue.cpp.
#pragma once

#include <array>
#include <span>

#include "input_file.h"

namespace modelprep {

// The answers about one member; E, Fy and G are whole numbers, as typed.
struct Member {
    int jj = 0, jk = 0;           // start and end joint (a beam's member i joins joints i and i + 1)
    float L = 0;                  // length, inches (beam only; answered in feet)
    float A = 0;                  // area, in^2; 0 makes the member a dummy
    int E = 0, Fy = 0, G = 0;     // moduli of elasticity and rigidity, yield strength, ksi
    float J = 0;                  // torsion constant, in^4
    float Ix = 0, Iy = 0, Iz = 0; // moments of inertia, in^4
    float Sx = 0;                 // elastic section modulus, in^3 (the beam's)
    float Sy = 0, Sz = 0;         // elastic section moduli about member y and z, in^3; 0: not given
    float Awy = 0, Awz = 0;       // shear areas along member y and z, in^2; 0: not given
    float Aw = 0;                 // the grid's and the beam's one shear area, in^2; 0: not given
    float r1 = 0, r2 = 0;         // radii of gyration, inches, in the order asked
};

// Where one value of an answer about a member goes.
struct Target {
    constexpr Target() = default;
    constexpr Target(int Member::*w) : whole(w) {}
    constexpr Target(float Member::*r) : real(r) {}
    int Member::*whole = nullptr;
    float Member::*real = nullptr;
};

struct MemberQuestion {
    const char* prompt; // its %i is the member number
    const char* scan;
    std::array<Target, 2> into;
};

// A question about a restrained joint, a loaded joint or a loaded member. Its
// values go to the given places of the entry's record, which is the joint or
// member number on one line and the values, joined by commas, on the next.
struct EntryQuestion {
    const char* prompt;      // its %i is the joint or member number plus `plus`
    const char* scan;        // whole numbers for restraint flags, reals for loads
    std::array<int, 3> into; // places in the record, from 0
    int plus = 0;
};

struct StructureType {
    const char* word;   // the input file is "<word>.in"
    const char* banner; // printed when the dialogue starts
    int coordinates;    // per joint, answered in feet; 0 for the beam, which places no joints
    int members;        // the analysis program's capacity
    int joints;
    int dofs;           // degrees of freedom per joint
    std::span<const MemberQuestion> member; // after the area, unless that is 0
    void (*write_member)(InputFile&, const Member&);
    Member dummy;       // what an area of 0 stands for (the fields this type writes)
    std::span<const EntryQuestion> restraint;
    std::span<const EntryQuestion> joint_load;
    std::span<const EntryQuestion> member_load;

    constexpr bool is_beam() const { return coordinates == 0; }
};

extern const StructureType beam, grid, plane_truss, plane_frame, space_truss, space_frame;

} // namespace modelprep
