#pragma once

#include "filter/design.h"
#include "filter/filter_state.h"

namespace lchp {

// The state a Butterworth amplitude click leaves for these inputs.
inline FilterState ButterworthState(double Fo, double R, double Fmax, double Passo) {
    FilterState state;
    state.Fo = Fo;
    state.R = R;
    state.Rt = TypeResistance(R, "Butterworth");
    const Design design = DesignValues(Fo, state.Rt);
    state.L = design.L;
    state.C = design.C;
    state.Fmax = Fmax;
    state.Passo = Passo;
    return state;
}

// The worked design: Butterworth, 1000 Hz, 8 ohm.
inline FilterState WorkedDesign(double Fmax, double Passo) {
    return ButterworthState(1000, 8, Fmax, Passo);
}

} // namespace lchp
