// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "form1.h"
#include "messages.h"
#include "qt_platform.h"
#include "zifrano/zifrano_version.h"
#include "zifrano_product.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zifrano::ui::kApplicationTitle));
    QApplication::setApplicationVersion(QStringLiteral(ZIFRANO_VERSION_TEXT));
    // Names the desktop entry: Wayland matches the window to its menu entry and icon by it.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(zifrano::product::kApplicationId));
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // Qt's own texts (the field's context menu, the standard buttons) in Italian too; without
    // the translations installed they stay in English.
    zifrano::ui::loadQtTranslations();
    zifrano::ui::loadBundledFonts();

    zifrano::ui::QtPlatform platform;
    zifrano::ui::Form1 window(platform);
    platform.setOwner(&window);
    window.show();
    // Take the keyboard even where no window manager hands it over.
    window.activateWindow();
    return QApplication::exec();
}
