#include "window/controls.h"

#include "window/twips.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lchp {

namespace {

constexpr const char* kAutoSize = "autoSize";

void Place(QWidget* control, const ControlLayout& layout) {
    control->setObjectName(QString::fromLatin1(layout.name));
    control->setGeometry(TwipRect(layout.left, layout.top, layout.width, layout.height));
    control->setFont(ControlFont(layout.points, layout.bold));
}

} // namespace

QFont ControlFont(double points, bool bold) {
    QFont font;
    // Liberation Sans and Arial come closest to its narrow metrics where it is missing.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"),
                      QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

QColor ToQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                  static_cast<int>((colour >> 16) & 0xFFu));
}

QLineEdit* MakeTextBox(QWidget* parent, const ControlLayout& layout) {
    auto* box = new QLineEdit(parent);
    Place(box, layout);
    return box;
}

QPushButton* MakeButton(QWidget* parent, const ControlLayout& layout, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    Place(button, layout);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QComboBox* MakeComboBox(QWidget* parent, const ControlLayout& layout, const QStringList& items,
                        const QString& text) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setEditText(text);
    combo->lineEdit()->setCursorPosition(0);
    Place(combo, layout);
    return combo;
}

QLabel* MakeLabel(QWidget* parent, const ControlLayout& layout, const QString& caption,
                  Colour colour, bool autoSize) {
    auto* label = new QLabel(parent);
    Place(label, layout);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setProperty(kAutoSize, autoSize);
    label->setWordWrap(!autoSize);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(colour));
    label->setPalette(palette);
    SetCaption(label, caption);
    return label;
}

void SetCaption(QLabel* label, const QString& caption) {
    label->setText(caption);
    if (label->property(kAutoSize).toBool()) {
        label->resize(label->sizeHint());
    }
}

} // namespace lchp
