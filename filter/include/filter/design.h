#pragma once

#include <cstdint>
#include <string_view>

namespace lchp {

// The type-adjusted resistance in ohm: R / 2 for exactly "Chebyschev", R for any other text
// ("Butterworth" included). The comparison is exact and case-sensitive.
double TypeResistance(double R, std::string_view typeText);

// The number of cells: 2 for exactly "Doppia-cellula", 1 for any other text.
std::int16_t CellCount(std::string_view cellsText);

struct Design {
    double L; // H
    double C; // F
};

// L and C of one pi cell for cut-off Fo (Hz) and resistance Rt (ohm), with 3.14 and 6.28 standing
// for pi and two pi. Fo or Rt of 0 gives inf or NaN (IEEE, no trap); so may extreme magnitudes.
Design DesignValues(double Fo, double Rt);

} // namespace lchp
