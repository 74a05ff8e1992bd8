#pragma once

#include <string>
#include <string_view>

namespace lchp {

// The tooltip of a component value: the value in engineering notation and the nearest E12 and E24
// standard values with their deviation, one per line:
// "L = 1,274 mH\nE12: 1,200 mH (−5,8 %)\nE24: 1,300 mH (+2,0 %)". A value with no standard
// neighbour (0, non-finite, beyond 1e±300) shows the first line alone.
std::string ValueTooltip(std::string_view name, double value, std::string_view unit);

} // namespace lchp
