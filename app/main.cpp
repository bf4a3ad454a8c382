#include "form1.h"
#include "messages.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zifrano::ui::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ZIFRANO_VERSION));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    zifrano::ui::loadQtTranslations();

    zifrano::ui::QtPlatform platform;
    zifrano::ui::Form1 window(platform);
    platform.setOwner(&window);
    window.show();
    // Take the keyboard even where no window manager hands it over.
    window.activateWindow();
    return QApplication::exec();
}
