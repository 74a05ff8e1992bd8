// Runs one amplitude and one phase sweep of a given number of points into a client-area-sized
// raster surface, so that the peak resident memory of a sweep can be measured from outside
// (for example with /usr/bin/time -v): it must not grow with the number of points.

#include "chart/raster_surface.h"
#include "chart/sweeps.h"
#include "filter/design.h"

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    double points = 0;
    if (argc != 2 ||
        std::from_chars(argv[1], argv[1] + std::strlen(argv[1]), points).ec != std::errc{} ||
        !(points >= 1)) {
        std::fprintf(stderr, "usage: %s POINTS\n", argv[0]);
        return 2;
    }
    lchp::FilterState state;
    state.Fo = 1000;
    state.R = 8;
    state.Rt = lchp::TypeResistance(state.R, "Butterworth");
    const lchp::Design design = lchp::DesignValues(state.Fo, state.Rt);
    state.L = design.L;
    state.C = design.C;
    state.Fmax = points;
    state.Passo = 1;
    lchp::RasterSurface surface(993, 727, 0xF0F0F0);
    lchp::AmplitudeSweep(state, surface, "Singola cellula");
    lchp::PhaseSweep(state, surface);
    std::printf("%.0f points swept; pixel under f = 1 Hz: %06x\n", points,
                surface.PixelAt(0, 426));
    return 0;
}
