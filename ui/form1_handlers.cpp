#include "form1.h"

#include "messages.h"
#include "platform.h"
#include "shrinking_label.h"

#include "zifrano/number_reader.h"
#include "zifrano/wordings.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace zifrano::ui {
namespace {

// The largest amount the instruction line invites, twelve nines.
constexpr double kUpperLimit = 999'999'999'999.0;

QString fromStd(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A key that would put text into the field: a printable character or a paste.
bool insertsText(const QKeyEvent& key) {
    if (key.matches(QKeySequence::Paste)) {
        return true;
    }
    const auto commands = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    const QString text = key.text();
    return !text.isEmpty() && text.front().isPrint() && !(key.modifiers() & commands);
}

// A click: the left button let go over the widget.
bool isClickRelease(const QObject* watched, const QEvent* event) {
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    const auto* mouse = static_cast<const QMouseEvent*>(event);
    const auto* widget = static_cast<const QWidget*>(watched);
    return mouse->button() == Qt::LeftButton &&
           widget->rect().contains(mouse->position().toPoint());
}

} // namespace

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        return handleText1Key(*static_cast<QKeyEvent*>(event));
    }
    if (isClickRelease(watched, event)) {
        if (watched == Text1) {
            Text1_Click();
        } else if (watched == Picture1) {
            Picture1_Click();
        } else if (watched == centralWidget() &&
                   !centralWidget()->childAt(
                       static_cast<QMouseEvent*>(event)->position().toPoint())) {
            Form_Click();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Activation is handled once, when the window first shows: coming back to the window from
    // another program or from a message box leaves it where the user put it.
    if (!m_shownOnce) {
        m_shownOnce = true;
        Form_Activate();
    }
}

void Form1::Text1_Change() {
    const std::optional<Wordings> wordings = wordingsFromFieldText(Text1->text().toStdString());
    Label1->showText(fromStd(wordings ? wordings->euro : kFuoriLimite));
    Label3->showText(fromStd(wordings ? wordings->lire : kFuoriLimite));
}

bool Form1::Text1_KeyDown(const QKeyEvent& key) {
    // While the value is above the limit, nothing more may be typed in; keys that delete, move
    // or select still work, so that the value can be brought back by keyboard.
    const double value = readLeadingNumber(Text1->text().toStdString()).number.toDouble();
    if (value > kUpperLimit && insertsText(key)) {
        m_platform.beep();
        return true;
    }
    return false;
}

void Form1::Text1_KeyPress(QChar& keyAscii) {
    // The full stop is the only decimal separator the amount is read with.
    if (keyAscii == QLatin1Char(',')) {
        keyAscii = QLatin1Char('.');
    }
}

bool Form1::handleText1Key(const QKeyEvent& key) {
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
    // The client area's own coordinates start at 0, 0: the window goes to the screen's corner.
    move(0, 0);
}

void Form1::Command1_Click() {
    copyWording(Label1->text(), AvvisatoEuro);
}

void Form1::Command4_Click() {
    copyWording(Label3->text(), AvvisatoLire);
}

void Form1::copyWording(const QString& copied, bool& avvisato) {
    m_platform.clearClipboard();
    m_platform.setClipboardText(copied);
    if (!avvisato) {
        m_platform.showMessage(copyNotice(copied));
        avvisato = true;
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
