#include "structure_types.h"

#include <algorithm>
#include <initializer_list>

#include "console.h"

namespace modelprep {

namespace {

constexpr MemberQuestion beam_member[] = {
    {.prompt = " enter Ix, the moment of inertia (in^4) for member %i = ", .scan = "%f", .into = {&Member::Ix}},
    {.prompt = " enter elastic section modulus (Sx = in^3) for member %i = ", .scan = "%f", .into = {&Member::Sx}},
    {.prompt = " enter shear area of the web (Aw = in^2) for member %i = ", .scan = "%f",
     .into = {&Member::Aw}},
};
constexpr EntryQuestion beam_restraint[] = {
    {.prompt = " enter the shear and rotational restaints (1=restrained) for joint %i = ", .scan = "%i,%i",
     .into = {0, 1}},
};
constexpr EntryQuestion beam_joint_load[] = {
    {.prompt = " enter the x concentrated and z moment loads (in kips) for joint %i = ", .scan = "%f,%f",
     .into = {0, 1}},
};
// Member i's end loads are asked at its joints, i and i + 1.
constexpr EntryQuestion beam_member_load[] = {
    {.prompt = " enter the shear and rotational loads (in kips) for joint %i = ", .scan = "%f,%f", .into = {0, 1}},
    {.prompt = " enter the shear and rotational loads (in kips) for joint %i = ", .scan = "%f,%f", .into = {2, 3},
     .plus = 1},
};

constexpr MemberQuestion grid_member[] = {
    {.prompt = "enter the Modulus of Elasticity (e) for member %i in kips = ", .scan = "%i", .into = {&Member::E}},
    {.prompt = "enter the Modulus of Rigidity (g) for member %i in kips = ", .scan = "%i", .into = {&Member::G}},
    {.prompt = "enter the yield strength (Fy) for member %i in ksi : ", .scan = "%i", .into = {&Member::Fy}},
    {.prompt = "enter the torsion constant (J) for member %i : ", .scan = "%f", .into = {&Member::J}},
    {.prompt = "enter the X-axis moment of inertia (Ix) for member %i : ", .scan = "%f", .into = {&Member::Ix}},
    {.prompt = "enter the Y-axis moment of inertia (Iy) for member %i : ", .scan = "%f", .into = {&Member::Iy}},
    {.prompt = " enter elastic section modulus (Sy = in^3) for member %i = ", .scan = "%f", .into = {&Member::Sy}},
    {.prompt = " enter shear area along member z (Aw = in^2) for member %i = ", .scan = "%f",
     .into = {&Member::Aw}},
};
constexpr EntryQuestion xyz_restraint[] = {
    {.prompt = "enter the x, y and z restraints for joint %i = ", .scan = "%i,%i,%i", .into = {0, 1, 2}},
};
// Grid loads are written moment x, moment y, force z at each end.
constexpr EntryQuestion grid_joint_load[] = {
    {.prompt = "enter the z concentrated load for joint %i = ", .scan = "%f", .into = {2}},
    {.prompt = "enter the x and y moment loads for joint %i = ", .scan = "%f,%f", .into = {0, 1}},
};
constexpr EntryQuestion grid_member_load[] = {
    {.prompt = "enter the z concentrated load from member %i for start joint = ", .scan = "%f", .into = {2}},
    {.prompt = "enter the x and y moment loads from member %i for start joint = ", .scan = "%f,%f", .into = {0, 1}},
    {.prompt = "enter the x and y moment loads from member %i for end joint = ", .scan = "%f,%f", .into = {3, 4}},
    {.prompt = "enter the z concentrated load from member %i for end joint = ", .scan = "%f", .into = {5}},
};

constexpr MemberQuestion plane_truss_member[] = {
    {.prompt = " enter the Modulus of Elasticity (e) for member %i in kips = ", .scan = "%i", .into = {&Member::E}},
    {.prompt = " enter the yield strength (Fy) for member %i in ksi : ", .scan = "%i", .into = {&Member::Fy}},
    {.prompt = "enter the x and y radius of gyration (rx, ry) for member %i in inches = ", .scan = "%f,%f",
     .into = {&Member::r1, &Member::r2}},
};
constexpr EntryQuestion plane_truss_restraint[] = {
    {.prompt = "enter the x and y restraints for joint %i = ", .scan = "%i,%i", .into = {0, 1}},
};
constexpr EntryQuestion plane_truss_joint_load[] = {
    {.prompt = "enter the x and y loads for joint %i = ", .scan = "%f,%f", .into = {0, 1}},
};
constexpr EntryQuestion plane_truss_member_load[] = {
    {.prompt = "enter the x and y loads from member %i for beginning joint = ", .scan = "%f,%f", .into = {0, 1}},
    {.prompt = "enter the x and y loads from member %i for ending joint = ", .scan = "%f,%f", .into = {2, 3}},
};

constexpr MemberQuestion plane_frame_member[] = {
    {.prompt = "enter the Modulus of Elasticity (e) for member %i in kips = ", .scan = "%i", .into = {&Member::E}},
    {.prompt = "enter the yield strength (Fy) for member %i in ksi : ", .scan = "%i", .into = {&Member::Fy}},
    {.prompt = "enter the y and z radius of gyration %i = ", .scan = "%f,%f", .into = {&Member::r1, &Member::r2}},
    {.prompt = "enter the Z-axis moment of inertia (Iz) member %i : ", .scan = "%f", .into = {&Member::Iz}},
    {.prompt = " enter elastic section modulus (Sz = in^3) for member %i = ", .scan = "%f", .into = {&Member::Sz}},
    {.prompt = " enter shear area along member y (Awy = in^2) for member %i = ", .scan = "%f",
     .into = {&Member::Awy}},
};
constexpr EntryQuestion plane_frame_joint_load[] = {
    {.prompt = "enter the x and y concentrated loads for joint %i = ", .scan = "%f,%f", .into = {0, 1}},
    {.prompt = "enter the z moment load for joint %i = ", .scan = "%f", .into = {2}},
};
constexpr EntryQuestion plane_frame_member_load[] = {
    {.prompt = "enter the x and y concentrated loads from member %i for start joint = ", .scan = "%f,%f",
     .into = {0, 1}},
    {.prompt = "enter the z moment load from member %i for start joint = ", .scan = "%f", .into = {2}},
    {.prompt = "enter the x and y concentrated loads from member %i for end joint = ", .scan = "%f,%f",
     .into = {3, 4}},
    {.prompt = "enter the z moment load from member %i for end joint = ", .scan = "%f", .into = {5}},
};

constexpr MemberQuestion space_truss_member[] = {
    {.prompt = " enter the Modulus of Elasticity (e) for member %i in kips = ", .scan = "%i", .into = {&Member::E}},
    {.prompt = " enter the yield strength (Fy) for member %i in ksi : ", .scan = "%i", .into = {&Member::Fy}},
    {.prompt = "enter the y and z radius of gyration %i = ", .scan = "%f,%f", .into = {&Member::r1, &Member::r2}},
};
constexpr EntryQuestion space_truss_joint_load[] = {
    {.prompt = "enter the x,y,and z concentrated loads for joint %i = ", .scan = "%f,%f,%f", .into = {0, 1, 2}},
};
constexpr EntryQuestion space_truss_member_load[] = {
    {.prompt = "enter the x, y and z concentrated loads for the beginning joint = ", .scan = "%f,%f,%f",
     .into = {0, 1, 2}},
    {.prompt = "enter the x, y and z concentrated loads for the ending joint = ", .scan = "%f,%f,%f",
     .into = {3, 4, 5}},
};

constexpr MemberQuestion space_frame_member[] = {
    {.prompt = "enter the Modulus of Elasticity (e) for member %i in kips = ", .scan = "%i", .into = {&Member::E}},
    {.prompt = "enter the yield strength (Fy) for member %i in ksi : ", .scan = "%i", .into = {&Member::Fy}},
    {.prompt = "enter the torsion constant (J) for member %i : ", .scan = "%f", .into = {&Member::J}},
    {.prompt = "enter the X-axis moment of inertia (Ix) for member %i : ", .scan = "%f", .into = {&Member::Ix}},
    {.prompt = "enter the Y-axis moment of inertia (Iy) for member %i : ", .scan = "%f", .into = {&Member::Iy}},
    {.prompt = " enter elastic section modulus about member y (Sy = in^3) for member %i = ", .scan = "%f",
     .into = {&Member::Sy}},
    {.prompt = " enter elastic section modulus about member z (Sz = in^3) for member %i = ", .scan = "%f",
     .into = {&Member::Sz}},
    {.prompt = " enter shear area along member y (Awy = in^2) for member %i = ", .scan = "%f",
     .into = {&Member::Awy}},
    {.prompt = " enter shear area along member z (Awz = in^2) for member %i = ", .scan = "%f",
     .into = {&Member::Awz}},
    {.prompt = "enter Shear Modulus of Elasticity (g) for member %i : ", .scan = "%i", .into = {&Member::G}},
    {.prompt = "enter the x and y radius of gyration (rx, ry) for member %i in inches = ", .scan = "%f,%f",
     .into = {&Member::r1, &Member::r2}},
};
// Asked axis by axis, written as the three translations, then the three rotations.
constexpr EntryQuestion space_frame_restraint[] = {
    {.prompt = "enter the x translational and x rotational restraints for joint %i = ", .scan = "%i,%i",
     .into = {0, 3}},
    {.prompt = "enter the y translational and y rotational restraints for joint %i = ", .scan = "%i,%i",
     .into = {1, 4}},
    {.prompt = "enter the z translational and z rotational restraints for joint %i = ", .scan = "%i,%i",
     .into = {2, 5}},
};
constexpr EntryQuestion space_frame_joint_load[] = {
    {.prompt = "enter the x, y and z concentrated loads for joint %i = ", .scan = "%f,%f,%f", .into = {0, 1, 2}},
    {.prompt = "enter the x, y and z moment load for joint %i = ", .scan = "%f,%f,%f", .into = {3, 4, 5}},
};
constexpr EntryQuestion space_frame_member_load[] = {
    {.prompt = "enter the x, y and z concentrated loads for member %i for start joint = ", .scan = "%f,%f,%f",
     .into = {0, 1, 2}},
    {.prompt = "enter the x, y and z moment load for member %i for start joint = ", .scan = "%f,%f,%f",
     .into = {3, 4, 5}},
    {.prompt = "enter the x, y and z concentrated loads for member %i for end joint = ", .scan = "%f,%f,%f",
     .into = {6, 7, 8}},
    {.prompt = "enter the x, y and z moment load for member %i for end joint = ", .scan = "%f,%f,%f",
     .into = {9, 10, 11}},
};

// The section moduli, then the shear areas, end a member record only where
// one of them is given (not 0), each group whole: a space frame's record
// holds both moduli, about member y and member z, and the moduli stand as 0
// where only a shear area is given.
void write_trailing(InputFile& f, std::initializer_list<float> moduli, std::initializer_list<float> areas)
{
    auto given = [](std::initializer_list<float> v) {
        return std::any_of(v.begin(), v.end(), [](float x) { return x != 0.0f; });
    };
    bool areas_given = given(areas);
    if (areas_given || given(moduli))
        for (float S : moduli)
            f.print(",%f", S);
    if (areas_given)
        for (float Aw : areas)
            f.print(",%f", Aw);
    f.print("\n");
}

} // namespace

// The dummy sections are the preprocessor's own: they are not the sections
// the analysis programs give a member of area 0 (the grid's J and Iy, for
// one, are the other way round there).
constexpr StructureType beam = {
    .word = "beam",
    .banner = "Preprocessor for BEAM analysis. created BEAM.IN \trev 0.06",
    .coordinates = 0,
    .members = 20,
    .joints = 21,
    .dofs = 2,
    .member = beam_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%f,%f,%f,%f", v.L, v.Ix, v.A, v.Sx);
        write_trailing(f, {}, {v.Aw});
    },
    .dummy = {.A = 2.94f, .Ix = 12.3f, .Sx = 4.92f},
    .restraint = beam_restraint,
    .joint_load = beam_joint_load,
    .member_load = beam_member_load,
};

constexpr StructureType grid = {
    .word = "grid",
    .banner = "Preprocessor for GRID analysis. Created GRID.IN \trev 0.01",
    .coordinates = 2,
    .members = 700,
    .joints = 200,
    .dofs = 3,
    .member = grid_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%i,%i,%f,%f,%f,%f,%i,%i,%i", v.jj, v.jk, v.A, v.J, v.Iy, v.Ix, v.E, v.Fy, v.G);
        write_trailing(f, {v.Sy}, {v.Aw});
    },
    .dummy = {.A = 2.94f, .E = 29000, .Fy = 36, .G = 11000, .J = 1.22f, .Ix = 0.114f, .Iy = 12.3f},
    .restraint = xyz_restraint,
    .joint_load = grid_joint_load,
    .member_load = grid_member_load,
};

constexpr StructureType plane_truss = {
    .word = "planetr",
    .banner = "Preprocessor for PLANE TRUSS analysis. Created PLANETR.IN \trev 0.03",
    .coordinates = 2,
    .members = 700,
    .joints = 200,
    .dofs = 2,
    .member = plane_truss_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%i,%i,%f,%i,%i,%f,%f\n", v.jj, v.jk, v.A, v.E, v.Fy, v.r1, v.r2);
    },
    .dummy = {.A = 2.94f, .E = 29000, .Fy = 36, .r1 = 2.05f, .r2 = 0.643f},
    .restraint = plane_truss_restraint,
    .joint_load = plane_truss_joint_load,
    .member_load = plane_truss_member_load,
};

constexpr StructureType plane_frame = {
    .word = "planefr",
    .banner = "Preprocessor for PLANE FRAME analysis. Created PLANEFR.IN \trev 0.01",
    .coordinates = 2,
    .members = 700,
    .joints = 200,
    .dofs = 3,
    .member = plane_frame_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%i,%i,%f,%f,%i,%i,%f,%f", v.jj, v.jk, v.A, v.Iz, v.E, v.Fy, v.r1, v.r2);
        write_trailing(f, {v.Sz}, {v.Awy});
    },
    .dummy = {.A = 2.94f, .E = 29000, .Fy = 36, .Iz = 12.3f, .r1 = 0.643f, .r2 = 2.05f},
    .restraint = xyz_restraint,
    .joint_load = plane_frame_joint_load,
    .member_load = plane_frame_member_load,
};

constexpr StructureType space_truss = {
    .word = "spacetr",
    .banner = "Preprocessor for SPACE TRUSS analysis. created SPACETR.IN \trev 0.01",
    .coordinates = 3,
    .members = 1000,
    .joints = 200,
    .dofs = 3,
    .member = space_truss_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%i,%i,%f,%i,%i,%f,%f\n", v.jj, v.jk, v.A, v.E, v.Fy, v.r1, v.r2);
    },
    .dummy = {.A = 2.94f, .E = 29000, .Fy = 36, .r1 = 0.643f, .r2 = 2.05f},
    .restraint = xyz_restraint,
    .joint_load = space_truss_joint_load,
    .member_load = space_truss_member_load,
};

constexpr StructureType space_frame = {
    .word = "spacefr",
    .banner = "Preprocessor for SPACE FRAME analysis. Created SPACEFR.IN \trev 0.02",
    .coordinates = 3,
    .members = 1000,
    .joints = 250,
    .dofs = 6,
    .member = space_frame_member,
    .write_member = [](InputFile& f, const Member& v) {
        f.print("%i,%i,%f,%f,%f,%f,%i,%i,%i,%f,%f", v.jj, v.jk, v.A, v.J, v.Iy, v.Ix, v.E, v.G, v.Fy, v.r1, v.r2);
        write_trailing(f, {v.Sy, v.Sz}, {v.Awy, v.Awz});
    },
    .dummy = {.A = 2.94f, .E = 29000, .Fy = 36, .G = 11000, .J = 0.114f, .Ix = 0.114f, .Iy = 1.22f, .r1 = 2.05f,
              .r2 = 0.643f},
    .restraint = space_frame_restraint,
    .joint_load = space_frame_joint_load,
    .member_load = space_frame_member_load,
};

namespace {

// Each value an answer reads has exactly one place to go: a member field of
// its kind, or a place of the record that no other question of the entry
// fills, with no place left empty. Checked when the tables are compiled.
constexpr bool member_questions_fit(std::span<const MemberQuestion> questions)
{
    for (const MemberQuestion& q : questions) {
        int k = 0;
        for (const char* p = q.scan; *p; ++p) {
            if (*p != '%')
                continue;
            const Target& t = q.into[k++];
            if ((p[1] == 'i') != (t.whole != nullptr) || (p[1] == 'f') != (t.real != nullptr))
                return false;
        }
        for (; k < static_cast<int>(q.into.size()); ++k)
            if (q.into[k].whole || q.into[k].real)
                return false;
    }
    return true;
}

constexpr bool entry_questions_fit(std::span<const EntryQuestion> questions, char conversion)
{
    unsigned filled = 0;
    int count = 0;
    for (const EntryQuestion& q : questions) {
        for (const char* p = q.scan; *p; ++p)
            if (*p == '%' && p[1] != conversion)
                return false;
        for (int k = 0; k < conversions(q.scan); ++k, ++count) {
            int place = q.into[k];
            if (place < 0 || place >= 12 || filled & (1u << place))
                return false;
            filled |= 1u << place;
        }
    }
    return filled == (1u << count) - 1;
}

constexpr bool tables_fit(const StructureType& t)
{
    return member_questions_fit(t.member) && entry_questions_fit(t.restraint, 'i') &&
           entry_questions_fit(t.joint_load, 'f') && entry_questions_fit(t.member_load, 'f');
}

static_assert(tables_fit(beam) && tables_fit(grid) && tables_fit(plane_truss) && tables_fit(plane_frame) &&
              tables_fit(space_truss) && tables_fit(space_frame));

} // namespace

} // namespace modelprep
