#include "classic/agreement.h"

#include <cmath>
#include <cstdio>
#include <functional>

namespace quill {

namespace {

// One kind of value: its largest magnitude in the engine's results, and the
// worst difference found.
struct Spread {
    const char* what;
    double largest = 0;
    double worst = 0; // difference beyond the tolerance, relative to largest
    std::string where;
};

} // namespace

std::string disagreement(const Model& s, const Results& classic, const Solution& engine)
{
    const TypeTable& t = s.t();
    Spread kinds[4] = {{"translation", 0, 0, ""}, {"rotation", 0, 0, ""}, {"force", 0, 0, ""}, {"moment", 0, 0, ""}};
    // The CSV files hold six decimals.
    const double printed = 2e-6;
    // Each value is visited twice: first for the largest of its kind, then
    // for the differences.
    auto each = [&](const std::function<void(Spread&, double c, double e, const std::string& where)>& f) {
        for (size_t j = 1; j < s.joints.size() + 1; ++j)
            for (int k = 0; k < t.d; ++k) {
                const std::string& jn = s.joints[j - 1].name;
                f(kinds[t.rotation[k] ? 1 : 0], classic.D[j][static_cast<size_t>(k)],
                  engine.D[j][static_cast<size_t>(k)], std::string("the ") + (t.rotation[k] ? "rotation " : "translation ") +
                                                           t.dof[k] + " of joint " + jn);
                f(kinds[t.rotation[k] ? 3 : 2], classic.AR[j][static_cast<size_t>(k)],
                  engine.AR[j][static_cast<size_t>(k)], std::string("the reaction ") + t.dof[k] + " of joint " + jn);
            }
        for (size_t i = 1; i < s.members.size() + 1; ++i)
            for (int k = 0; k < t.nea; ++k)
                f(kinds[t.kind[k] == Kind::moment ? 3 : 2], classic.ea[i][static_cast<size_t>(k)],
                  engine.actions[i][static_cast<size_t>(t.local[k])],
                  std::string("the end action ") + t.ea[k] + " of member " + s.members[i - 1].name);
    };
    each([](Spread& k, double, double e, const std::string&) { k.largest = std::max(k.largest, std::fabs(e)); });
    each([&](Spread& k, double c, double e, const std::string& where) {
        double allowed = agreement_tolerance * k.largest + printed;
        double off = std::fabs(c - e);
        if (!(off <= allowed) && k.largest > 0 && off / k.largest > k.worst) {
            k.worst = off / k.largest;
            k.where = where;
        }
        if (!(off <= allowed) && k.largest == 0 && k.where.empty()) {
            k.where = where;
            k.worst = INFINITY;
        }
    });
    for (const Spread& k : kinds)
        if (!k.where.empty()) {
            if (std::isinf(k.worst))
                return k.where + " is not 0, as every " + k.what + " of the engine is";
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.2g %%", 100 * k.worst);
            return k.where + " differs by " + buf + " of the largest " + k.what;
        }
    return "";
}

} // namespace quill
