#include "qt_platform.h"

#include "messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <QUrl>

namespace zifrano::ui {
namespace {

// Only the author's mail and web addresses are ever launched; anything else (a local file, an
// unknown scheme) is refused rather than handed to the desktop.
bool isLaunchable(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("mailto") || scheme == QLatin1String("http") ||
                             scheme == QLatin1String("https"));
}

} // namespace

void loadQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
    }
}

void QtPlatform::clearClipboard() {
    QGuiApplication::clipboard()->clear();
}

void QtPlatform::setClipboardText(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString QtPlatform::clipboardText() {
    return QGuiApplication::clipboard()->text();
}

QString QtPlatform::selectionText() {
    return QGuiApplication::clipboard()->text(QClipboard::Selection);
}

void QtPlatform::showMessage(const QString& prompt) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), prompt,
                    QMessageBox::Ok, m_owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    // Give the keyboard back to the window, also where no window manager would.
    if (m_owner) {
        m_owner->activateWindow();
    }
}

void QtPlatform::beep() {
    QApplication::beep();
}

void QtPlatform::launch(const QString& commandLine) {
    // The command line is never run: its address is opened by the desktop's own handler.
    static const QString kStart = QStringLiteral("start ");
    if (!commandLine.startsWith(kStart)) {
        return;
    }
    const QUrl url(commandLine.mid(kStart.size()), QUrl::StrictMode);
    if (isLaunchable(url)) {
        QDesktopServices::openUrl(url);
    }
}

void QtPlatform::endProgram() {
    QCoreApplication::exit(0);
}

} // namespace zifrano::ui
