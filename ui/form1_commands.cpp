#include "form1.h"

#include "messages.h"
#include "platform.h"
#include "shrinking_label.h"

#include <QLineEdit>

namespace zifrano::ui {

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
