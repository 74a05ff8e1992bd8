#include "window/form1.h"

#include "chart/grid.h"
#include "chart/readout.h"
#include "chart/sweeps.h"
#include "filter/amplitude_click.h"
#include "window/app_icon.h"
#include "window/chart_actions.h"
#include "window/client_area.h"
#include "window/controls.h"
#include "window/long_sweep_progress.h"
#include "window/twips.h"
#include "window/value_tooltip.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QSvgRenderer>
#include <QTimer>
#include <QVBoxLayout>

namespace lchp {

namespace {

// The controls need this much client area; a smaller window scrolls it.
constexpr QSize kClientSize = TwipRect(0, 0, 14895, 10905).size();
// The client area of the restored window.
constexpr QSize kRestoredSize = TwipRect(0, 0, 4680, 3195).size();

struct LabelRow {
    ControlLayout layout;
    const char* caption;
    Colour colour;
    bool autoSize;
};

// clang-format off
const LabelRow kLabels[] = {
    {{"Label1", 13800, 1800, 225, 195, 8.25, true}, "Fo", kBlack, true},
    {{"Label2", 13920, 2400, 150, 195, 8.25, true}, "R", kBlack, true},
    {{"Label3", 12240, 3000, 615, 195, 8.25, true}, "L  (HY)", kBlack, true},
    {{"Label4", 12240, 3600, 420, 195, 8.25, true}, "C (F)", kBlack, true},
    {{"Label5", 13800, 4080, 615, 375, 8.25, true}, "Fmax", kBlack, false},
    {{"Label6", 13920, 4560, 510, 195, 8.25, true}, "passo", kBlack, true},
    {{"Label7", 13440, 2520, 135, 15, 8.25, false}, "Label7", kBlack, false},
    {{"Label8", 11400, 3000, 615, 375, 8.25, true}, "L ( Hy)", kBlack, false},
    {{"Label9", 11520, 3600, 495, 255, 8.25, true}, "C (F)", kBlack, false},
    {{"Label10", 8760, 6480, 975, 240, 9.75, true}, "Freq.max", kBlack, true},
    {{"Label11", 9240, 120, 1050, 120, 9.75, true}, "Att. 0dB", kBlue, true},
    {{"Label12", 9240, 6240, 930, 195, 8.25, true}, "Att. -40 dB", kBlue, true},
    {{"Label13", 10080, 120, 1170, 195, 8.25, true}, "Fase 20°/div.", kRed, true},
    {{"Label14", 10320, 6240, 660, 195, 8.25, true}, "Fase 0°", kRed, true},
    {{"Label15", 120, 6840, 8220, 435, 18, true},
     "Filtri passa alto tipo  Butterworth / Chebyschev.", kBlack, true},
    {{"Label16", 8880, 6720, 45, 195, 8.25, false}, "", kBlack, true},
    {{"Label17", 12360, 240, 1335, 195, 8.25, true}, "Passa alto tipo:", kBlack, true},
};
// clang-format on

// The schematic at its natural 495 x 231 pixels, drawn sharp for the screen's pixel ratio.
QPixmap SchematicPicture(qreal pixelRatio) {
    const QSize size(495, 231);
    QPixmap picture(size * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QSvgRenderer(QStringLiteral(":/schematic.svg")).render(&painter, QRectF(QPointF(0, 0), size));
    return picture;
}

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}
std::string TextOf(const QComboBox* combo) {
    return combo->currentText().toStdString();
}

} // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Form1"));
    setWindowIcon(AppIcon());

    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    client_ = new ClientArea;
    client_->setObjectName(QStringLiteral("ClientArea"));
    client_->setMinimumSize(kClientSize);
    scroll->setWidget(client_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    BuildControls();
    SetTabOrder();
    AddConveniences();
    connect(client_, &ClientArea::exposed, this, &Form1::Form_Paint);
    resize(kRestoredSize);
    Text1->setFocus();
}

void Form1::BuildControls() {
    QWidget* area = client_;
    Combo2 = MakeComboBox(area, {"Combo2", 10320, 480, 1575, 315, 8.25, true},
                          {QStringLiteral("Singola-cellula"), QStringLiteral("Doppia-cellula")},
                          QStringLiteral("Singola cellula"));
    Combo1 = MakeComboBox(area, {"Combo1", 12195, 480, 1575, 315, 8.25, true},
                          {QStringLiteral("Butterworth"), QStringLiteral("Chebyschev")},
                          QStringLiteral("Butterworth"));
    Command1 = MakeButton(area, {"Command1", 13200, 5520, 1575, 615, 12, true},
                          QStringLiteral("Ampiezza"));
    Command2 = MakeButton(area, {"Command2", 13200, 6720, 1575, 615, 9.75, true},
                          QStringLiteral("Fase per cellula"));
    Command3 =
        MakeButton(area, {"Command3", 13320, 8040, 1575, 615, 12, true}, QStringLiteral("Reset"));
    Text1 = MakeTextBox(area, {"Text1", 12720, 1680, 975, 375, 8.25, true});
    Text2 = MakeTextBox(area, {"Text2", 12720, 2280, 975, 375, 8.25, true});
    Text3 = MakeTextBox(area, {"Text3", 12840, 3960, 975, 375, 8.25, true});
    Text4 = MakeTextBox(area, {"Text4", 12840, 4560, 975, 375, 8.25, true});

    auto* image = new QLabel(area);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(TwipRect(600, 7440, 7425, 3465));
    image->setPixmap(SchematicPicture(qApp->devicePixelRatio()));

    for (const LabelRow& row : kLabels) {
        QLabel* label =
            MakeLabel(area, row.layout, QString::fromUtf8(row.caption), row.colour, row.autoSize);
        const QString name = label->objectName();
        if (name == QLatin1String("Label3")) {
            Label3 = label;
        } else if (name == QLatin1String("Label4")) {
            Label4 = label;
        } else if (name == QLatin1String("Label16")) {
            Label16 = label;
        }
    }

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
}

void Form1::AddConveniences() {
    for (QLineEdit* box : {Text1, Text2, Text3, Text4}) {
        connect(box, &QLineEdit::returnPressed, Command1, &QPushButton::click);
        box->installEventFilter(this);
    }
    new ChartActions(this, client_, state_,
                     [this](const std::function<void(SweepProgress&)>& sweep) { RunSweep(sweep); });
    client_->SetReadout([this](double xTwips, double) {
        const auto readout = ChartReadout(state_, xTwips);
        return readout ? QString::fromStdString(*readout) : QString();
    });
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    // A text box claims Ctrl+C even with nothing selected; then it copies the chart instead.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* box = qobject_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        if (box != nullptr && !box->hasSelectedText() && key->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::SetTabOrder() {
    QWidget* const order[] = {Text1,    Text2,  Text3,    Text4, Command1,
                              Command2, Combo1, Command3, Combo2};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void Form1::Command1_Click() {
    if (sweeping_) {
        return;
    }
    const std::string Fo = TextOf(Text1);
    const std::string R = TextOf(Text2);
    const std::string Fmax = TextOf(Text3);
    const std::string Passo = TextOf(Text4);
    const std::string type = TextOf(Combo1);
    const DesignOutcome outcome = ReadDesign(state_, {Fo, R, Fmax, Passo, type});
    if (!outcome.designed) {
        return;
    }
    SetCaption(Label3, QString::fromStdString(outcome.L));
    SetCaption(Label4, QString::fromStdString(outcome.C));
    Label3->setToolTip(QString::fromStdString(ValueTooltip("L", state_.L, "H")));
    Label4->setToolTip(QString::fromStdString(ValueTooltip("C", state_.C, "F")));
    SetCaption(Label16, QString::fromStdString(outcome.Fmax));
    if (!outcome.sweep) {
        return;
    }
    DrawGrid(client_->Surface());
    // The modal progress dialog keeps the selector unchanged while the sweep runs.
    const std::string cells = TextOf(Combo2);
    RunSweep([&](SweepProgress& progress) {
        AmplitudeSweep(state_, client_->Surface(), cells, &progress);
    });
}

void Form1::Command2_Click() {
    if (sweeping_) {
        return;
    }
    RunSweep([&](SweepProgress& progress) { PhaseSweep(state_, client_->Surface(), &progress); });
}

void Form1::Command3_Click() {
    if (sweeping_) {
        return;
    }
    client_->Surface().Clear();
    DrawGrid(client_->Surface());
    client_->update();
}

void Form1::Form_Paint() {
    DrawGrid(client_->Surface());
    client_->update();
}

void Form1::RunSweep(const std::function<void(SweepProgress&)>& sweep) {
    LongSweepProgress progress(this, client_);
    sweeping_ = true;
    cancelSweep_ = [&progress] { progress.Cancel(); };
    sweep(progress);
    cancelSweep_ = nullptr;
    sweeping_ = false;
    client_->update();
    if (closeAfterSweep_) {
        QTimer::singleShot(0, this, &QWidget::close);
    }
}

void Form1::closeEvent(QCloseEvent* event) {
    // Closing in the middle of a sweep stops it first; the window closes once it has returned.
    if (sweeping_) {
        closeAfterSweep_ = true;
        cancelSweep_();
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace lchp
