// A structure as read from a model file (or from an input file being
// imported): every value already in kips, inches and radians, the units of
// the file kept for the envelope and for writing the model back.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "file/types.h"
#include "file/units.h"

namespace quill {

// How a compression member may buckle, per bending axis (0: member y,
// 1: member z): its effective length factor and its unbraced length
// (inches); 0 where not given.
struct Buckling {
    double K[2] = {0, 0};
    double unbraced[2] = {0, 0};
};

struct Section {
    std::string name;
    std::array<double, prop_count> p{}; // by Prop; 0 where not given
    Buckling buckling;
};

struct Joint {
    std::string name;
    double x = 0, y = 0, z = 0; // inches
};

struct Member {
    std::string name;
    int jj = 0, jk = 0; // joint indices, 1-based
    int section = 0;    // index into sections, 0-based
    bool dummy = false;
    Buckling buckling;  // what it gives itself, before its section's
    // End actions the member does not transmit (a hinge, a sliding end), in
    // member axes and the order of a member in space: start Fx, Fy, Fz, Mx,
    // My, Mz, then the end's.
    std::array<bool, 12> released{};
    bool any_release() const;
};

// A spring support: a stiffness per joint direction of the type (kips per
// inch, inch-kips per radian), 0 where none.
struct Spring {
    int joint = 0;
    double k[6] = {};
};

struct Support {
    int joint = 0;
    bool restrained[6] = {};
};

struct JointLoad {
    int joint = 0;
    double value[6] = {}; // kips, inch-kips, in the type's joint directions
};

enum class LoadKind { uniform, linear, point, moment, fixed_end_actions };

struct MemberLoad {
    int member = 0;   // 1-based
    int line = 0;     // where it stands in the model file
    LoadKind kind = LoadKind::uniform;
    bool global = false;  // direction in global axes
    int direction = 0;    // 0, 1, 2: x, y, z (about it, for a moment)
    double a = 0, b = 0;  // the loaded stretch, inches from the start joint (a alone: the point)
    double w1 = 0, w2 = 0; // kip/in at a and b; the force (kips) or moment (inch-kips) at a point
    std::vector<double> fea; // fixed_end_actions, in the input file's order, kips and inch-kips
};

// A settlement or rotation prescribed at a restrained joint direction, in
// inches and radians; `given` says which directions it sets.
struct Settlement {
    int joint = 0;
    double value[6] = {};
    bool given[6] = {};
};

struct LoadCase {
    std::string name;
    bool self_weight = false;
    std::vector<JointLoad> joints;
    std::vector<Settlement> displacements;
    std::vector<MemberLoad> members;
};

struct Combination {
    std::string name;
    std::vector<std::pair<int, double>> factors; // load case index, factor
};

// The serviceability limit of the deflection of members between their
// ends: span / limit, in the combinations listed (all when none is).
struct DeflectionLimit {
    double limit = 0; // 0: none
    std::vector<int> combinations;
    bool applies_to(int c) const;
};

struct Model {
    Type type = Type::space_frame;
    const Units* units = &us_units;
    std::string title;
    std::vector<Section> sections;
    std::vector<Joint> joints;
    std::vector<Member> members;
    std::vector<Support> supports;
    std::vector<Spring> springs;
    std::vector<LoadCase> cases;
    std::vector<Combination> combinations; // never empty after reading
    DeflectionLimit deflection;

    const TypeTable& t() const { return table(type); }
    // Member length in inches.
    double length(int i) const;
    // The joints that report reactions: those with a support, in the order
    // of the supports, then those with a spring alone.
    std::vector<int> reaction_joints() const;
    // End releases, springs or prescribed displacements anywhere: what the
    // classic analysis programs do not know.
    bool has_releases_springs_or_settlements() const;
};

// A model file that cannot be used: "FILE:LINE: key: what".
struct ModelError {
    std::string message;
};

} // namespace quill
