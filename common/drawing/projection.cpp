#include "drawing/projection.h"

namespace qm {

Point project(View view, Vec p)
{
    const double c = 0.8660254037844386, h = 0.5;
    switch (view) {
    case View::plane:
    case View::beam: return {p.x, p.y};
    case View::space: return {c * (p.x - p.z), p.y - h * (p.x + p.z)};
    case View::grid: return {c * (p.x - p.y), p.z - h * (p.x + p.y)};
    }
    return {};
}

} // namespace qm
