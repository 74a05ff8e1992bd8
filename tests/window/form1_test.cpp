// The window driven as a person would: typing into its boxes, clicking its buttons, looking at the
// chart's pixels. Runs on the offscreen platform.

#include "chart/grid.h"
#include "chart/raster_surface.h"
#include "chart/sweeps.h"
#include "filter/design.h"
#include "recording_surface.h"
#include "window/form1.h"
#include "worked_design.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSet>
#include <QTimer>
#include <QToolTip>
#include <QtTest>
#include <atomic>
#include <chrono>
#include <cmath>
#include <memory>
#include <thread>

using namespace lchp;

namespace {

constexpr QRgb kBluePixel = qRgb(0, 0, 255);
constexpr QRgb kRedPixel = qRgb(255, 0, 0);
// The chart rectangle (0, 0) to (9200, 6400) twips, in pixels.
const QRect kChartPixels(0, 0, 614, 427);

using PixelSet = QSet<QPair<int, int>>;

// Where the core puts the points of a sweep, as pixels.
PixelSet ExpectedPixels(FilterState state, bool phase, const std::string& cells = "") {
    RecordingSurface recorder;
    if (phase) {
        PhaseSweep(state, recorder);
    } else {
        AmplitudeSweep(state, recorder, cells);
    }
    PixelSet pixels;
    for (const auto& point : recorder.Points()) {
        const double px = std::floor(point.x1 / kTwipsPerPixel);
        const double py = std::floor(point.y1 / kTwipsPerPixel);
        if (px >= 0 && px < kChartPixels.width() && py >= 0 && py < kChartPixels.height()) {
            pixels.insert({static_cast<int>(px), static_cast<int>(py)});
        }
    }
    return pixels;
}

PixelSet GridPixels() {
    RasterSurface grid(kChartPixels.width(), kChartPixels.height(), 0xFFFFFF);
    DrawGrid(grid);
    PixelSet pixels;
    for (int y = 0; y < grid.Height(); ++y) {
        for (int x = 0; x < grid.Width(); ++x) {
            if (grid.PixelAt(x, y) != 0xFFFFFF) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

std::int64_t SteadyNowUs() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsStandWhereTheyShould_data();
    void controlsStandWhereTheyShould();
    void labelColoursAndFonts();
    void startsEmptyWithFocusInFo();
    void tabVisitsTheControlsInOrder();

    void amplitudeClick_data();
    void amplitudeClick();
    void twoCurvesStayUntilReset();
    void phaseUsesTheStoredDesign();
    void phaseAfterAStopOnFoUsesTheNewResistance();
    void phaseAfterPassoZeroPlotsNothing();
    void longCaptionsWidenTheLabel();
    void longSweepCancelsAndLeavesTheWindowUsable();

    void smallWindowScrollsAndKeepsTheCurves();
    void hostileInputLeavesTheWindowUsable_data();
    void hostileInputLeavesTheWindowUsable();

    void enterInATextBoxPlots();
    void readoutOnTheChart();
    void componentValuesInEngineeringNotation();
    void copiesReachTheClipboard();
    void chartMenuOffersTheCopies();
    void copyKeepsItsMeaningInATextBoxWithASelection();

private:
    template <typename T> T* Control(const char* name) {
        auto* control = form_->findChild<T*>(QLatin1String(name));
        if (control == nullptr) {
            qFatal("no control %s", name);
        }
        return control;
    }
    void Type(const char* box, const QString& text);
    void TypeSelector(const char* combo, const QString& text);
    void Click(const char* button);
    QImage Chart();
    PixelSet PixelsOf(QRgb colour);
    void Design(const QString& Fo, const QString& R, const QString& Fmax, const QString& Passo);
    // Clicks a button and presses Esc on the progress dialog as soon as it shows; returns the
    // milliseconds from the key press to the end of the click, or a negative number when no
    // dialog showed.
    double ClickAndCancel(const char* button);

    std::unique_ptr<Form1> form_;
};

void Form1Test::init() {
    form_ = std::make_unique<Form1>();
    form_->resize(1000, 740);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
}

void Form1Test::cleanup() {
    form_.reset();
}

void Form1Test::Type(const char* box, const QString& text) {
    auto* edit = Control<QLineEdit>(box);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Form1Test::TypeSelector(const char* combo, const QString& text) {
    QLineEdit* edit = Control<QComboBox>(combo)->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void Form1Test::Click(const char* button) {
    QTest::mouseClick(Control<QPushButton>(button), Qt::LeftButton);
}

QImage Form1Test::Chart() {
    return Control<QWidget>("ClientArea")
        ->grab(kChartPixels)
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

PixelSet Form1Test::PixelsOf(QRgb colour) {
    const QImage chart = Chart();
    PixelSet pixels;
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            if (chart.pixel(x, y) == colour) {
                pixels.insert({x, y});
            }
        }
    }
    return pixels;
}

void Form1Test::Design(const QString& Fo, const QString& R, const QString& Fmax,
                       const QString& Passo) {
    Type("Text1", Fo);
    Type("Text2", R);
    Type("Text3", Fmax);
    Type("Text4", Passo);
}

void Form1Test::controlsStandWhereTheyShould_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // pixels; an empty size means the label fits its caption
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, QRect geometry, const char* text) {
        QTest::newRow(name) << QString::fromLatin1(name) << geometry << QString::fromUtf8(text);
    };
    row("Combo2", {688, 32, 105, 21}, "Singola cellula");
    row("Combo1", {813, 32, 105, 21}, "Butterworth");
    row("Command1", {880, 368, 105, 41}, "Ampiezza");
    row("Command2", {880, 448, 105, 41}, "Fase per cellula");
    row("Command3", {888, 536, 105, 41}, "Reset");
    row("Text1", {848, 112, 65, 25}, "");
    row("Text2", {848, 152, 65, 25}, "");
    row("Text3", {856, 264, 65, 25}, "");
    row("Text4", {856, 304, 65, 25}, "");
    row("Image1", {40, 496, 495, 231}, "");
    row("Label1", {920, 120, 0, 0}, "Fo");
    row("Label2", {928, 160, 0, 0}, "R");
    row("Label3", {816, 200, 0, 0}, "L  (HY)");
    row("Label4", {816, 240, 0, 0}, "C (F)");
    row("Label5", {920, 272, 41, 25}, "Fmax");
    row("Label6", {928, 304, 0, 0}, "passo");
    row("Label7", {896, 168, 9, 1}, "Label7");
    row("Label8", {760, 200, 41, 25}, "L ( Hy)");
    row("Label9", {768, 240, 33, 17}, "C (F)");
    row("Label10", {584, 432, 0, 0}, "Freq.max");
    row("Label11", {616, 8, 0, 0}, "Att. 0dB");
    row("Label12", {616, 416, 0, 0}, "Att. -40 dB");
    row("Label13", {672, 8, 0, 0}, "Fase 20°/div.");
    row("Label14", {688, 416, 0, 0}, "Fase 0°");
    row("Label15", {8, 456, 0, 0}, "Filtri passa alto tipo  Butterworth / Chebyschev.");
    row("Label16", {592, 448, 0, 0}, "");
    row("Label17", {824, 16, 0, 0}, "Passa alto tipo:");
}

void Form1Test::controlsStandWhereTheyShould() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    auto* control = form_->findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->pos(), geometry.topLeft());
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && geometry.isEmpty()) {
        QCOMPARE(control->size(), label->sizeHint());
    } else {
        QCOMPARE(control->size(), geometry.size());
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        QVERIFY(combo->isEditable());
        QCOMPARE(combo->currentText(), text);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->text(), text);
    } else if (auto* label = qobject_cast<QLabel*>(control); label && name != "Image1") {
        QCOMPARE(label->text(), text);
    }
    const QRect chart = kChartPixels.adjusted(0, 0, -1, -1);
    QVERIFY2(!control->geometry().intersects(chart), "overlaps the chart");
}

void Form1Test::labelColoursAndFonts() {
    struct Row {
        const char* name;
        double points;
        bool bold;
        QColor colour;
    };
    const Row rows[] = {
        {"Label11", 9.75, true, Qt::blue}, {"Label12", 8.25, true, Qt::blue},
        {"Label13", 8.25, true, Qt::red},  {"Label14", 8.25, true, Qt::red},
        {"Label15", 18, true, Qt::black},  {"Label16", 8.25, false, Qt::black},
        {"Command1", 12, true, QColor()},  {"Command2", 9.75, true, QColor()},
        {"Text1", 8.25, true, QColor()},   {"Label7", 8.25, false, Qt::black},
    };
    for (const Row& row : rows) {
        auto* control = Control<QWidget>(row.name);
        QCOMPARE(control->font().pointSizeF(), row.points);
        QCOMPARE(control->font().weight(), row.bold ? QFont::Bold : QFont::Normal);
        QCOMPARE(control->font().families().value(0), QStringLiteral("MS Sans Serif"));
        if (row.colour.isValid()) {
            QCOMPARE(control->palette().color(QPalette::WindowText), row.colour);
        }
    }
}

void Form1Test::startsEmptyWithFocusInFo() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Form1"));
    QVERIFY(!form_->windowIcon().isNull());
    QCOMPARE(QApplication::focusWidget(), Control<QWidget>("Text1"));
    QCOMPARE(Control<QLabel>("Label16")->text(), QString());
    QVERIFY(PixelsOf(kBluePixel).isEmpty());
    // The empty grid is there from the start: the frame's bottom-left corner is black.
    QCOMPARE(Chart().pixel(0, 426), qRgb(0, 0, 0));
}

void Form1Test::tabVisitsTheControlsInOrder() {
    const char* order[] = {"Text2",  "Text3",    "Text4",  "Command1", "Command2",
                           "Combo1", "Command3", "Combo2", "Text1"};
    for (const char* name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QWidget* expected = Control<QWidget>(name);
        QVERIFY2(focus == expected || focus->parentWidget() == expected, name);
    }
}

void Form1Test::amplitudeClick_data() {
    QTest::addColumn<QStringList>("texts");    // Text1 to Text4, Combo1, Combo2
    QTest::addColumn<QStringList>("captions"); // Label3, Label4, Label16
    QTest::addColumn<int>("bluePixels");

    const QString L = QStringLiteral("0.0012738853503184713");
    const QString C = QStringLiteral("9.952229299363057e-06");
    QTest::newRow("worked design")
        << QStringList{"1000", "8", "5000", "50", "Butterworth", "Singola cellula"}
        << QStringList{L, C, "5000"} << 100;
    QTest::newRow("Chebyschev") << QStringList{"1000", "8",          "5000",
                                               "500",  "Chebyschev", "Doppia-cellula"}
                                << QStringList{"0.0006369426751592356", "1.9904458598726114e-05",
                                               "5000"}
                                << 10;
    QTest::newRow("Passo zero") << QStringList{"1000", "8", "5000", "0", "Butterworth", ""}
                                << QStringList{L, C, "5000"} << 0;
    QTest::newRow("Fmax empty") << QStringList{"1000", "8", "", "50", "Butterworth", ""}
                                << QStringList{L, C, "0"} << 0;
    QTest::newRow("Fo empty") << QStringList{"", "8", "5000", "50", "Butterworth", ""}
                              << QStringList{"L  (HY)", "C (F)", ""} << 0;
    QTest::newRow("R not a number") << QStringList{"1000", "ohm", "5000", "50", "Butterworth", ""}
                                    << QStringList{"L  (HY)", "C (F)", ""} << 0;
    QTest::newRow("type typed in other case")
        << QStringList{"1000", "8", "5000", "50", "chebyschev", ""} << QStringList{L, C, "5000"}
        << 100;
    QTest::newRow("design values overflow")
        << QStringList{"1e-308", "1e308", "5000", "50", "Butterworth", ""}
        << QStringList{"infinito", "0.07961783439490447", "5000"} << 0;
}

void Form1Test::amplitudeClick() {
    QFETCH(QStringList, texts);
    QFETCH(QStringList, captions);
    QFETCH(int, bluePixels);
    Design(texts[0], texts[1], texts[2], texts[3]);
    TypeSelector("Combo1", texts[4]);
    TypeSelector("Combo2", texts[5]);
    Click("Command1");
    QCOMPARE(Control<QLabel>("Label3")->text(), captions[0]);
    QCOMPARE(Control<QLabel>("Label4")->text(), captions[1]);
    QCOMPARE(Control<QLabel>("Label16")->text(), captions[2]);
    QCOMPARE(PixelsOf(kBluePixel).size(), bluePixels);
}

void Form1Test::twoCurvesStayUntilReset() {
    Design("1000", "8", "5000", "50");
    Click("Command1");
    TypeSelector("Combo2", "Doppia-cellula");
    Click("Command1");
    // The second click draws the grid over the first curve before it plots its own.
    FilterState state = ButterworthState(1000, 8, 5000, 50);
    const PixelSet both = (ExpectedPixels(state, false, "Singola cellula") - GridPixels()) +
                          ExpectedPixels(state, false, "Doppia-cellula");
    QCOMPARE(PixelsOf(kBluePixel), both);
    Click("Command3");
    QVERIFY(PixelsOf(kBluePixel).isEmpty());
    QCOMPARE(Chart().pixel(0, 426), qRgb(0, 0, 0));
    QCOMPARE(Control<QLabel>("Label16")->text(), QStringLiteral("5000"));
}

void Form1Test::phaseUsesTheStoredDesign() {
    Design("1000", "8", "5000", "50");
    Click("Command1");
    Type("Text1", "2000");
    Type("Text3", "9000");
    Click("Command2");
    QCOMPARE(PixelsOf(kRedPixel), ExpectedPixels(ButterworthState(1000, 8, 5000, 50), true));
}

void Form1Test::phaseAfterAStopOnFoUsesTheNewResistance() {
    Design("1000", "8", "5000", "50");
    Click("Command1");
    Click("Command3");
    Type("Text1", "");
    Type("Text2", "16");
    Click("Command1");
    QCOMPARE(Control<QLabel>("Label3")->text(), QStringLiteral("0.0012738853503184713"));
    QVERIFY(PixelsOf(kBluePixel).isEmpty());
    Click("Command2");
    FilterState state = ButterworthState(1000, 8, 5000, 50);
    state.R = 16;
    QCOMPARE(PixelsOf(kRedPixel), ExpectedPixels(state, true));
}

void Form1Test::phaseAfterPassoZeroPlotsNothing() {
    Design("1000", "8", "5000", "0");
    Click("Command1");
    Click("Command2");
    QVERIFY(PixelsOf(kRedPixel).isEmpty());
    QVERIFY(PixelsOf(kBluePixel).isEmpty());
}

void Form1Test::longCaptionsWidenTheLabel() {
    auto* label = Control<QLabel>("Label3");
    const QPoint where = label->pos();
    const int before = label->width();
    Design("3", "7", "5000", "0");
    Click("Command1");
    QVERIFY(label->text().size() > 15);
    QCOMPARE(label->pos(), where);
    QVERIFY(label->width() > before);
}

double Form1Test::ClickAndCancel(const char* button) {
    // Esc arrives from another thread at a moment of its own, as a key press does.
    QPointer<QProgressDialog> dialog;
    std::thread presser;
    std::atomic<std::int64_t> pressedAt{0};
    QTimer poll;
    poll.setInterval(20);
    connect(&poll, &QTimer::timeout, this, [&] {
        if (presser.joinable()) {
            return;
        }
        dialog = form_->findChild<QProgressDialog*>(QStringLiteral("SweepProgress"));
        if (dialog == nullptr || !dialog->isVisible() ||
            dialog->labelText() != QStringLiteral("Calcolo in corso…")) {
            return;
        }
        QWidget* target = dialog;
        presser = std::thread([target, &pressedAt] {
            std::this_thread::sleep_for(std::chrono::milliseconds(137));
            pressedAt = SteadyNowUs();
            QCoreApplication::postEvent(target,
                                        new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
        });
    });
    poll.start();
    Click(button);
    const std::int64_t returnedAt = SteadyNowUs();
    poll.stop();
    if (!presser.joinable()) {
        return -1;
    }
    presser.join();
    return static_cast<double>(returnedAt - pressedAt) / 1000;
}

void Form1Test::longSweepCancelsAndLeavesTheWindowUsable() {
    // 10^9 points would take minutes.
    Design("1000", "8", "1000000000", "1");
    const double amplitudeMs = ClickAndCancel("Command1");
    QVERIFY2(amplitudeMs >= 0, "no progress dialog");
    const double phaseMs = ClickAndCancel("Command2");
    QVERIFY2(phaseMs >= 0, "no progress dialog");
    qInfo("10^9-point sweeps returned %.1f ms (amplitude) and %.1f ms (phase) after Esc",
          amplitudeMs, phaseMs);
    // Stopped early: the points reached only the left end of the chart.
    int rightmost = -1;
    for (const auto& pixel : PixelsOf(kBluePixel)) {
        rightmost = std::max(rightmost, pixel.first);
    }
    QVERIFY(rightmost >= 0);
    QVERIFY2(rightmost < kChartPixels.width() / 2, "the sweep ran on after the cancel");
    QVERIFY(!PixelsOf(kRedPixel).isEmpty());

    Click("Command3");
    Design("1000", "8", "5000", "50");
    Click("Command1");
    QCOMPARE(PixelsOf(kBluePixel).size(), 100);
}

void Form1Test::smallWindowScrollsAndKeepsTheCurves() {
    Design("1000", "8", "5000", "50");
    Click("Command1");
    auto* client = Control<QWidget>("ClientArea");
    form_->resize(400, 300);
    QTRY_COMPARE(form_->size(), QSize(400, 300));
    QCOMPARE(client->size(), QSize(993, 727)); // scrolled, not squeezed
    QCOMPARE(Control<QWidget>("Command3")->pos(), QPoint(888, 536));
    form_->resize(1400, 900);
    QTRY_COMPARE(client->width(), 1400);
    // What was drawn stays, as on a screen; only the new area starts blank.
    QCOMPARE(PixelsOf(kBluePixel).size(), 100);
}

void Form1Test::hostileInputLeavesTheWindowUsable_data() {
    QTest::addColumn<QStringList>("texts"); // Text1 to Text4
    QTest::addColumn<bool>("cancel");       // the sweep is too long to wait for

    const auto row = [](const char* name, QStringList texts, bool cancel = false) {
        QTest::newRow(name) << texts << cancel;
    };
    row("Fo 1e308", {"1e308", "8", "5000", "50"});
    row("R -1e308", {"1000", "-1e308", "5000", "50"});
    row("Fo denormal", {"1e-320", "8", "5000", "50"});
    row("R denormal", {"1000", "1e-320", "5000", "50"});
    row("Fo minus zero", {"-0", "8", "5000", "50"});
    row("Fmax beyond the range", {"1000", "8", "1e999", "50"});
    row("Passo beyond the range", {"1000", "8", "5000", "-1e999"});
    row("forty digits", {"1234567890123456789012345678901234567890", "8",
                         "1234567890123456789012345678901234567890", "1e38"});
    row("blanks", {"   ", " ", "\t", "  "});
    row("letters after numbers", {"1000Hz", "8ohm", "5e3x", "50 Hz"});
    row("not numbers", {"nan", "inf", "0x10", "-infinity"});
    row("f reaches 0 on a negative step", {"1000", "8", "-2", "-0.5"});
    row("tiny negative Fmax", {"1000", "8", "-1e-300", "-1"});
    row("Fmax at the float limit", {"1000", "8", "3.5e38", "1e37"});
    row("Passo tiny against Fmax", {"1000", "8", "5000", "1e-9"}, true);
    row("Passo lost in the rounding of f", {"1000", "8", "1e300", "1"}, true);
    for (int signs = 0; signs < 16; ++signs) {
        const auto sign = [&](int bit, const char* value) {
            return QString::fromLatin1((signs >> bit) & 1 ? "-" : "") + QLatin1String(value);
        };
        const QStringList texts{sign(0, "1000"), sign(1, "8"), sign(2, "5000"), sign(3, "50")};
        QTest::newRow(qPrintable(QStringLiteral("signs ") + texts.join(QLatin1Char(' '))))
            << texts << false;
    }
}

void Form1Test::hostileInputLeavesTheWindowUsable() {
    QFETCH(QStringList, texts);
    QFETCH(bool, cancel);
    Design(texts[0], texts[1], texts[2], texts[3]);
    if (cancel) {
        QVERIFY2(ClickAndCancel("Command1") >= 0, "no progress dialog");
        QVERIFY2(ClickAndCancel("Command2") >= 0, "no progress dialog");
    } else {
        Click("Command1");
        Click("Command2");
    }
    for (const char* name : {"Label3", "Label4"}) {
        const QString caption = Control<QLabel>(name)->text();
        QVERIFY2(!caption.isEmpty(), name);
    }
    Click("Command3");
    Design("1000", "8", "5000", "50");
    TypeSelector("Combo1", "Butterworth");
    Click("Command1");
    QCOMPARE(PixelsOf(kBluePixel), ExpectedPixels(ButterworthState(1000, 8, 5000, 50), false));
    QCOMPARE(Control<QLabel>("Label3")->text(), QStringLiteral("0.0012738853503184713"));
}

void Form1Test::enterInATextBoxPlots() {
    Design("1000", "8", "5000", "50");
    QTest::keyClick(Control<QLineEdit>("Text4"), Qt::Key_Return);
    QCOMPARE(PixelsOf(kBluePixel).size(), 100);
    Click("Command3");
    QTest::keyClick(Control<QLineEdit>("Text1"), Qt::Key_Enter);
    QCOMPARE(PixelsOf(kBluePixel).size(), 100);
}

void Form1Test::readoutOnTheChart() {
    auto* client = Control<QWidget>("ClientArea");
    const QPoint where(122, 100); // 1830 twips across: 994.6 Hz with Fmax 5000
    const auto tooltipAt = [&](QPoint point) {
        QHelpEvent help(QEvent::ToolTip, point, client->mapToGlobal(point));
        QApplication::sendEvent(client, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(tooltipAt(where), QString()); // no design yet

    Design("1000", "8", "5000", "50");
    Click("Command1");
    QCOMPARE(tooltipAt(where), QStringLiteral("f = 995 Hz · 1 cellula −9,10 dB · "
                                              "2 cellule −12,2 dB · fase 135,8°"));
    tooltipAt(QPoint(700, 100)); // right of the chart
    QTRY_VERIFY(!QToolTip::isVisible());
}

void Form1Test::componentValuesInEngineeringNotation() {
    Design("1000", "8", "5000", "50");
    Click("Command1");
    QCOMPARE(Control<QLabel>("Label3")->toolTip(),
             QStringLiteral("L = 1,274 mH\nE12: 1,200 mH (−5,8 %)\nE24: 1,300 mH (+2,1 %)"));
    QCOMPARE(Control<QLabel>("Label4")->toolTip(),
             QStringLiteral("C = 9,952 µF\nE12: 10,00 µF (+0,5 %)\nE24: 10,00 µF (+0,5 %)"));
    // The captions themselves stay the plain conversion.
    QCOMPARE(Control<QLabel>("Label3")->text(), QStringLiteral("0.0012738853503184713"));
}

void Form1Test::copiesReachTheClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto* form = form_.get();
    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(clipboard->text(), QString()); // no design, nothing to copy

    Design("1000", "8", "5000", "500");
    Click("Command1");
    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->image().convertToFormat(QImage::Format_RGB32), Chart());

    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QStringList lines = clipboard->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines[0], QStringLiteral("f (Hz)\t1 cellula (dB)\t2 cellule (dB)\tfase (°)"));
    QVERIFY(lines[1].startsWith(QStringLiteral("1\t-40\t-40\t")));
    QVERIFY(lines[10].startsWith(QStringLiteral("4501\t")));

    QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("R = 8 Ω\nRt = 8 Ω\nL = 0.0012738853503184713 H\n"
                                               "C = 9.952229299363057e-06 F\n"));
}

void Form1Test::chartMenuOffersTheCopies() {
    Design("1000", "8", "5000", "500");
    Click("Command1");
    QGuiApplication::clipboard()->clear();
    QStringList offered;
    QTimer::singleShot(0, this, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        for (QAction* action : menu->actions()) {
            offered << action->text();
        }
        menu->actions().at(2)->trigger();
        menu->close();
    });
    auto* client = Control<QWidget>("ClientArea");
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(300, 200),
                              client->mapToGlobal(QPoint(300, 200)));
    QApplication::sendEvent(client, &request);
    QCOMPARE(offered, (QStringList{"Copia grafico", "Copia dati", "Copia valori"}));
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("R = 8 Ω\n")));
}

void Form1Test::copyKeepsItsMeaningInATextBoxWithASelection() {
    Design("1000", "8", "5000", "500");
    Click("Command1");
    auto* box = Control<QLineEdit>("Text3");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("5000"));
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(614, 427));
}

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
