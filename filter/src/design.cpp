#include "filter/design.h"

namespace lchp {

double TypeResistance(double R, std::string_view typeText) {
    double Rt = R;
    if (typeText == "Butterworth") {
        Rt = R;
    }
    if (typeText == "Chebyschev") {
        Rt = R / 2;
    }
    return Rt;
}

std::int16_t CellCount(std::string_view cellsText) {
    std::int16_t cells = 1;
    if (cellsText == "Singola-cellula") {
        cells = 1;
    }
    if (cellsText == "Doppia-cellula") {
        cells = 2;
    }
    return cells;
}

Design DesignValues(double Fo, double Rt) {
    // The grouping is part of the result: the last bits of L and C depend on it.
    const double L = Rt / ((2 * 3.14) * Fo);
    const double C = 1 / (((2 * 6.28) * Fo) * Rt);
    return {L, C};
}

} // namespace lchp
