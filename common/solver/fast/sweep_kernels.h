// The inner loops of the elimination: rows updated by several pivot rows at
// once. Each element receives its subtractions one by one in pass order,
// each rounded to single precision; vector lanes hold different elements, so
// the width of the vectors (chosen once for the processor) changes no
// result.
#pragma once

namespace qm {

// Most rows a sweep takes together.
inline constexpr int sweep_rows_at_most = 4;

// x[r][c] = x[r][c] - s[t][c]*f[r][t] for t = 0..count-1 in that order,
// r = 0..rows-1, c = c0..c1. Rows taken together share the loads of s.
void sweep(float* const x[], const float* const f[], int rows, const float* const s[], int count, int c0, int c1);

// x[c] = x[c] - s[c]*f for c = 0..width-1.
void subtract_multiple(float* x, const float* s, float f, int width);

// The passes of a panel on its own columns, pass by pass: for t = 0..count-1
// and each row r, f[r][t] = x[r][first + t] / pivot[t] and, where that is not
// 0, x[r][c] = x[r][c] - s[t][c]*f[r][t] for c = 0..width-1. x and s point
// at the panel's first column. A factor that is not finite is applied like
// any other; the caller looks at the factors afterwards.
void eliminate_panel_columns(float* const x[], float* const f[], int rows, const float* const s[],
                             const float pivot[], int count, int first, int width);

} // namespace qm
