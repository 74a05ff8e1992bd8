// Cost of a swept point: the sweeps drawing into the raster surface against the same loop that
// only computes the values. Prints ns per point and the ratio sweep / bare of one run.

#include "chart/raster_surface.h"
#include "chart/sweeps.h"
#include "filter/cell_response.h"
#include "filter/design.h"
#include "filter/level_phase.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>

namespace {

using namespace lchp;

constexpr double kPoints = 1e6;

FilterState MillionPointDesign() {
    FilterState state;
    state.Fo = 1000;
    state.R = 8;
    state.Rt = TypeResistance(state.R, "Butterworth");
    const Design design = DesignValues(state.Fo, state.Rt);
    state.L = design.L;
    state.C = design.C;
    state.Fmax = kPoints;
    state.Passo = 1;
    return state;
}

void AmplitudeSweepRaster(benchmark::State& run) {
    FilterState state = MillionPointDesign();
    RasterSurface surface(993, 727, 0xF0F0F0);
    const std::string cellsText = "Singola cellula";
    for (auto _ : run) {
        AmplitudeSweep(state, surface, cellsText);
        benchmark::ClobberMemory();
    }
}

void AmplitudeBare(benchmark::State& run) {
    FilterState state = MillionPointDesign();
    const std::string cellsText = "Singola cellula";
    for (auto _ : run) {
        FrequencySweep(state.Fmax, state.Passo, [&](double f) {
            const Complex H = CellResponse(f, state.R, state.L, state.C);
            state.Cells = CellCount(cellsText);
            double x = ChartX(f, state.Fmax);
            double y = LevelY(AmplitudeDb(H, state.Cells));
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
        });
    }
}

void PhaseSweepRaster(benchmark::State& run) {
    const FilterState state = MillionPointDesign();
    RasterSurface surface(993, 727, 0xF0F0F0);
    for (auto _ : run) {
        PhaseSweep(state, surface);
        benchmark::ClobberMemory();
    }
}

void PhaseBare(benchmark::State& run) {
    const FilterState state = MillionPointDesign();
    for (auto _ : run) {
        FrequencySweep(state.Fmax, state.Passo, [&](double f) {
            const Complex H = CellResponse(f, state.R, state.L, state.C);
            double x = ChartX(f, state.Fmax);
            double y = PhaseY(PhaseDeg(H));
            benchmark::DoNotOptimize(x);
            benchmark::DoNotOptimize(y);
        });
    }
}

BENCHMARK(AmplitudeSweepRaster)->Unit(benchmark::kMillisecond);
BENCHMARK(AmplitudeBare)->Unit(benchmark::kMillisecond);
BENCHMARK(PhaseSweepRaster)->Unit(benchmark::kMillisecond);
BENCHMARK(PhaseBare)->Unit(benchmark::kMillisecond);

// Keeps the time per iteration of every run so that main can print the ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0) {
                seconds[run.run_name.function_name] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> seconds;
};

void PrintRatio(const RatioReporter& reporter, const char* sweep, const char* bare) {
    const auto s = reporter.seconds.find(sweep);
    const auto b = reporter.seconds.find(bare);
    if (s == reporter.seconds.end() || b == reporter.seconds.end()) {
        return;
    }
    std::printf("%-22s %6.1f ns/point   bare %6.1f ns/point   ratio sweep/bare %.3f\n", sweep,
                s->second / kPoints * 1e9, b->second / kPoints * 1e9, s->second / b->second);
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatio(reporter, "AmplitudeSweepRaster", "AmplitudeBare");
    PrintRatio(reporter, "PhaseSweepRaster", "PhaseBare");
    benchmark::Shutdown();
    return 0;
}
