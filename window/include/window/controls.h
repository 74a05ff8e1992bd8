#pragma once

#include "chart/chart_surface.h"

#include <QColor>
#include <QFont>
#include <QString>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lchp {

// Where a control stands and how its text looks; positions and sizes in twips.
struct ControlLayout {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    double points; // font size
    bool bold;
};

// The controls' font: "MS Sans Serif" where the platform has it, a sans-serif otherwise.
QFont ControlFont(double points, bool bold);

// A Qt colour of a 0x00BBGGRR colour.
QColor ToQColor(Colour colour);

QLineEdit* MakeTextBox(QWidget* parent, const ControlLayout& layout);
QPushButton* MakeButton(QWidget* parent, const ControlLayout& layout, const QString& caption);
// An editable drop-down whose list is only a choice: typed text is kept as typed.
QComboBox* MakeComboBox(QWidget* parent, const ControlLayout& layout, const QStringList& items,
                        const QString& text);
// A label at its stored place; an auto-size label fits its caption from the start, a fixed one
// keeps its stored size and wraps or clips its caption.
QLabel* MakeLabel(QWidget* parent, const ControlLayout& layout, const QString& caption,
                  Colour colour, bool autoSize);

// Sets a label's caption; an auto-size label grows or shrinks to fit it, to the right.
void SetCaption(QLabel* label, const QString& caption);

} // namespace lchp
