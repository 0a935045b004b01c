#include "building_model.h"

#include <cstdio>

namespace qmtools {

namespace {

// Rolled shapes, inches and ksi: bending about member z is about the strong
// axis (the vertical plane of a beam, the x-y plane of a column), about
// member y the weak one.
// The web d*tw takes the shear along the web, the flanges 2*bf*tf the shear
// across it. A beam's floor braces it against buckling sideways.
struct Shape {
    const char* name;
    double A, J, strong_I, weak_I, strong_r, weak_r, strong_S, weak_S, web, flanges;
    bool beam;
};

const Shape w14x211 = {"W14x211", 62.0, 44.6, 2660, 1030, 6.55, 4.07, 338, 130, 15.4, 49.3, false};
const Shape w14x145 = {"W14x145", 42.7, 15.2, 1710, 677, 6.33, 3.98, 232, 87.3, 10.1, 33.8, false};
const Shape w14x90 = {"W14x90", 26.5, 4.06, 999, 362, 6.14, 3.70, 143, 49.9, 6.16, 20.6, false};
const Shape w21x44 = {"W21x44", 13.0, 0.770, 843, 20.7, 8.06, 1.26, 81.6, 6.37, 7.25, 5.85, true};
const Shape w18x35 = {"W18x35", 10.3, 0.506, 510, 15.3, 7.04, 1.22, 57.6, 5.12, 5.31, 5.10, true};

// Loads, kip/ft^2 of floor, and the wind's pressure on the face at x = 0.
constexpr double floor_dead = 0.075, roof_dead = 0.040, floor_live = 0.050, roof_live = 0.020, wind = 0.025;

void add(std::string& out, const char* format, auto... values)
{
    char line[512];
    std::snprintf(line, sizeof line, format, values...);
    out += line;
}

std::string joint(int ix, int iz, int floor)
{
    char name[48];
    std::snprintf(name, sizeof name, "x%dz%df%d", ix, iz, floor);
    return name;
}

// Heavier columns in the lower thirds of the building.
const Shape& column_of(const Building& b, int floor)
{
    if (3 * (floor - 1) < b.storeys)
        return b.storeys >= 3 ? w14x211 : w14x90;
    return 3 * (floor - 1) < 2 * b.storeys ? w14x145 : w14x90;
}

} // namespace

long building_equations(const Building& b)
{
    return 6L * (b.bays_x + 1) * (b.bays_z + 1) * b.storeys;
}

std::string building_model(const Building& b)
{
    std::string out;
    add(out, "# A steel building frame of %d by %d bays of %g by %g ft and %d storeys of %g ft,\n", b.bays_x, b.bays_z,
        b.bay_x, b.bay_z, b.storeys, b.storey);
    out += "# fixed at its base; floor slabs span along z onto the beams along x.\n";
    add(out, "title = \"Building frame %dx%d bays, %d storeys\"\n", b.bays_x, b.bays_z, b.storeys);
    out += "type = \"space_frame\"\nunits = \"US\"\n\n";
    out += "# in^2, in^4, in^3, in, ksi; unit weight in kip/ft^3. The floor deck braces the beams\n"
           "# sideways every 5 ft.\n[sections]\n";
    for (const Shape* s : {&w14x211, &w14x145, &w14x90, &w21x44, &w18x35})
        add(out,
            "%s = { A = %g, J = %g, Iy = %g, Iz = %g, E = 29000, G = 11200, Fy = 50, rx = %g, ry = %g, Sy = %g, "
            "Sz = %g, Awy = %g, Awz = %g, unit_weight = 0.49%s }\n",
            s->name, s->A, s->J, s->weak_I, s->strong_I, s->strong_r, s->weak_r, s->weak_S, s->strong_S, s->web,
            s->flanges, s->beam ? ", unbraced = { y = 5 }" : "");

    out += "\n# ft; y upwards.\n[joints]\n";
    for (int f = 0; f <= b.storeys; ++f)
        for (int iz = 0; iz <= b.bays_z; ++iz)
            for (int ix = 0; ix <= b.bays_x; ++ix)
                add(out, "%s = [%g, %g, %g]\n", joint(ix, iz, f).c_str(), ix * b.bay_x, f * b.storey, iz * b.bay_z);

    out += "\n[members]\n";
    for (int f = 1; f <= b.storeys; ++f) {
        for (int iz = 0; iz <= b.bays_z; ++iz)
            for (int ix = 0; ix <= b.bays_x; ++ix)
                add(out, "col_%s = { joints = [\"%s\", \"%s\"], section = \"%s\" }\n", joint(ix, iz, f).c_str(),
                    joint(ix, iz, f - 1).c_str(), joint(ix, iz, f).c_str(), column_of(b, f).name);
        const char* beam = f == b.storeys ? w18x35.name : w21x44.name;
        for (int iz = 0; iz <= b.bays_z; ++iz)
            for (int ix = 0; ix <= b.bays_x; ++ix) {
                if (ix < b.bays_x)
                    add(out, "bx_%s = { joints = [\"%s\", \"%s\"], section = \"%s\" }\n", joint(ix, iz, f).c_str(),
                        joint(ix, iz, f).c_str(), joint(ix + 1, iz, f).c_str(), beam);
                if (iz < b.bays_z)
                    add(out, "bz_%s = { joints = [\"%s\", \"%s\"], section = \"%s\" }\n", joint(ix, iz, f).c_str(),
                        joint(ix, iz, f).c_str(), joint(ix, iz + 1, f).c_str(), beam);
            }
    }

    out += "\n[supports]\n";
    for (int iz = 0; iz <= b.bays_z; ++iz)
        for (int ix = 0; ix <= b.bays_x; ++ix)
            add(out, "%s = \"fixed\"\n", joint(ix, iz, 0).c_str());

    // The floor a beam along x carries: half a bay on each side (one half
    // on the edges), kip/ft downwards.
    auto floor_loads = [&](double floor, double roof) {
        std::string s = "members = [\n";
        for (int f = 1; f <= b.storeys; ++f)
            for (int iz = 0; iz <= b.bays_z; ++iz)
                for (int ix = 0; ix < b.bays_x; ++ix) {
                    double width = (iz == 0 || iz == b.bays_z ? 0.5 : 1.0) * b.bay_z;
                    add(s,
                        "  { member = \"bx_%s\", kind = \"uniform\", direction = \"y\", axes = \"global\", w = %g },\n",
                        joint(ix, iz, f).c_str(), -(f == b.storeys ? roof : floor) * width);
                }
        s += "]\n";
        return s;
    };
    out += "\n# The steel's own weight and the floors' (kip/ft).\n[cases.dead]\nself_weight = true\n";
    out += floor_loads(floor_dead, roof_dead);
    out += "\n# Offices on the floors, maintenance on the roof.\n[cases.live]\n";
    out += floor_loads(floor_live, roof_live);
    out += "\n# Wind along +x on the face at x = 0, the cladding's share at each joint (kips).\n";
    out += "[cases.wind.joints]\n";
    for (int f = 1; f <= b.storeys; ++f)
        for (int iz = 0; iz <= b.bays_z; ++iz) {
            double width = (iz == 0 || iz == b.bays_z ? 0.5 : 1.0) * b.bay_z;
            double height = (f == b.storeys ? 0.5 : 1.0) * b.storey;
            add(out, "%s = { fx = %g }\n", joint(0, iz, f).c_str(), wind * width * height);
        }
    out += "\n[combinations]\n";
    out += "\"D+L\" = { dead = 1, live = 1 }\n";
    out += "\"D+0.6W\" = { dead = 1, wind = 0.6 }\n";
    out += "\"D+0.75L+0.45W\" = { dead = 1, live = 0.75, wind = 0.45 }\n";
    out += "\"0.6D+0.6W\" = { dead = 0.6, wind = 0.6 }\n";
    out += "D = { dead = 1 }\n";
    return out;
}

} // namespace qmtools
