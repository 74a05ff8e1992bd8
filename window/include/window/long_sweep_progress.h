#pragma once

#include "chart/sweeps.h"

#include <QElapsedTimer>
#include <memory>

class QProgressDialog;
class QWidget;

namespace lchp {

// Keeps the window alive during a long sweep. Once a sweep has run for 0.3 s it shows a
// window-modal "Calcolo in corso…" dialog with "Annulla" (Esc works too), lets the chart show the
// points drawn so far and delivers events about every 25 ms; the modal dialog keeps every other
// handler from starting meanwhile. The sweep stops at the next check after a cancel.
class LongSweepProgress final : public SweepProgress {
public:
    LongSweepProgress(QWidget* window, QWidget* chart);
    ~LongSweepProgress() override;
    LongSweepProgress(const LongSweepProgress&) = delete;
    LongSweepProgress& operator=(const LongSweepProgress&) = delete;

    bool Proceed(std::uint64_t pointsDone, double pointsExpected) override;

    // Stops the sweep at its next check, as "Annulla" does.
    void Cancel() { cancelled_ = true; }

private:
    void ShowDialog();

    QWidget* window_;
    QWidget* chart_;
    QElapsedTimer clock_;
    qint64 lastEvents_ = 0;
    bool cancelled_ = false;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace lchp
