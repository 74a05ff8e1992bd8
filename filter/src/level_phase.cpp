#include "filter/level_phase.h"

#include <cmath>

namespace lchp {

double AmplitudeDb(Complex H, std::int16_t cells) {
    const double mag = std::sqrt(std::pow(H.re, 2) + std::pow(H.im, 2));
    double dB = 0;
    if (cells == 2) {
        dB = (std::log(mag) / std::log(10.0)) * 40 + 6;
    } else {
        dB = (std::log(mag) / std::log(10.0)) * 20;
    }
    if (dB < -40) {
        dB = -40;
    }
    return dB;
}

namespace {

// One branch per row of the quadrant table, in its order; several rows share an offset.
// NOLINTBEGIN(bugprone-branch-clone)
double QuadrantOffset(double re, double im) {
    double offset = 0;
    if (re > 0 && im == 0) {
        offset = 0;
    } else if (re < 0 && im == 0) {
        offset = 180;
    } else if (im > 0 && re > 0) {
        offset = 0;
    } else if (im > 0 && re < 0) {
        offset = 180;
    } else if (im < 0 && re < 0) {
        offset = 180;
    } else if (im < 0 && re > 0) {
        offset = 360;
    }
    return offset;
}
// NOLINTEND(bugprone-branch-clone)

} // namespace

double PhaseDeg(Complex H) {
    double re = H.re;
    const double im = H.im;
    if (re == 0 && im != 0) {
        re = 0.00000001;
    }
    // At re = im = 0 this is atan(0 / 0), NaN: no quadrant applies and the point has no phase.
    return std::atan(im / re) * 57.2957 + QuadrantOffset(re, im);
}

} // namespace lchp
