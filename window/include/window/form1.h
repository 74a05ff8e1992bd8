#pragma once

#include "filter/filter_state.h"

#include <QWidget>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lchp {

class ClientArea;
class SweepProgress;

// The program's one window: four text boxes and two selectors in, L, C and Fmax out, and the
// chart on which the amplitude and phase curves are plotted.
class Form1 final : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void SetTabOrder();
    // Beyond the original handlers: Enter plots, chart read-out, copying to the clipboard.
    void AddConveniences();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Form_Paint();

    // Runs a sweep with progress and cancel, then shows the finished chart.
    void RunSweep(const std::function<void(SweepProgress&)>& sweep);

    FilterState state_;
    ClientArea* client_ = nullptr;
    bool sweeping_ = false;
    bool closeAfterSweep_ = false;
    std::function<void()> cancelSweep_;

    QLineEdit* Text1 = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text3 = nullptr;
    QLineEdit* Text4 = nullptr;
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label16 = nullptr;
};

} // namespace lchp
