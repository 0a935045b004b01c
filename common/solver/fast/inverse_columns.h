// Columns of B, the inverse, formed from an elimination record.
//
// Under the row operations of Gauss-Jordan each column of B evolves on its
// own: column s starts as 1/K[s][s] in row s, meets pass q only through its
// own entry in row q, and is divided by the final diagonal at the end. So a
// column formed here, pass by pass with the record's factors, equals the
// plain loop's bit for bit, provided no value of B ever overflows: then
// passing over exact zeros is exact. inverse_stays_finite says so before any
// column is formed.
#pragma once

#include <cstddef>

#include "solver/fast/elimination.h"

namespace qm {

// True when no entry of B can leave the finite range at any stage of the
// plain elimination (a bound on every row, in double precision, with the
// rounding of each step added).
bool inverse_stays_finite(const EliminationRecord& rec);

// Columns cols[0..count-1] of B into out + t * out_stride, rows 1..n.
void form_columns(const EliminationRecord& rec, const int cols[], int count, float* out, std::size_t out_stride,
                  int threads);

// out = B * r in double precision, through the recorded passes; its rounding
// follows no other computation.
void apply_recorded_inverse(const EliminationRecord& rec, const double r[], double out[]);

} // namespace qm
