#pragma once

#include <cstdint>

namespace lchp {

// The numbers a window keeps between clicks. Every field starts at 0 and nothing resets it.
struct FilterState {
    double Fo = 0;          // cut-off frequency, Hz
    double R = 0;           // source and load resistance, ohm
    double Rt = 0;          // type-adjusted resistance, ohm: R, or R / 2 for Chebyschev
    double L = 0;           // inductance of each shunt inductor, H
    double C = 0;           // capacitance of the series capacitor, F
    double Fmax = 0;        // highest swept frequency, Hz
    double Passo = 0;       // frequency step of the sweep, Hz
    std::int16_t Cells = 0; // number of cells, 1 or 2, written by the amplitude sweep
};

} // namespace lchp
