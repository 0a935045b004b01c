#include "file/types.h"

namespace quill {

// In the order of Prop.
const PropInfo props[prop_count] = {
    {"A", Measure::area},           {"J", Measure::inertia},     {"Ix", Measure::inertia},
    {"Iy", Measure::inertia},      {"Iz", Measure::inertia},   {"E", Measure::stress},
    {"G", Measure::stress},         {"Fy", Measure::stress},    {"rx", Measure::length},
    {"ry", Measure::length},       {"Sx", Measure::modulus},   {"Sy", Measure::modulus},
    {"Sz", Measure::modulus},      {"unit_weight", Measure::weight}, {"Awy", Measure::area},
    {"Awz", Measure::area},        {"Aw", Measure::area},
};

namespace {

using enum Check;
constexpr Kind F = Kind::force, M = Kind::moment;

const TypeTable tables[] = {
    {.name = "space_frame",
     .program = "frame3d",
     .stem = "spacefr",
     .coordinates = 3,
     .d = 6,
     .dof = {"x", "y", "z", "rx", "ry", "rz"},
     .rotation = {false, false, false, true, true, true},
     .nprops = 9,
     .record = {A, J, Iy, Iz, E, G, Fy, rx, ry},
     .nmoduli = 2,
     .moduli = {Sy, Sz},
     .nshear_areas = 2,
     .shear_areas = {Awy, Awz},
     .nea = 12,
     .check = {axial_start, shear, shear, torsion, moment, moment, axial_end, shear, shear, torsion, moment, moment},
     .kind = {F, F, F, M, M, M, F, F, F, M, M, M},
     .local = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
     .ea = {"start Fx", "start Fy", "start Fz", "start Mx", "start My", "start Mz", "end Fx", "end Fy", "end Fz",
            "end Mx", "end My", "end Mz"},
     .bending = true,
     .axial = true,
     .torsion = true,
     .force_dir = {true, true, true},
     .moment_dir = {true, true, true},
     .dummy_list = true,
     .reactions_apart = true,
     .degrees = true,
     .gravity = 1,
     .K = 1.0},
    {.name = "plane_frame",
     .program = "frame2d",
     .stem = "planefr",
     .coordinates = 2,
     .d = 3,
     .dof = {"x", "y", "rz"},
     .rotation = {false, false, true},
     .nprops = 6,
     .record = {A, Iz, E, Fy, rx, ry},
     .nmoduli = 1,
     .moduli = {Sz},
     .nshear_areas = 1,
     .shear_areas = {Awy},
     .nea = 6,
     .check = {axial_start, shear, moment, axial_end, shear, moment},
     .kind = {F, F, M, F, F, M},
     .local = {0, 1, 5, 6, 7, 11},
     .ea = {"start Fx", "start Fy", "start Mz", "end Fx", "end Fy", "end Mz"},
     .bending = true,
     .axial = true,
     .torsion = false,
     .force_dir = {true, true, false},
     .moment_dir = {false, false, true},
     .dummy_list = true,
     .reactions_apart = false,
     .degrees = false,
     .gravity = 1,
     .K = 1.2},
    {.name = "space_truss",
     .program = "truss3d",
     .stem = "spacetr",
     .coordinates = 3,
     .d = 3,
     .dof = {"x", "y", "z"},
     .rotation = {false, false, false},
     .nprops = 5,
     .record = {A, E, Fy, rx, ry},
     .nmoduli = 0,
     .moduli = {},
     .nshear_areas = 0,
     .shear_areas = {},
     .nea = 6,
     .check = {axial_start, shear, shear, axial_end, shear, shear},
     .kind = {F, F, F, F, F, F},
     .local = {0, 1, 2, 6, 7, 8},
     .ea = {"start Fx", "start Fy", "start Fz", "end Fx", "end Fy", "end Fz"},
     .bending = false,
     .axial = true,
     .torsion = false,
     .force_dir = {true, true, true},
     .moment_dir = {false, true, true},
     .dummy_list = true,
     .reactions_apart = false,
     .degrees = false,
     .gravity = 1,
     .K = 1.0},
    {.name = "plane_truss",
     .program = "truss2d",
     .stem = "planetr",
     .coordinates = 2,
     .d = 2,
     .dof = {"x", "y"},
     .rotation = {false, false},
     .nprops = 5,
     .record = {A, E, Fy, rx, ry},
     .nmoduli = 0,
     .moduli = {},
     .nshear_areas = 0,
     .shear_areas = {},
     .nea = 4,
     .check = {axial_start, shear, axial_end, shear},
     .kind = {F, F, F, F},
     .local = {0, 1, 6, 7},
     .ea = {"start Fx", "start Fy", "end Fx", "end Fy"},
     .bending = false,
     .axial = true,
     .torsion = false,
     .force_dir = {true, true, false},
     .moment_dir = {false, false, true},
     .dummy_list = true,
     .reactions_apart = false,
     .degrees = false,
     .gravity = 1,
     .K = 1.0},
    {.name = "grid",
     .program = "grillage",
     .stem = "grid",
     .coordinates = 2,
     .d = 3,
     .dof = {"rx", "ry", "z"},
     .rotation = {true, true, false},
     .nprops = 7,
     .record = {A, J, Iy, Ix, E, Fy, G},
     .nmoduli = 1,
     .moduli = {Sy},
     .nshear_areas = 1,
     .shear_areas = {Aw},
     .nea = 6,
     .check = {torsion, moment, shear, torsion, moment, shear},
     .kind = {M, M, F, M, M, F},
     .local = {3, 4, 2, 9, 10, 8},
     .ea = {"start Mx", "start My", "start Fz", "end Mx", "end My", "end Fz"},
     .bending = true,
     .axial = false,
     .torsion = true,
     .force_dir = {false, false, true},
     .moment_dir = {true, true, false},
     .dummy_list = true,
     .reactions_apart = false,
     .degrees = false,
     .gravity = 2,
     .K = 1.0},
    {.name = "beam",
     .program = "girder",
     .stem = "beam",
     .coordinates = 0,
     .d = 2,
     .dof = {"y", "rz"},
     .rotation = {false, true},
     .nprops = 3,
     .record = {Ix, A, Sx},
     .nmoduli = 0,
     .moduli = {},
     .nshear_areas = 1,
     .shear_areas = {Aw},
     .nea = 4,
     .check = {shear, moment, shear, moment},
     .kind = {F, M, F, M},
     .local = {1, 5, 7, 11},
     .ea = {"start Fy", "start Mz", "end Fy", "end Mz"},
     .bending = true,
     .axial = false,
     .torsion = false,
     .force_dir = {false, true, false},
     .moment_dir = {false, false, true},
     .dummy_list = false,
     .reactions_apart = false,
     .degrees = false,
     .gravity = 1,
     .K = 1.0},
};

} // namespace

const TypeTable& table(Type t)
{
    return tables[static_cast<int>(t)];
}

bool type_named(const std::string& name, Type& t)
{
    for (int i = 0; i < 6; ++i)
        if (name == tables[i].name) {
            t = static_cast<Type>(i);
            return true;
        }
    return false;
}

bool type_of_stem(const std::string& stem, Type& t)
{
    for (int i = 0; i < 6; ++i)
        if (stem == tables[i].stem) {
            t = static_cast<Type>(i);
            return true;
        }
    return false;
}

} // namespace quill
