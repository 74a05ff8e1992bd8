#include "window/long_sweep_progress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>

namespace lchp {

namespace {

constexpr qint64 kShowAfterMs = 300;
constexpr qint64 kEventSliceMs = 25;
constexpr int kSteps = 1000;

} // namespace

LongSweepProgress::LongSweepProgress(QWidget* window, QWidget* chart)
    : window_(window), chart_(chart) {
    clock_.start();
}

LongSweepProgress::~LongSweepProgress() = default;

bool LongSweepProgress::Proceed(std::uint64_t pointsDone, double pointsExpected) {
    const qint64 now = clock_.elapsed();
    if (cancelled_ || now - lastEvents_ < kEventSliceMs || now < kShowAfterMs) {
        return !cancelled_;
    }
    lastEvents_ = now;
    if (!dialog_) {
        ShowDialog();
    }
    const double done = pointsExpected > 0 ? static_cast<double>(pointsDone) / pointsExpected : 0;
    // The step count is an estimate: keep the bar short of full until the sweep really ends.
    dialog_->setValue(static_cast<int>(std::clamp(done, 0.0, 0.999) * kSteps));
    chart_->update();
    QCoreApplication::processEvents();
    return !cancelled_;
}

void LongSweepProgress::ShowDialog() {
    dialog_ = std::make_unique<QProgressDialog>(QStringLiteral("Calcolo in corso…"),
                                                QStringLiteral("Annulla"), 0, kSteps, window_);
    dialog_->setObjectName(QStringLiteral("SweepProgress"));
    dialog_->setWindowTitle(QStringLiteral("Calcolo in corso"));
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    // Esc rejects the dialog without the canceled() signal of its button: both stop the sweep.
    QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] { cancelled_ = true; });
    QObject::connect(dialog_.get(), &QDialog::rejected, [this] { cancelled_ = true; });
    dialog_->show();
}

} // namespace lchp
