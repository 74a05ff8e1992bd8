#pragma once

#include "filter/filter_state.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace lchp {

class ClientArea;
class SweepProgress;

// Taking results away without writing a file: the chart as an image, the stored design's sweep
// as tab-separated text and its values, each to the clipboard. A context menu on the chart offers
// them, and so do shortcuts anywhere in the window.
class ChartActions final : public QObject {
    Q_OBJECT

public:
    // Runs a cancellable sweep the way the window runs its own, so that nothing else starts.
    using SweepRunner = std::function<void(const std::function<void(SweepProgress&)>&)>;

    ChartActions(QWidget* window, ClientArea* client, const FilterState& state,
                 SweepRunner runSweep);

    void CopyChart();
    void CopyData();
    void CopyValues();

private:
    void ShowMenu(const QPoint& where);
    // A design exists once an amplitude click has stored L and C.
    bool HasDesign() const;
    bool HasSweep() const;

    QWidget* window_;
    ClientArea* client_;
    const FilterState& state_;
    SweepRunner runSweep_;
    QAction* copyChart_;
    QAction* copyData_;
    QAction* copyValues_;
};

} // namespace lchp
