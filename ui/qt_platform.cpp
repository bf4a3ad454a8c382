// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "qt_platform.h"

#include "messages.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <algorithm>

namespace zifrano::ui {
namespace {

// Only the author's mail and web addresses are ever launched; anything else (a local file, an
// unknown scheme) is refused rather than handed to the desktop.
bool isLaunchable(const QUrl& url) {
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("mailto") || scheme == QLatin1String("http") ||
                             scheme == QLatin1String("https"));
}

// Where a frame of `frameSize` goes: centred on `over`, then moved wholly into `area`; a frame
// larger than the area keeps its top-left corner in it, where its title bar is.
QPoint frameCornerInside(const QSize& frameSize, const QRect& over, const QRect& area) {
    const QPoint centred = over.center() - QPoint(frameSize.width(), frameSize.height()) / 2;
    const int x = std::min(centred.x(), area.right() + 1 - frameSize.width());
    const int y = std::min(centred.y(), area.bottom() + 1 - frameSize.height());
    return {std::max(x, area.left()), std::max(y, area.top())};
}

// A message box placed by its frame's corner. Qt centres a box in its showEvent() by moving it,
// but by then the box's native window exists and Qt asks for that corner as the client's, with
// static gravity: a window manager that honours it (icewm does) puts the title bar above the
// screen. Asked for as the frame's corner (north-west gravity), it is where the frame goes,
// whatever frame the window manager draws and however late it says so.
class PlacedMessageBox final : public QMessageBox {
public:
    PlacedMessageBox(const QString& text, QWidget* owner)
        : QMessageBox(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                      QMessageBox::Ok, owner) {
        // Qt's own placement is left out; showEvent() places the box.
        setAttribute(Qt::WA_Moved);
    }

protected:
    void showEvent(QShowEvent* event) override {
        // The box takes its final size here, before it is mapped.
        QMessageBox::showEvent(event);
        if (event->spontaneous()) {
            return;
        }
        const QPoint corner = frameCorner();
        // The widget's own geometry is kept in step, or Qt would ask for it again on mapping,
        // as the client's.
        move(corner);
        windowHandle()->setFramePosition(corner);
    }

private:
    QPoint frameCorner() const {
        const QWidget* owner = parentWidget() ? parentWidget()->window() : nullptr;
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        const QRect area = screen->availableGeometry();
        // The box's own frame is unknown until it is mapped: its owner's is the best guess, and
        // only centring and the right and bottom edges depend on it.
        const QWindow* ownerWindow = owner ? owner->windowHandle() : nullptr;
        const QMargins frame = ownerWindow ? ownerWindow->frameMargins() : QMargins();
        return frameCornerInside(size().grownBy(frame), owner ? owner->frameGeometry() : area,
                                 area);
    }
};

} // namespace

void loadQtTranslations() {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator)) {
        delete translator;
    }
}

void loadBundledFonts() {
    const QDir folder(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& name : folder.entryList({QStringLiteral("*.ttf")}, QDir::Files)) {
        QFontDatabase::addApplicationFont(folder.filePath(name));
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
    PlacedMessageBox box(prompt, m_owner);
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
