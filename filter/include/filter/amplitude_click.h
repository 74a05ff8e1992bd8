#pragma once

#include "filter/filter_state.h"

#include <string>
#include <string_view>

namespace lchp {

// The texts an amplitude click reads, as typed.
struct AmplitudeTexts {
    std::string_view Fo;    // cut-off frequency box
    std::string_view R;     // resistance box
    std::string_view Fmax;  // highest frequency box
    std::string_view Passo; // step box
    std::string_view type;  // type selector
};

// What the click shows and whether it goes on to plot.
struct DesignOutcome {
    bool designed = false; // Fo and R were nonzero: the captions below are to be shown
    bool sweep = false;    // Fmax and Passo were nonzero too: the grid and the curve follow
    std::string L;         // caption for L, H
    std::string C;         // caption for C, F
    std::string Fmax;      // caption for Fmax, Hz
};

// An amplitude click up to its sweep: Fo and R are read and stored first, and a zero in either
// ends the click there; otherwise Rt, L, C, Fmax and Passo are stored. Texts are read as their
// leading number, 0 when there is none.
DesignOutcome ReadDesign(FilterState& state, const AmplitudeTexts& texts);

} // namespace lchp
