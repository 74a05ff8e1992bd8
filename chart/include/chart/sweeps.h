#pragma once

#include "chart/chart_surface.h"
#include "filter/filter_state.h"

#include <cstdint>
#include <string>

namespace lchp {

// Told of a long sweep's progress every kProgressInterval points; it may stop the sweep there.
class SweepProgress {
public:
    virtual ~SweepProgress() = default;
    // pointsDone so far out of about pointsExpected; false stops the sweep.
    virtual bool Proceed(std::uint64_t pointsDone, double pointsExpected) = 0;

protected:
    SweepProgress() = default;
    SweepProgress(const SweepProgress&) = default;
    SweepProgress& operator=(const SweepProgress&) = default;
};

inline constexpr std::uint64_t kProgressInterval = 16384;

// About how many frequencies a sweep visits: (Fmax - 1) / Passo + 1, at least 0.
double ExpectedPoints(double Fmax, double Passo);

// Calls body(f) for f = 1, 1 + Passo, 1 + 2 Passo ... while f <= Fmax (Passo > 0) or
// f >= Fmax (otherwise); the step is added to the previous f, so its rounding accumulates.
// It ends early when progress says so, or once f + Passo == f, since every further pass
// would repeat the same point.
template <typename Body>
void FrequencySweep(double Fmax, double Passo, Body&& body, SweepProgress* progress = nullptr) {
    const bool upward = Passo > 0;
    std::uint64_t done = 0;
    double f = 1;
    while (upward ? f <= Fmax : f >= Fmax) {
        body(f);
        ++done;
        const double next = f + Passo;
        if (next == f) {
            return;
        }
        f = next;
        if (progress != nullptr && done % kProgressInterval == 0 &&
            !progress->Proceed(done, ExpectedPoints(Fmax, Passo))) {
            return;
        }
    }
}

// x in twips of frequency f (Hz) on a chart whose right edge is Fmax: (9200 / Fmax) * f.
inline double ChartX(double f, double Fmax) {
    return (9200 / Fmax) * f;
}

// y in twips of a level in dB: 0 dB at the top, -40 dB at the bottom (6400).
inline double LevelY(double dB) {
    return -160.0 * dB;
}

// y in twips of a phase in degrees: 360 at the bottom (6400), 0 at 640.
inline double PhaseY(double phase) {
    return 6400 - 16 * (360 - phase);
}

// Plots the level of the stored design in blue, one point per swept frequency. The cell count
// comes from cellsText at every point and is stored in state.Cells. Points that cannot be
// computed or drawn (non-finite, beyond single precision) are skipped.
void AmplitudeSweep(FilterState& state, ChartSurface& surface, const std::string& cellsText,
                    SweepProgress* progress = nullptr);

// Plots the phase of one cell of the stored design in red; nothing when the stored R, Fmax or
// Passo is 0. Points that cannot be computed or drawn are skipped.
void PhaseSweep(const FilterState& state, ChartSurface& surface, SweepProgress* progress = nullptr);

} // namespace lchp
