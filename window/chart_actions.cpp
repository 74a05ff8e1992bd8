#include "window/chart_actions.h"

#include "chart/data_table.h"
#include "filter/number_text.h"
#include "window/client_area.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QWidget>
#include <utility>

namespace lchp {

namespace {

QAction* MakeAction(QWidget* window, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, window);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    window->addAction(action);
    return action;
}

QString ValueLine(const char* name, double value, const char* unit) {
    return QStringLiteral("%1 = %2 %3\n")
        .arg(QLatin1String(name), QString::fromStdString(NumberToText(value)),
             QString::fromUtf8(unit));
}

} // namespace

ChartActions::ChartActions(QWidget* window, ClientArea* client, const FilterState& state,
                           SweepRunner runSweep)
    : QObject(window), window_(window), client_(client), state_(state),
      runSweep_(std::move(runSweep)),
      copyChart_(MakeAction(window, QStringLiteral("Copia grafico"), QKeySequence::Copy)),
      copyData_(MakeAction(window, QStringLiteral("Copia dati"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))),
      copyValues_(MakeAction(window, QStringLiteral("Copia valori"),
                             QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C))) {
    copyChart_->setObjectName(QStringLiteral("CopyChart"));
    copyData_->setObjectName(QStringLiteral("CopyData"));
    copyValues_->setObjectName(QStringLiteral("CopyValues"));
    connect(copyChart_, &QAction::triggered, this, &ChartActions::CopyChart);
    connect(copyData_, &QAction::triggered, this, &ChartActions::CopyData);
    connect(copyValues_, &QAction::triggered, this, &ChartActions::CopyValues);
    client_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(client_, &QWidget::customContextMenuRequested, this, &ChartActions::ShowMenu);
}

void ChartActions::CopyChart() {
    QGuiApplication::clipboard()->setImage(client_->ChartImage());
}

void ChartActions::CopyData() {
    if (!HasSweep()) {
        return;
    }
    std::string table;
    TableResult result = TableResult::Cancelled;
    runSweep_([&](SweepProgress& progress) { result = SweepTable(state_, table, &progress); });
    if (result == TableResult::Complete) {
        QGuiApplication::clipboard()->setText(QString::fromStdString(table));
    } else if (result == TableResult::TooLarge) {
        auto* box = new QMessageBox(
            QMessageBox::Information, QStringLiteral("Copia dati"),
            QStringLiteral("Troppi punti da copiare: al massimo %L1 righe.").arg(kMaxTableRows),
            QMessageBox::Ok, window_);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

void ChartActions::CopyValues() {
    if (!HasDesign()) {
        return;
    }
    QGuiApplication::clipboard()->setText(
        ValueLine("R", state_.R, "Ω") + ValueLine("Rt", state_.Rt, "Ω") +
        ValueLine("L", state_.L, "H") + ValueLine("C", state_.C, "F"));
}

void ChartActions::ShowMenu(const QPoint& where) {
    if (!client_->ChartRect().contains(where)) {
        return;
    }
    copyData_->setEnabled(HasSweep());
    copyValues_->setEnabled(HasDesign());
    QMenu menu(client_);
    menu.setObjectName(QStringLiteral("ChartMenu"));
    menu.addActions({copyChart_, copyData_, copyValues_});
    menu.exec(client_->mapToGlobal(where));
    copyData_->setEnabled(true);
    copyValues_->setEnabled(true);
}

bool ChartActions::HasDesign() const {
    return state_.C != 0;
}

bool ChartActions::HasSweep() const {
    return HasDesign() && state_.R != 0 && state_.Fmax != 0 && state_.Passo != 0;
}

} // namespace lchp
