#include "form1.h"
#include "messages.h"
#include "qt_platform.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zifrano::ui::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ZIFRANO_VERSION));
    // Names the desktop entry: Wayland matches the window to its menu entry and icon by it.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZIFRANO_APP_ID));
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QLocale::setDefault(italian);

    // Qt's own texts (the field's context menu, the standard buttons) in Italian too; without
    // the translations installed they stay in English.
    QTranslator qtTexts;
    if (qtTexts.load(italian, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }

    zifrano::ui::QtPlatform platform;
    zifrano::ui::Form1 window(platform);
    platform.setOwner(&window);
    window.show();
    // Take the keyboard even where no window manager hands it over.
    window.activateWindow();
    return QApplication::exec();
}
