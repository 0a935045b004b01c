// The six structure types as quillmark sees them: the directions of a
// joint, the section properties and their order in the member record, the
// member end actions and what each one is checked as, and the shape of the
// input file and of the CSV file of the analysis program.
#pragma once

#include <string>

namespace quill {

enum class Type { space_frame, plane_frame, space_truss, plane_truss, grid, beam };

// Section properties, in every type's own subset.
// Awy, Awz, Aw: the web areas that take shear along member y, along member
// z, and the grid's or beam's one shear.
enum Prop { A, J, Ix, Iy, Iz, E, G, Fy, rx, ry, Sx, Sy, Sz, unit_weight, Awy, Awz, Aw, prop_count };

// How a property is measured, for unit conversion.
enum class Measure { area, inertia, modulus, length, stress, weight };

struct PropInfo {
    const char* key; // in the model file
    Measure measure;
};
extern const PropInfo props[prop_count];

// What an end action is checked as (axial: tension or compression by sign).
enum class Check { axial_start, axial_end, shear, torsion, moment };

// What an end action is, for unit conversion: a force or a moment.
enum class Kind { force, moment };

struct TypeTable {
    const char* name;     // "space_frame", as in the model file
    const char* program;  // "frame3d"
    const char* stem;     // "spacefr": spacefr.in, .csv, .htm, .svg
    int coordinates;      // coordinates of a joint in the input file (0: the beam's lengths)
    int d;                // degrees of freedom per joint
    const char* dof[6];   // their names, in input order: "x", "y", "z", "rx", "ry", "rz"
    bool rotation[6];     // which of them are rotations (moments)
    int nprops;
    Prop record[11];      // section properties of the member record, in order
    int nmoduli;
    Prop moduli[2];       // section moduli written after them when given
    int nshear_areas;
    Prop shear_areas[2];  // shear areas written after the moduli when given
    int nea;              // end actions per member
    Check check[12];      // what each is checked as
    Kind kind[12];        // force or moment
    // Where each end action stands among the twelve of a member in space
    // (start Fx, Fy, Fz, Mx, My, Mz, then the same at the end).
    int local[12];
    const char* ea[12];   // their names in the envelope
    bool bending;         // transverse loads bend the member (not a truss)
    bool axial;           // the member takes axial loads
    bool torsion;         // the member takes torsion
    bool force_dir[3];    // member directions x, y, z of a force the type takes
    bool moment_dir[3];   // axes x, y, z of a moment the type takes
    bool dummy_list;      // the input file ends with the dummy-member list
    bool reactions_apart; // CSV: all displacements, then all reactions (else one line per joint)
    bool degrees;         // CSV rotations in degrees (else radians)
    int gravity;          // global axis of gravity (1 = Y, 2 = Z), pointing to its negative side
    double K;             // effective length factor of the program's column formula
};

// The capacities of a type's analysis program.
struct Capacity {
    int joints, members;
};
constexpr Capacity capacity(Type t)
{
    switch (t) {
    case Type::space_frame: return {250, 1000};
    case Type::plane_frame: return {200, 700};
    case Type::space_truss: return {200, 1000};
    case Type::plane_truss: return {200, 700};
    case Type::grid: return {200, 700};
    case Type::beam: return {21, 20};
    }
    return {0, 0};
}

const TypeTable& table(Type t);
// The type whose name or stem is `name`; false when none.
bool type_named(const std::string& name, Type& t);
bool type_of_stem(const std::string& stem, Type& t);

} // namespace quill
