// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "form1.h"
#include "wording_announcer.h"

#include "messages.h"
#include "platform.h"
#include "shrinking_label.h"

#include "zifrano/strict_reading.h"
#include "zifrano/typed_reading.h"
#include "zifrano/wordings.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <cstdint>
#include <memory>

namespace zifrano::ui {
namespace {

// The largest amount the instruction line invites, twelve nines.
constexpr std::uint64_t kUpperLimit = 999'999'999'999;

// Modifiers that make a key a command rather than text.
constexpr auto kCommandModifiers = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A key that carries a printable character.
bool carriesPrintable(const QKeyEvent& key) {
    const QString text = key.text();
    return !text.isEmpty() && text.front().isPrint();
}

// A key that would type a character into the field.
bool insertsText(const QKeyEvent& key) {
    return carriesPrintable(key) && !(key.modifiers() & kCommandModifiers);
}

// A printable key held with Alt or Meta, which the field itself would type. Ctrl+Alt is left to
// the field: it is how Windows reports AltGr, which types characters.
bool typesWithCommandModifier(const QKeyEvent& key) {
    return carriesPrintable(key) && (key.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) &&
           !(key.modifiers() & Qt::ControlModifier);
}

const QMouseEvent* mouseEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        return static_cast<QMouseEvent*>(event);
    default:
        return nullptr;
    }
}

// A click: the button let go over the widget.
bool isClick(const QObject* watched, const QMouseEvent* mouse, Qt::MouseButton button) {
    return mouse->type() == QEvent::MouseButtonRelease && mouse->button() == button &&
           static_cast<const QWidget*>(watched)->rect().contains(mouse->position().toPoint());
}

bool isEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & kCommandModifiers);
}

bool isEscape(const QEvent* event) {
    return event->type() == QEvent::KeyPress &&
           static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

} // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1) {
        return filterText1(event);
    }
    if (auto* button = qobject_cast<QPushButton*>(watched); button && isEnter(event)) {
        // Return and Enter press the focused button, as Space does.
        button->click();
        return true;
    }
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && isEscape(event)) {
        // Left alone, the menu bar would keep the keyboard until a second Escape.
        menu->hide();
        Text1->setFocus();
        selectWholeText();
        return true;
    }
    const QMouseEvent* mouse = mouseEvent(event);
    if (mouse && isClick(watched, mouse, Qt::LeftButton)) {
        if (watched == Picture1) {
            Picture1_Click();
        } else if (watched == centralWidget() &&
                   !centralWidget()->childAt(mouse->position().toPoint())) {
            Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::filterText1(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        return handleText1Key(*static_cast<QKeyEvent*>(event));
    }
    if (event->type() == QEvent::ContextMenu) {
        showText1Menu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::Drop) {
        return dropIntoText1(*static_cast<QDropEvent*>(event));
    }
    const QMouseEvent* mouse = mouseEvent(event);
    if (!mouse) {
        return false;
    }
    if (mouse->button() == Qt::LeftButton && mouse->type() != QEvent::MouseButtonPress) {
        // The field's own release and double click would put the selection into the X primary
        // selection, which is the user's: the click selects the whole text, and that is all.
        if (isClick(Text1, mouse, Qt::LeftButton)) {
            Text1_Click();
        }
        return true;
    }
    if (mouse->button() == Qt::MiddleButton) {
        // The field's own middle click moves the caret first and inserts there; here the pasted
        // text replaces the selection, as a typed key or Ctrl+V would.
        if (isClick(Text1, mouse, Qt::MiddleButton)) {
            pasteSelection();
        }
        return true;
    }
    return false;
}

void Form1::pasteSelection() {
    pasteIntoText1(m_platform.selectionText());
}

void Form1::pasteIntoText1(const QString& pasted) {
    // Pasted text comes from a document, which writes amounts the Italian way: read as it is
    // meant, it goes in as the field writes amounts, so that what is worded is what was pasted.
    // In part of the text it would make another number: there it goes in as it came.
    QString inserted = pasted;
    if (const auto amount = pastedAmount(pasted.toStdString())) {
        const QString written = fromStd(*amount);
        if (textAfterInsert(written) == written) {
            inserted = written;
        }
    }
    if (!inserted.isEmpty() && !refusesInsert(inserted)) {
        Text1->insert(inserted);
    }
}

void Form1::showText1Menu(const QPoint& at) {
    // The field's own menu, with its paste read as every other paste is.
    const std::unique_ptr<QMenu> menu(Text1->createStandardContextMenu());
    for (QAction* entry : menu->actions()) {
        // Qt names the entry with its own translation of "&Paste", then its shortcut.
        if (entry->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste")) {
            entry->disconnect();
            connect(entry, &QAction::triggered, this,
                    [this] { pasteIntoText1(m_platform.clipboardText()); });
        }
    }
    menu->exec(at);
}

bool Form1::dropIntoText1(QDropEvent& drop) {
    // Text dragged within the field is the field's to move.
    if (drop.source() == Text1 || !drop.mimeData()->hasText()) {
        return false;
    }
    // It goes in where it is let go, as the field showed while it was dragged over.
    Text1->setCursorPosition(Text1->cursorPositionAt(drop.position().toPoint()));
    pasteIntoText1(drop.mimeData()->text());
    drop.acceptProposedAction();
    return true;
}

bool Form1::aboveLimit(const QString& text) {
    return startsAbove(text.toStdString(), kUpperLimit);
}

QString Form1::textAfterInsert(const QString& inserted) const {
    QString text = Text1->text();
    if (Text1->hasSelectedText()) {
        return text.replace(Text1->selectionStart(), Text1->selectedText().size(), inserted);
    }
    return text.insert(Text1->cursorPosition(), inserted);
}

bool Form1::refusesInsert(const QString& inserted) {
    // While the value is above the limit, nothing may be typed or pasted in that leaves it above:
    // what brings it back (a digit over a selection, a paste over the whole text) goes through.
    if (!aboveLimit(Text1->text()) || !aboveLimit(textAfterInsert(inserted))) {
        return false;
    }
    m_platform.beep();
    return true;
}

void Form1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) {
        applyColours();
    }
    // Activation is handled once, at the first: coming back to the window from another program
    // or from a message box leaves it where the user put it.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !m_activatedOnce) {
        m_activatedOnce = true;
        Form_Activate();
    }
}

void Form1::Text1_Change() {
    const std::optional<Wordings> wordings = wordingsFromFieldText(Text1->text().toStdString());
    m_outOfRange = !wordings;
    Label1->showText(fromStd(wordings ? wordings->euro : kOutOfRangeText));
    Label3->showText(fromStd(wordings ? wordings->lire : kOutOfRangeText));
    announceWording();
}

void Form1::announceWording() {
    // The field's description holds the wording, read with the field when it gains the focus
    // and by whatever asks. Its change reaches some screen readers as the object instead of the
    // text, which they cannot speak: the announcer's notification is what they speak.
    Text1->setAccessibleDescription(Label1->text());
    m_announcer->announce(Label1->text());
}

bool Form1::Text1_KeyDown(const QKeyEvent& key) {
    // Keys that delete, move or select always work; what would type or paste text is looked at
    // as the text it would make.
    if (!insertsText(key)) {
        return false;
    }
    QChar typed = key.text().front();
    Text1_KeyPress(typed);
    // A second full stop would end the number there, unseen: refused as a key above the limit is.
    if (typed == QLatin1Char('.') && textAfterInsert(QString()).contains(typed)) {
        m_platform.beep();
        return true;
    }
    return refusesInsert(QString(typed));
}

void Form1::Text1_KeyPress(QChar& keyAscii) {
    // The full stop is the only decimal separator the amount is read with.
    if (keyAscii == QLatin1Char(',')) {
        keyAscii = QLatin1Char('.');
    }
}

bool Form1::handleText1Key(const QKeyEvent& key) {
    // Ctrl+C copies the euro wording here too, as the copy button's hint promises; the context
    // menu still copies the selected digits.
    if (key.matches(QKeySequence::Copy)) {
        Command1_Click();
        return true;
    }
    if (typesWithCommandModifier(key)) {
        // The field would type it; here it is a command, as everywhere else in the window.
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        pasteIntoText1(m_platform.clipboardText());
        return true;
    }
    if (Text1_KeyDown(key)) {
        return true;
    }
    if (key.text().size() != 1 || !insertsText(key)) {
        return false;
    }
    QChar typed = key.text().front();
    Text1_KeyPress(typed);
    if (typed == key.text().front()) {
        return false;
    }
    Text1->insert(QString(typed));
    return true;
}

void Form1::Text1_Click() {
    selectWholeText();
}

void Form1::Form_Click() {
    Text1->setFocus();
    selectWholeText();
}

void Form1::Form_Activate() {
    moveToScaleOrigin();
    selectWholeText();
}

void Form1::selectWholeText() {
    Text1->setSelection(0, static_cast<int>(Text1->text().size()));
}

void Form1::moveToScaleOrigin() {
    // The client area's own coordinates start at 0, 0: the window, frame and all, goes to the
    // corner of the screen's available area, below or beside the panels a window manager reports
    // (the screen's corner where it reports none). The frame's size is asked for afresh: a window
    // manager may have framed the window after Qt last looked, and a position counting the frame
    // would then be taken wrong.
    const QPoint corner = screen()->availableGeometry().topLeft();
    QWindow* window = windowHandle();
    if (!window) {
        move(corner);
        return;
    }
    const QMargins frame = window->frameMargins();
    window->setPosition(corner + QPoint(frame.left(), frame.top()));
}

void Form1::Command1_Click() {
    copyWording(Label1->text(), AvvisatoEuro);
}

void Form1::Command4_Click() {
    copyWording(Label3->text(), AvvisatoLire);
}

void Form1::copyWording(const QString& copied, bool& noticeShown) {
    if (m_outOfRange) {
        // "Importo fuori limite" is no wording: nothing is copied and the notice is kept.
        m_platform.beep();
    } else {
        m_platform.clearClipboard();
        m_platform.setClipboardText(copied);
        if (!noticeShown) {
            m_platform.showMessage(copyNotice(copied));
            noticeShown = true;
        }
    }
    // Back to the field, ready for the next amount.
    Text1->setFocus();
    selectWholeText();
}

void Form1::Command3_Click() {
    m_platform.showMessage(aboutText());
    moveToScaleOrigin();
}

void Form1::MenuInfo_Click() {
    Command3_Click();
}

void Form1::Command2_Click() {
    m_platform.endProgram();
}

void Form1::MenuEsci_Click() {
    m_platform.endProgram();
}

void Form1::MenuMail_Click() {
    m_platform.launch(mailCommandLine());
}

void Form1::MenuPHP_Click() {
    m_platform.launch(webPageCommandLine());
}

void Form1::Picture1_Click() {
    m_platform.launch(webPageCommandLine());
}

} // namespace zifrano::ui
