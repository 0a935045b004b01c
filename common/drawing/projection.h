// Points of a structure in its own axes (inches) and their projection onto
// the drawing plane: a plane structure in its plane (x to the right, y up),
// space structures and grids in a fixed axonometric view, a grid with its z
// axis standing up, a continuous beam as a line along x. Every drawing of
// the suite projects with it, so that a structure looks the same in each.
#pragma once

#include <cmath>

#include "drawing/layout.h"

namespace qm {

struct Vec {
    double x = 0, y = 0, z = 0;
};
inline Vec operator+(Vec a, Vec b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec operator*(double k, Vec a)
{
    return {k * a.x, k * a.y, k * a.z};
}
inline double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec cross(Vec a, Vec b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(Vec a)
{
    return std::sqrt(dot(a, a));
}

struct Point {
    double u = 0, v = 0; // on the drawing plane, inches; v up
};

// The axonometric view looks at the structure from the front, the right and
// above; a grid lies flat in it, its z axis standing up.
Point project(View view, Vec p);

} // namespace qm
