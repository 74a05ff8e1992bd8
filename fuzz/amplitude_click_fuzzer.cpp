// Fuzzes a whole amplitude click without a window: the six texts of the form are read, the design
// is stored, and the grid, the level curve and then the phase curve are drawn on a raster surface
// of the window's client-area size.

#include "chart/grid.h"
#include "chart/raster_surface.h"
#include "chart/sweeps.h"
#include "filter/amplitude_click.h"
#include "filter/filter_state.h"
#include "print_input.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The client area of the window, in pixels.
constexpr int kSurfaceWidth = 993;
constexpr int kSurfaceHeight = 727;
constexpr lchp::Colour kBackground = 0xFFFFFF;

// A sweep is asked whether to go on every lchp::kProgressInterval points and is told to stop at
// the first question at or past this many (at 32768 points), so that a run stays in milliseconds
// whatever Fmax and Passo say.
constexpr std::uint64_t kPointBound = 20000;

// Longer texts reach nothing new in the sweeps; the reader's own target takes long ones.
constexpr std::size_t kMaxTextLength = 64;

constexpr std::size_t kTextCount = 6;

std::string_view g_input;

void PrintInputAndAbort(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    lchp::PrintInput(g_input);
    std::abort();
}

class BoundedProgress final : public lchp::SweepProgress {
public:
    bool Proceed(std::uint64_t pointsDone, double) override { return pointsDone < kPointBound; }
};

// Passes everything on to the raster surface and checks that a point outside it changes no
// pixel: a missing bounds check would most likely land on the word at row * width + column,
// which may still lie inside the buffer where the address sanitizer cannot see it.
class GuardedSurface final : public lchp::ChartSurface {
public:
    explicit GuardedSurface(lchp::RasterSurface& target) : target_(target) {}

    // Paints the pixels of the last run's points back to the background, so that with the grid
    // drawn again the surface is exactly as a new one would be. Clearing all of it each run
    // would cost more than the sweeps, once every comparison is traced for the fuzzer.
    void EraseLastPoints() {
        for (const Pixel& pixel : painted_) {
            target_.SetPoint(static_cast<float>(pixel.column * lchp::kTwipsPerPixel),
                             static_cast<float>(pixel.row * lchp::kTwipsPerPixel),
                             target_.Background());
        }
        painted_.clear();
    }

    void SetPoint(float x, float y, lchp::Colour colour) override {
        const double column = std::floor(static_cast<double>(x) / lchp::kTwipsPerPixel);
        const double row = std::floor(static_cast<double>(y) / lchp::kTwipsPerPixel);
        const bool inside =
            column >= 0 && column < target_.Width() && row >= 0 && row < target_.Height();
        const std::uint32_t* alias = nullptr;
        std::uint32_t before = 0;
        // Within +-2^20 the index below is exact; further out a stray write would leave the
        // buffer, which is the address sanitizer's part.
        if (!inside && std::fabs(column) < 0x1p20 && std::fabs(row) < 0x1p20) {
            const double index = row * target_.Width() + column;
            if (index >= 0 && index < static_cast<double>(target_.Width()) * target_.Height()) {
                alias = target_.Pixels() + static_cast<std::size_t>(index);
                before = *alias;
            }
        }
        target_.SetPoint(x, y, colour);
        if (alias != nullptr && *alias != before) {
            std::fprintf(stderr, "point (%a, %a) twips lies outside the surface\n",
                         static_cast<double>(x), static_cast<double>(y));
            PrintInputAndAbort("a point outside the surface painted a pixel");
        }
        if (inside) {
            const Pixel pixel{static_cast<int>(column), static_cast<int>(row)};
            painted_.push_back(pixel);
            if (target_.PixelAt(pixel.column, pixel.row) != colour) {
                std::fprintf(stderr, "point (%a, %a) twips\n", static_cast<double>(x),
                             static_cast<double>(y));
                PrintInputAndAbort("a point inside the surface did not paint its pixel");
            }
        }
    }
    void DrawLine(float x1, float y1, float x2, float y2, lchp::Colour colour) override {
        target_.DrawLine(x1, y1, x2, y2, colour);
    }
    void Clear() override { target_.Clear(); }

private:
    struct Pixel {
        int column;
        int row;
    };

    lchp::RasterSurface& target_;
    std::vector<Pixel> painted_;
};

// The input is the six texts one per line, as the boxes and selectors hold them: Fo, R, Fmax,
// Passo, type, cells. Missing lines are empty; whatever follows the sixth line is ignored.
std::array<std::string, kTextCount> SplitTexts(std::string_view input) {
    std::array<std::string, kTextCount> texts;
    for (std::string& text : texts) {
        const std::size_t newline = input.find('\n');
        const std::string_view line = input.substr(0, newline);
        text = line.substr(0, kMaxTextLength);
        if (newline == std::string_view::npos) {
            break;
        }
        input.remove_prefix(newline + 1);
    }
    return texts;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_input = std::string_view(reinterpret_cast<const char*>(data), size);
    const auto [Fo, R, Fmax, Passo, type, cells] = SplitTexts(g_input);

    // A fresh state each run, so that any finding reproduces from its input alone. A designed click
    // overwrites every field the sweeps read, so what a session would carry over only matters to
    // a phase click after a click that designed nothing.
    lchp::FilterState state;
    const lchp::DesignOutcome outcome = lchp::ReadDesign(state, {Fo, R, Fmax, Passo, type});
    if (outcome.designed && (outcome.L.empty() || outcome.C.empty() || outcome.Fmax.empty())) {
        PrintInputAndAbort("a designed click left a caption empty");
    }
    if (!outcome.sweep) {
        return 0;
    }
    // One surface for all runs: a new 2.8 MB buffer each run would cost more than the sweeps.
    static lchp::RasterSurface raster(kSurfaceWidth, kSurfaceHeight, kBackground);
    static GuardedSurface surface(raster);
    surface.EraseLastPoints();
    // The grid is the same every run, so it goes straight to the raster: through the guard it
    // would take a third of each run to prove the same thing again.
    lchp::DrawGrid(raster);
    BoundedProgress amplitudeProgress;
    lchp::AmplitudeSweep(state, surface, cells, &amplitudeProgress);
    BoundedProgress phaseProgress;
    lchp::PhaseSweep(state, surface, &phaseProgress);
    return 0;
}
