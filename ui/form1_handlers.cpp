#include "form1.h"

#include "platform.h"
#include "shrinking_label.h"

#include "zifrano/number_reader.h"
#include "zifrano/wordings.h"

#include <QKeyEvent>
#include <QLineEdit>

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

} // namespace

void Form1::Text1_Change() {
    const std::optional<Wordings> wordings = wordingsFromFieldText(Text1->text().toStdString());
    Label1->showText(fromStd(wordings ? wordings->euro : kFuoriLimite));
    Label3->showText(fromStd(wordings ? wordings->lire : kFuoriLimite));
}

bool Form1::Text1_KeyDown(const QKeyEvent& key) {
    // While the value is above the limit, nothing more may be typed in; keys that delete, move
    // or select still work, so that the value can be brought back by keyboard.
    const double value = readLeadingNumber(Text1->text().toStdString());
    if (value > kUpperLimit && insertsText(key)) {
        m_platform.beep();
        return true;
    }
    return false;
}

void Form1::Text1_KeyPress(QChar& KeyAscii) {
    // The full stop is the only decimal separator the amount is read with.
    if (KeyAscii == QLatin1Char(',')) {
        KeyAscii = QLatin1Char('.');
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

} // namespace zifrano::ui
