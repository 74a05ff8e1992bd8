#include "window/value_tooltip.h"

#include "filter/engineering.h"
#include "filter/italian_number.h"

namespace lchp {

namespace {

std::string StandardLine(std::string_view series, const StandardValue& standard,
                         std::string_view unit) {
    const std::string deviation = FixedText(standard.deviationPercent, 1, kMinusSign);
    const bool positive = standard.deviationPercent > 0 && deviation != "0,0";
    return std::string(series) + ": " + EngineeringText(standard.value, unit) + " (" +
           (positive ? "+" : "") + deviation + " %)";
}

} // namespace

std::string ValueTooltip(std::string_view name, double value, std::string_view unit) {
    std::string text = std::string(name) + " = " + EngineeringText(value, unit);
    const auto e12 = NearestStandard(value, ESeries::E12);
    const auto e24 = NearestStandard(value, ESeries::E24);
    if (e12 && e24) {
        text += "\n" + StandardLine("E12", *e12, unit) + "\n" + StandardLine("E24", *e24, unit);
    }
    return text;
}

} // namespace lchp
