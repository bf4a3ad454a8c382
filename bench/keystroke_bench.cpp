// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

// One keystroke in the amount field through to both wordings shown, without a display:
//   QT_QPA_PLATFORM=offscreen build/bin/zifrano_keystroke_bench
#include "form1.h"
#include "platform.h"

#include <QLineEdit>
#include <QTest>

namespace {

// The desktop is not what is measured.
class SilentPlatform final : public zifrano::ui::Platform {
public:
    void clearClipboard() override {}
    void setClipboardText(const QString&) override {}
    QString clipboardText() override { return {}; }
    QString selectionText() override { return {}; }
    void showMessage(const QString&) override {}
    void beep() override {}
    void launch(const QString&) override {}
    void endProgram() override {}
};

} // namespace

class KeystrokeBench : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void digitThenBackspace() {
        SilentPlatform platform;
        zifrano::ui::Form1 window(platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
        field->setText(QStringLiteral("98765432109"));
        field->end(false);
        // Two keystrokes an iteration: a digit that makes a twelve-digit amount, and Backspace.
        QBENCHMARK {
            QTest::keyClick(field, '8');
            QTest::keyClick(field, Qt::Key_Backspace);
        }
        QCOMPARE(field->text(), QStringLiteral("98765432109"));
    }
};

QTEST_MAIN(KeystrokeBench)
#include "keystroke_bench.moc"
