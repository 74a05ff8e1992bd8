#pragma once

#include "chart/sweeps.h"
#include "filter/filter_state.h"

#include <cstdint>
#include <string>

namespace lchp {

// More rows than this would make a clipboard text of hundreds of megabytes.
inline constexpr std::uint64_t kMaxTableRows = 1'000'000;

enum class TableResult { Complete, Cancelled, TooLarge };

// The stored design's sweep as tab-separated text for a spreadsheet: the header line
// "f (Hz)\t1 cellula (dB)\t2 cellule (dB)\tfase (°)", then one line per frequency of the sweep the
// chart draws (f = 1, 1 + Passo, ... as FrequencySweep steps): f in Hz, the level of one cell and
// of two in dB, the phase of one cell in degrees. Numbers are NumberToText's shortest round-trip
// texts with a '.' decimal point, so that the values read back exactly; every line ends in '\n'.
// A frequency where any value is not finite is left out, as on the chart.
// Complete: out holds the text; with R, Fmax or Passo of 0 (nothing swept) it is the header alone.
// TooLarge: ExpectedPoints(Fmax, Passo) exceeds kMaxTableRows, or the sweep turns out longer than
// that as it runs (step rounding can stretch it); Cancelled: progress stopped the sweep. In both
// cases out is left empty. Whatever out held before is replaced.
TableResult SweepTable(const FilterState& state, std::string& out,
                       SweepProgress* progress = nullptr);

} // namespace lchp
