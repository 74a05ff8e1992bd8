// Looks at the real screen of the X server the window runs on and compares the chart it shows with
// where the core puts the amplitude points of the worked design.
//
//   e2e_chart_check --expect-empty|--expect-curve --origin X Y --png PATH [--wait-ms N]
//
// X Y is where the window's client area starts on the screen. The screen is grabbed again until
// the expectation holds or the wait runs out, so a slow paint is waited for instead of guessed;
// the last grab is saved to PATH either way, as evidence.

#include "chart/grid.h"
#include "chart/sweeps.h"
#include "filter/cell_response.h"
#include "filter/design.h"
#include "filter/filter_state.h"
#include "filter/level_phase.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QString>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

using Pixel = std::pair<int, int>; // (column, row) in the client area

struct Point {
    double f; // Hz
    Pixel pixel;
};

// The chart's pixels: twip 9200 falls in column 613, twip 6400 in row 426.
constexpr int kChartRight = lchp::kChartWidth / lchp::kTwipsPerPixel;
constexpr int kChartBottom = lchp::kChartHeight / lchp::kTwipsPerPixel;
constexpr int kMiddleColumn = lchp::kChartWidth / 2 / lchp::kTwipsPerPixel;

// The worked design as typed into the window: Butterworth, Fo 1000, R 8, Fmax 5000, Passo 50.
constexpr double kFo = 1000;
constexpr double kR = 8;
constexpr double kFmax = 5000;
constexpr double kPasso = 50;
constexpr std::size_t kSweptPoints = 100;

// Nothing is drawn after the sweep and no control stands on the chart, so every point must show.
constexpr std::size_t kPointsRequired = kSweptPoints;

// How many offending pixels a failure lists.
constexpr std::size_t kListed = 20;

struct Rgb {
    int r;
    int g;
    int b;
    bool operator==(const Rgb&) const = default;
};

constexpr Rgb kPureBlue{0, 0, 255};
constexpr Rgb kPureBlack{0, 0, 0};

std::string Describe(Pixel pixel, Rgb colour) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d, %d) is rgb(%d, %d, %d)", pixel.first, pixel.second,
                  colour.r, colour.g, colour.b);
    return text;
}

// The client-area pixel a twip coordinate lands on, as the sweep and the raster surface place it:
// the sweep hands single-precision twips to the surface, which floors twips / 15.
std::optional<int> TwipsToPixel(double twips) {
    if (!std::isfinite(twips) || std::fabs(twips) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    const double pixel =
        std::floor(static_cast<double>(static_cast<float>(twips)) / lchp::kTwipsPerPixel);
    if (!(pixel >= 0 && pixel <= 1e6)) {
        return std::nullopt;
    }
    return static_cast<int>(pixel);
}

// Every swept point, in sweep order; empty with a message when the core gives a point that the
// window could not show, since the comparison would then mean nothing.
std::vector<Point> ExpectedPoints() {
    lchp::FilterState state;
    state.Fo = kFo;
    state.R = kR;
    state.Rt = lchp::TypeResistance(state.R, "Butterworth");
    const lchp::Design design = lchp::DesignValues(state.Fo, state.Rt);
    state.L = design.L;
    state.C = design.C;
    state.Fmax = kFmax;
    state.Passo = kPasso;
    state.Cells = 1;

    std::vector<Point> points;
    bool drawable = true;
    lchp::FrequencySweep(state.Fmax, state.Passo, [&](double f) {
        const lchp::Complex H = lchp::CellResponse(f, state.R, state.L, state.C);
        const double dB = lchp::AmplitudeDb(H, state.Cells);
        const std::optional<int> column = TwipsToPixel(lchp::ChartX(f, state.Fmax));
        const std::optional<int> row = TwipsToPixel(lchp::LevelY(dB));
        if (!column || !row || *column > kChartRight || *row > kChartBottom) {
            std::fprintf(stderr, "e2e: the core puts f = %g Hz (%g dB) off the chart\n", f, dB);
            drawable = false;
            return;
        }
        points.push_back({f, {*column, *row}});
    });
    if (drawable && points.size() != kSweptPoints) {
        std::fprintf(stderr, "e2e: the core sweeps %zu points, not %zu\n", points.size(),
                     kSweptPoints);
        drawable = false;
    }
    return drawable ? points : std::vector<Point>{};
}

// The frame lines the grid ends with: bottom, left and middle.
std::vector<Pixel> FramePixels() {
    std::vector<Pixel> pixels;
    for (int column = 0; column <= kChartRight; ++column) {
        pixels.emplace_back(column, kChartBottom);
    }
    for (int row = 0; row <= kChartBottom; ++row) {
        pixels.emplace_back(0, row);
        pixels.emplace_back(kMiddleColumn, row);
    }
    return pixels;
}

class Screen {
public:
    Screen(QImage image, int originX, int originY)
        : image_(std::move(image)), originX_(originX), originY_(originY) {}

    bool Covers(Pixel pixel) const {
        return image_.valid(originX_ + pixel.first, originY_ + pixel.second);
    }
    Rgb At(Pixel pixel) const {
        const QRgb rgb = image_.pixel(originX_ + pixel.first, originY_ + pixel.second);
        return {qRed(rgb), qGreen(rgb), qBlue(rgb)};
    }

private:
    QImage image_;
    int originX_;
    int originY_;
};

struct Verdict {
    bool passed = false;
    std::vector<std::string> lines;
    std::size_t bluePoints = 0;
};

// The frame is what proves that the grab shows the chart where the client area is said to start;
// a point may cover it.
void CheckFrame(const Screen& screen, const std::set<Pixel>& points, Verdict& verdict) {
    std::size_t wrong = 0;
    for (const Pixel& pixel : FramePixels()) {
        if (points.contains(pixel)) {
            continue;
        }
        const Rgb colour = screen.At(pixel);
        if (!(colour == kPureBlack)) {
            if (++wrong <= kListed) {
                verdict.lines.push_back("frame pixel " + Describe(pixel, colour) +
                                        ", expected black");
            }
        }
    }
    if (wrong > 0) {
        verdict.lines.push_back(std::to_string(wrong) +
                                " frame pixels are not black: the chart is not painted where the "
                                "client area is said to start");
    }
}

// Pure blue that no point explains is a point drawn where the core does not put it.
void CheckStrayBlue(const Screen& screen, const std::set<Pixel>& points, Verdict& verdict) {
    std::size_t stray = 0;
    for (int row = 0; row <= kChartBottom; ++row) {
        for (int column = 0; column <= kChartRight; ++column) {
            const Pixel pixel{column, row};
            if (!points.contains(pixel) && screen.At(pixel) == kPureBlue) {
                if (++stray <= kListed) {
                    verdict.lines.push_back("unexpected blue pixel " +
                                            Describe(pixel, screen.At(pixel)));
                }
            }
        }
    }
    if (stray > 0) {
        verdict.lines.push_back(std::to_string(stray) +
                                " blue pixels in the chart where the core puts no point");
    }
}

Verdict Judge(const Screen& screen, bool expectCurve, const std::vector<Point>& expected) {
    Verdict verdict;
    if (!screen.Covers({0, 0}) || !screen.Covers({kChartRight, kChartBottom})) {
        verdict.lines.push_back("the chart does not fit on the grabbed screen");
        return verdict;
    }
    std::set<Pixel> points;
    if (expectCurve) {
        for (const Point& point : expected) {
            points.insert(point.pixel);
        }
    }
    CheckFrame(screen, points, verdict);
    CheckStrayBlue(screen, points, verdict);
    if (expectCurve) {
        std::size_t missing = 0;
        for (const Point& point : expected) {
            const Rgb colour = screen.At(point.pixel);
            if (colour == kPureBlue) {
                ++verdict.bluePoints;
            } else if (++missing <= kListed) {
                char f[32];
                std::snprintf(f, sizeof f, "%g", point.f);
                verdict.lines.push_back(std::string("point at f = ") + f + " Hz: " +
                                        Describe(point.pixel, colour) + ", expected blue");
            }
        }
        if (verdict.bluePoints < kPointsRequired) {
            verdict.lines.push_back(std::to_string(verdict.bluePoints) + " of " +
                                    std::to_string(expected.size()) +
                                    " points are blue where the core puts them");
        }
    }
    verdict.passed = verdict.lines.empty();
    return verdict;
}

struct Options {
    bool expectCurve = false;
    bool modeGiven = false;
    int originX = -1;
    int originY = -1;
    QString png;
    int waitMs = 5000;
};

std::optional<int> ReadInt(const char* text) {
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < 0 || value > 100000) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::optional<Options> ReadOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--expect-empty" || arg == "--expect-curve") {
            options.expectCurve = arg == "--expect-curve";
            options.modeGiven = true;
        } else if (arg == "--origin" && i + 2 < argc) {
            const std::optional<int> x = ReadInt(argv[++i]);
            const std::optional<int> y = ReadInt(argv[++i]);
            if (!x || !y) {
                return std::nullopt;
            }
            options.originX = *x;
            options.originY = *y;
        } else if (arg == "--png" && i + 1 < argc) {
            options.png = QString::fromLocal8Bit(argv[++i]);
        } else if (arg == "--wait-ms" && i + 1 < argc) {
            const std::optional<int> ms = ReadInt(argv[++i]);
            if (!ms) {
                return std::nullopt;
            }
            options.waitMs = *ms;
        } else {
            return std::nullopt;
        }
    }
    if (!options.modeGiven || options.originX < 0 || options.png.isEmpty()) {
        return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    const std::optional<Options> options = ReadOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr,
                     "usage: %s --expect-empty|--expect-curve --origin X Y --png PATH "
                     "[--wait-ms N]\n",
                     argv[0]);
        return 2;
    }
    // An offscreen grab is a blank image: it would say nothing about the window.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "e2e: the checker needs the xcb platform, it runs on %s\n",
                     qPrintable(QGuiApplication::platformName()));
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->devicePixelRatio() != 1.0) {
        std::fprintf(stderr, "e2e: the screen must map one logical pixel to one device pixel\n");
        return 2;
    }
    const std::vector<Point> expected = ExpectedPoints();
    if (expected.empty()) {
        return 2;
    }

    QElapsedTimer clock;
    clock.start();
    Verdict verdict;
    QImage last;
    for (;;) {
        last = screen->grabWindow(0).toImage();
        verdict =
            Judge(Screen(last, options->originX, options->originY), options->expectCurve, expected);
        if (verdict.passed || clock.elapsed() >= options->waitMs) {
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!last.save(options->png, "PNG")) {
        std::fprintf(stderr, "e2e: could not save the grab to %s\n", qPrintable(options->png));
    }

    const char* what = options->expectCurve ? "the amplitude curve" : "the empty chart";
    if (!verdict.passed) {
        std::fprintf(stderr, "e2e: %s is not on the screen after %lld ms (grab: %s)\n", what,
                     static_cast<long long>(clock.elapsed()), qPrintable(options->png));
        for (const std::string& line : verdict.lines) {
            std::fprintf(stderr, "  %s\n", line.c_str());
        }
        return 1;
    }
    if (options->expectCurve) {
        std::printf("e2e: %zu of %zu blue points where the core puts them\n", verdict.bluePoints,
                    expected.size());
    } else {
        std::printf("e2e: the grid is drawn and the chart has no blue pixel\n");
    }
    return 0;
}
