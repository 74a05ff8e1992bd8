#pragma once

#include "chart/chart_surface.h"

#include <functional>
#include <vector>

namespace lchp {

// A surface that keeps every call, in order, for tests to inspect.
class RecordingSurface final : public ChartSurface {
public:
    enum class Kind { Point, Line, Clear };

    struct Call {
        Kind kind;
        float x1 = 0;
        float y1 = 0;
        float x2 = 0;
        float y2 = 0;
        Colour colour = 0;
    };

    void SetPoint(float x, float y, Colour colour) override {
        calls.push_back({Kind::Point, x, y, 0, 0, colour});
        if (afterPoint) {
            afterPoint(calls.back());
        }
    }
    void DrawLine(float x1, float y1, float x2, float y2, Colour colour) override {
        calls.push_back({Kind::Line, x1, y1, x2, y2, colour});
    }
    void Clear() override { calls.push_back({Kind::Clear}); }

    std::vector<Call> Points() const { return Of(Kind::Point); }
    std::vector<Call> Lines() const { return Of(Kind::Line); }

    std::vector<Call> calls;
    // Runs after each recorded point, so a test can change the world in the middle of a sweep.
    std::function<void(const Call&)> afterPoint;

private:
    std::vector<Call> Of(Kind kind) const {
        std::vector<Call> result;
        for (const Call& call : calls) {
            if (call.kind == kind) {
                result.push_back(call);
            }
        }
        return result;
    }
};

} // namespace lchp
