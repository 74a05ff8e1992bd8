#pragma once

#include "filter/complex.h"

#include <cstdint>

namespace lchp {

// Level in dB of one cell (20 log |H|) or of two (40 log |H| + 6: twice one cell plus 6 dB, the
// second cell is not solved as a circuit), floored at -40 dB, no ceiling. H = (0, 0) floors to
// -40; a NaN part gives NaN.
double AmplitudeDb(Complex H, std::int16_t cells);

// Phase of H in degrees, 0 to 360, folded by quadrant, with 57.2957 degrees per radian. A zero
// real part is taken as 1e-8 when the imaginary part is not zero. H = (0, 0) or a NaN part gives
// NaN.
double PhaseDeg(Complex H);

} // namespace lchp
