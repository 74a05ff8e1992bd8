#pragma once

#include "chart/chart_surface.h"

#include <QRect>

namespace lchp {

// A rectangle given in twips, as logical pixels (15 twips each); Qt scales them on HiDPI screens.
constexpr QRect TwipRect(int left, int top, int width, int height) {
    return {left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
            height / kTwipsPerPixel};
}

} // namespace lchp
