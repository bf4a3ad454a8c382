#include "author.h"
#include "find_control.h"
#include "form1.h"
#include "recording_platform.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using zifrano::testing::RecordingPlatform;
using zifrano::ui::Form1;

namespace {

const QString kFuoriLimite = QStringLiteral("Importo fuori limite");

QString notice(const QString& copied) {
    return QStringLiteral("Il testo ' ") + copied +
           QStringLiteral(" ' è stato copiato nella clipboard, aprire o portarsi nell'applicativo "
                          "voluto con Alt + Tab e premere Ctrl + V per incollare la stringa. "
                          "N.B.: questo messaggio non verrà visualizzato le prossime volte.");
}

QTestEventList typing(const QString& text) {
    QTestEventList events;
    events.addKeyClicks(text);
    return events;
}

} // namespace

class Form1HandlersTest : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* control(const QString& name) const {
        return zifrano::testing::findControl<T>(*m_window, name);
    }
    QLineEdit* field() const { return control<QLineEdit>(QStringLiteral("Text1")); }
    QString euro() const { return control<QLabel>(QStringLiteral("Label1"))->text(); }
    QString lire() const { return control<QLabel>(QStringLiteral("Label3"))->text(); }
    QAction* menuEntry(const char* name) const {
        return m_window->findChild<QAction*>(QString::fromLatin1(name));
    }
    void click(const char* name) {
        QTest::mouseClick(control(QString::fromLatin1(name)), Qt::LeftButton);
    }
    // An empty field with the focus, the cursor at its end.
    void startWith(const QString& text) {
        field()->setText(text);
        field()->setFocus();
        field()->end(false);
    }

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Form1> m_window;

private Q_SLOTS:
    void init() {
        m_platform = std::make_unique<RecordingPlatform>();
        m_window = std::make_unique<Form1>(*m_platform);
        m_window->move(200, 150);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() {
        m_window.reset();
        m_platform.reset();
    }

    // --- live conversion ---------------------------------------------------------------

    void typingRewritesBothWordingsAtEachKey() {
        startWith(QString());
        const QStringList expectedEuro{"uno / 00", "dodici / 00", "centoventitre / 00"};
        const QStringList expectedLire{"uno", "dodici", "centoventitre"};
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(field(), static_cast<char>('1' + i));
            QCOMPARE(euro(), expectedEuro[i]);
            QCOMPARE(lire(), expectedLire[i]);
        }
    }

    void editing_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("euroWording");
        QTest::addColumn<QString>("lireWording");

        QTest::newRow("typed comma becomes a full stop") << "" << typing("12,5") << "12.5"
                                                         << "dodici / 50"
                                                         << "dodici";
        QTestEventList keypad;
        keypad.addKeyClicks(QStringLiteral("7"));
        keypad.addKeyClick(Qt::Key_Comma, Qt::KeypadModifier, ',');
        keypad.addKeyClicks(QStringLiteral("25"));
        QTest::newRow("keypad comma becomes a full stop") << "" << keypad << "7.25"
                                                          << "sette / 25"
                                                          << "sette";
        QTestEventList clear;
        clear.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        clear.addKeyClick(Qt::Key_Delete);
        QTest::newRow("whole text deleted") << "123" << clear << ""
                                            << "Zero / 00"
                                            << "Zero";
        QTest::newRow("only the decimals change") << "123.4" << typing("5") << "123.45"
                                                  << "centoventitre / 45"
                                                  << "centoventitre";
        QTest::newRow("fraction alone") << "" << typing("0.5") << "0.5"
                                        << "Zero / 50"
                                        << "";
        QTest::newRow("negative is out of range")
            << "" << typing("-5") << "-5" << kFuoriLimite << kFuoriLimite;
        QTest::newRow("too large for the amount type is out of range")
            << "" << typing("1e20") << "1e20" << kFuoriLimite << kFuoriLimite;
        QTest::newRow("beyond twelve nines, still worded")
            << "" << typing("1000000000000") << "1000000000000"
            << "millemiliardi / 00"
            << "millemiliardi";
    }
    void editing() {
        QFETCH(QString, start);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, text);
        QFETCH(QString, euroWording);
        QFETCH(QString, lireWording);
        startWith(start);
        keys.simulate(field());
        QCOMPARE(field()->text(), text);
        QCOMPARE(euro(), euroWording);
        QCOMPARE(lire(), lireWording);
        QCOMPARE(m_platform->beeps, 0);
    }

    void aPastedCommaStaysAComma() {
        startWith(QStringLiteral("123"));
        QGuiApplication::clipboard()->setText(QStringLiteral("12,50"));
        QTest::keyClick(field(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(field()->text(), QStringLiteral("12,50"));
        QCOMPARE(euro(), QStringLiteral("dodici / 00"));
        QCOMPARE(lire(), QStringLiteral("dodici"));
    }

    // --- the limit ---------------------------------------------------------------------

    void limit_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QTestEventList>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("beeps");

        QTest::newRow("at the limit a digit goes in")
            << "999999999999" << typing("9") << "9999999999999" << 0;
        QTest::newRow("above it a digit is refused")
            << "1000000000000" << typing("5") << "1000000000000" << 1;
        QTest::newRow("each refused key beeps")
            << "1000000000000" << typing("5,x") << "1000000000000" << 3;
        QTest::newRow("too large for a double is above it")
            << "1e400" << typing("1") << "1e400" << 1;
        QTest::newRow("a huge negative value is not above it")
            << "-1e400" << typing("1") << "-1e4001" << 0;
        QTestEventList backspace;
        backspace.addKeyClick(Qt::Key_Backspace);
        QTest::newRow("Backspace still works above it")
            << "1000000000000" << backspace << "100000000000" << 0;
        QTestEventList deleteFirst;
        deleteFirst.addKeyClick(Qt::Key_Home);
        deleteFirst.addKeyClick(Qt::Key_Delete);
        QTest::newRow("moving and Delete still work above it")
            << "2000000000000" << deleteFirst << "000000000000" << 0;
        QTestEventList selectAndCut;
        selectAndCut.addKeyClick(Qt::Key_A, Qt::ControlModifier);
        selectAndCut.addKeyClick(Qt::Key_X, Qt::ControlModifier);
        QTest::newRow("select-all and cut still work above it")
            << "5000000000000" << selectAndCut << "" << 0;
        QTestEventList paste;
        paste.addKeyClick(Qt::Key_V, Qt::ControlModifier);
        QTest::newRow("a paste is refused above it")
            << "1000000000000" << paste << "1000000000000" << 1;
    }
    void limit() {
        QFETCH(QString, start);
        QFETCH(QTestEventList, keys);
        QFETCH(QString, text);
        QFETCH(int, beeps);
        QGuiApplication::clipboard()->setText(QStringLiteral("7"));
        startWith(start);
        keys.simulate(field());
        QCOMPARE(field()->text(), text);
        QCOMPARE(m_platform->beeps, beeps);
    }

    // --- clicks and activation -----------------------------------------------------------

    void firstShowingPlacesTheWindowAndSelectsTheText() {
        QCOMPARE(m_window->pos(), QPoint(0, 0));
        QCOMPARE(field()->selectedText(), QStringLiteral("123"));
        QCOMPARE(QApplication::focusWidget(), field());
    }

    void showingAgainLeavesTheWindowWhereItIs() {
        m_window->move(120, 80);
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->pos(), QPoint(120, 80));
    }

    void aClickIntoTheFieldSelectsTheWholeText() {
        startWith(QStringLiteral("4567"));
        QTest::mouseClick(field(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(field()->selectedText(), QStringLiteral("4567"));
        QTest::keyClick(field(), '8');
        QCOMPARE(field()->text(), QStringLiteral("8"));
    }

    void aClickOnTheBackgroundFocusesTheField() {
        startWith(QStringLiteral("4567"));
        control(QStringLiteral("Command2"))->setFocus();
        QTest::mouseClick(m_window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 100));
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(field()->selectedText(), QStringLiteral("4567"));
    }

    void aClickOnALabelIsNoClickOnTheBackground() {
        control(QStringLiteral("Command2"))->setFocus();
        QTest::mouseClick(control(QStringLiteral("Label2")), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), control(QStringLiteral("Command2")));
    }

    // --- copying -------------------------------------------------------------------------

    void firstCopyShowsTheNoticeAndLaterOnesDoNot() {
        click("Command1");
        QCOMPARE(m_platform->calls,
                 QStringList({"clearClipboard", "setClipboardText", "showMessage"}));
        QCOMPARE(m_platform->clipboard, QStringLiteral("centoventitre / 00"));
        QCOMPARE(m_platform->messages, QStringList({notice("centoventitre / 00")}));

        QTest::keyClick(field(), '7');
        click("Command1");
        QCOMPARE(m_platform->clipboard, QStringLiteral("sette / 00"));
        QCOMPARE(m_platform->messages.size(), 1);
    }

    void eachCopyButtonHasItsOwnNotice() {
        click("Command1");
        click("Command4");
        QCOMPARE(m_platform->clipboard, QStringLiteral("centoventitre"));
        QCOMPARE(m_platform->messages,
                 QStringList({notice("centoventitre / 00"), notice("centoventitre")}));
        click("Command4");
        QCOMPARE(m_platform->messages.size(), 2);
    }

    void anEmptyWordingIsCopiedToo() {
        startWith(QStringLiteral("0.5"));
        click("Command4");
        QCOMPARE(m_platform->clipboard, QString());
        QVERIFY(m_platform->messages.value(0).startsWith(QStringLiteral("Il testo '  ' è stato")));
        QCOMPARE(m_platform->messages.value(0), notice(QString()));
    }

    void copyingCopiesWhatTheLabelShows() {
        startWith(QStringLiteral("-3"));
        click("Command1");
        QCOMPARE(m_platform->clipboard, kFuoriLimite);
    }

    void afterACopyTheFieldIsReadyForTheNextAmount() {
        startWith(QStringLiteral("12.5"));
        click("Command1");
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(field()->selectedText(), QStringLiteral("12.5"));
    }

    void theAccessKeyCopies() {
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(m_platform->clipboard, QStringLiteral("centoventitre / 00"));
    }

    // --- about, exit and links -------------------------------------------------------------

    void aboutBox_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu entry") << true;
    }
    void aboutBox() {
        QFETCH(bool, fromMenu);
        m_window->move(300, 200);
        if (fromMenu) {
            menuEntry("MenuInfo")->trigger();
        } else {
            click("Command3");
        }
        const QString about =
            QStringLiteral("'ZIFRANO' ") + QString::fromUtf8(zifrano::author::kCredit) +
            QStringLiteral(", converte i numeri digitati in una stringa di caratteri utilizzabile "
                           "ad esempio per assegni, bolle, fatture ecc.  - ") +
            QString::fromUtf8(zifrano::author::kEmail) + QStringLiteral(" - ") +
            QString::fromUtf8(zifrano::author::kWebPage);
        QCOMPARE(m_platform->messages, QStringList({about}));
        QCOMPARE(m_window->pos(), QPoint(0, 0));
    }

    void exit_data() {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu entry") << true;
    }
    void exit() {
        QFETCH(bool, fromMenu);
        startWith(QStringLiteral("42"));
        if (fromMenu) {
            menuEntry("MenuEsci")->trigger();
        } else {
            click("Command2");
        }
        QCOMPARE(m_platform->calls, QStringList({"endProgram"}));
    }

    void links_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("commandLine");
        const QString mail =
            QStringLiteral("start mailto:") + QString::fromUtf8(zifrano::author::kEmail);
        const QString web = QStringLiteral("start ") + QString::fromUtf8(zifrano::author::kWebPage);
        QTest::newRow("mail entry") << "MenuMail" << mail;
        QTest::newRow("web page entry") << "MenuPHP" << web;
        QTest::newRow("logo") << "Picture1" << web;
    }
    void links() {
        QFETCH(QString, source);
        QFETCH(QString, commandLine);
        if (QAction* entry = menuEntry(qPrintable(source))) {
            entry->trigger();
        } else {
            click(qPrintable(source));
        }
        QCOMPARE(m_platform->launched, QStringList({commandLine}));
        QCOMPARE(m_platform->calls, QStringList({"launch"}));
    }

    void accessibleNamesFollowTheWordings_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::addColumn<QString>("describedAs");
        QTest::newRow("field") << "Text1"
                               << "Importo"
                               << "L'importo da scrivere in lettere";
        QTest::newRow("euro wording") << "Label1"
                                      << "Importo in lettere in euro: dodici / 50"
                                      << "L'importo in lettere con i centesimi in cifre";
        QTest::newRow("whole-amount wording") << "Label3"
                                              << "Importo intero in lettere: dodici"
                                              << "La parte intera dell'importo in lettere";
    }
    void accessibleNamesFollowTheWordings() {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QFETCH(QString, describedAs);
        startWith(QString());
        QTest::keyClicks(field(), QStringLiteral("12,5"));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(name));
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), accessibleName);
        QVERIFY(accessible->text(QAccessible::Description).startsWith(describedAs));
    }

    void wordingsCanBeSelectedWithTheMouse() {
        for (const char* name : {"Label1", "Label3"}) {
            auto* label = control<QLabel>(QString::fromLatin1(name));
            QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
    }
};

QTEST_MAIN(Form1HandlersTest)
#include "form1_handlers_test.moc"
