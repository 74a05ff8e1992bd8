#include "window/app_icon.h"
#include "window/form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lc-highpass"));
    QApplication::setWindowIcon(lchp::AppIcon());
    lchp::Form1 form;
    form.showMaximized();
    return QApplication::exec();
}
