#pragma once

#include "filter/filter_state.h"

#include <optional>
#include <string>

namespace lchp {

// The tooltip for the pointer at xTwips across the chart: the frequency there,
// f = xTwips * Fmax / 9200 Hz, and for the stored design the level of one cell and of two (dB)
// and the phase of one cell (degrees):
// "f = 1 000 Hz · 1 cellula −9,03 dB · 2 cellule −12,1 dB · fase 135,0°".
// Frequencies of 100 Hz and more (in magnitude) are rounded to whole hertz with thousands set
// apart by U+202F (a narrow no-break space, so the number never breaks across lines); smaller
// ones and levels have 3 significant digits; the phase has one decimal. Decimal comma, U+2212 for
// a minus sign, U+00B7 between the parts. nullopt when there is no stored design (R, C or Fmax is
// 0), when xTwips lies outside [0, 9200] (NaN included) or when a value there is not finite.
std::optional<std::string> ChartReadout(const FilterState& state, double xTwips);

} // namespace lchp
