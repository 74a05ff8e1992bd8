#include "window/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace lchp {

QIcon AppIcon() {
    QSvgRenderer renderer(QStringLiteral(":/app-icon.svg"));
    QIcon icon;
    for (const int size : {16, 32, 48, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace lchp
