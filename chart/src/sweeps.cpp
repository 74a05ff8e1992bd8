#include "chart/sweeps.h"

#include "filter/cell_response.h"
#include "filter/design.h"
#include "filter/level_phase.h"

#include <cmath>
#include <limits>

namespace lchp {

namespace {

bool FitsFloat(double value) {
    return std::isfinite(value) && std::fabs(value) <= std::numeric_limits<float>::max();
}

// Coordinates are worked out in double and drawn in single precision; a point that has no
// single-precision place (NaN, infinite, too large) is left out instead of faulting.
void PlotPoint(ChartSurface& surface, double x, double y, Colour colour) {
    if (FitsFloat(x) && FitsFloat(y)) {
        surface.SetPoint(static_cast<float>(x), static_cast<float>(y), colour);
    }
}

} // namespace

double ExpectedPoints(double Fmax, double Passo) {
    const double points = (Fmax - 1) / Passo + 1;
    return points > 0 ? points : 0;
}

void AmplitudeSweep(FilterState& state, ChartSurface& surface, const std::string& cellsText,
                    SweepProgress* progress) {
    FrequencySweep(
        state.Fmax, state.Passo,
        [&](double f) {
            const Complex H = CellResponse(f, state.R, state.L, state.C);
            state.Cells = CellCount(cellsText);
            const double dB = AmplitudeDb(H, state.Cells);
            PlotPoint(surface, ChartX(f, state.Fmax), LevelY(dB), kBlue);
        },
        progress);
}

void PhaseSweep(const FilterState& state, ChartSurface& surface, SweepProgress* progress) {
    if (state.R == 0 || state.Fmax == 0 || state.Passo == 0) {
        return;
    }
    FrequencySweep(
        state.Fmax, state.Passo,
        [&](double f) {
            const Complex H = CellResponse(f, state.R, state.L, state.C);
            PlotPoint(surface, ChartX(f, state.Fmax), PhaseY(PhaseDeg(H)), kRed);
        },
        progress);
}

} // namespace lchp
