#pragma once

#include "filter/complex.h"

namespace lchp {

// H(f) of one loaded high-pass pi cell (R source, shunt L, series C, shunt L, R load): the load
// voltage over the source's open-circuit voltage, f in Hz, R in ohm, L in H, C in F. The angular
// frequency is 6.28 * f. f = 0, C = 0 or a degenerate divider gives inf or NaN parts (IEEE, no
// trap); the caller decides what to do with such a point.
Complex CellResponse(double f, double R, double L, double C);

} // namespace lchp
