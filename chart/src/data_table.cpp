#include "chart/data_table.h"

#include "filter/cell_response.h"
#include "filter/level_phase.h"
#include "filter/number_text.h"

#include <cmath>
#include <string_view>
#include <utility>

namespace lchp {

namespace {

constexpr std::string_view kHeader = "f (Hz)\t1 cellula (dB)\t2 cellule (dB)\tfase (\u00B0)\n";

// Typical line: "4501\t-0.5123456789012345\t-1.024691357802469\t24.34567890123457\n". Enough for
// most lines; the string grows by itself for the rest.
constexpr std::size_t kReservedPerRow = 72;

// Passes the caller's progress on, and also stops a sweep that has run past the row limit.
class LimitedProgress final : public SweepProgress {
public:
    explicit LimitedProgress(SweepProgress* caller) : caller_(caller) {}

    bool Proceed(std::uint64_t pointsDone, double pointsExpected) override {
        if (pointsDone > kMaxTableRows) {
            tooLarge = true;
            return false;
        }
        if (caller_ != nullptr && !caller_->Proceed(pointsDone, pointsExpected)) {
            cancelled = true;
            return false;
        }
        return true;
    }

    bool tooLarge = false;
    bool cancelled = false;

private:
    SweepProgress* caller_;
};

void AppendRow(std::string& text, double f, double oneCell, double twoCells, double phase) {
    text += NumberToText(f);
    text += '\t';
    text += NumberToText(oneCell);
    text += '\t';
    text += NumberToText(twoCells);
    text += '\t';
    text += NumberToText(phase);
    text += '\n';
}

} // namespace

TableResult SweepTable(const FilterState& state, std::string& out, SweepProgress* progress) {
    out.clear();
    if (state.R == 0 || state.Fmax == 0 || state.Passo == 0) {
        out = kHeader;
        return TableResult::Complete;
    }
    const double expected = ExpectedPoints(state.Fmax, state.Passo);
    if (!(expected <= static_cast<double>(kMaxTableRows))) {
        return TableResult::TooLarge;
    }
    // Built apart so that a stopped sweep leaves out empty and gives its memory back at once.
    std::string text;
    // expected is at most kMaxTableRows here: the conversion is in range.
    text.reserve(kHeader.size() + static_cast<std::size_t>(expected) * kReservedPerRow);
    text += kHeader;
    LimitedProgress limited(progress);
    FrequencySweep(
        state.Fmax, state.Passo,
        [&](double f) {
            const Complex H = CellResponse(f, state.R, state.L, state.C);
            const double oneCell = AmplitudeDb(H, 1);
            const double twoCells = AmplitudeDb(H, 2);
            const double phase = PhaseDeg(H);
            if (std::isfinite(oneCell) && std::isfinite(twoCells) && std::isfinite(phase)) {
                AppendRow(text, f, oneCell, twoCells, phase);
            }
        },
        &limited);
    if (limited.tooLarge) {
        return TableResult::TooLarge;
    }
    if (limited.cancelled) {
        return TableResult::Cancelled;
    }
    out = std::move(text);
    return TableResult::Complete;
}

} // namespace lchp
