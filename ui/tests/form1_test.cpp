// SPDX-FileCopyrightText: 2026 gli autori di ZIFRANO
// SPDX-License-Identifier: MIT

#include "form1.h"
#include "messages.h"
#include "qt_platform.h"
#include "recording_platform.h"
#include "zifrano_product.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <map>
#include <memory>

using zifrano::test_support::RecordingPlatform;
using zifrano::ui::Form1;

namespace {

// Keys that type no character, written into a typing script as these control characters.
const QString kSelectAll = "\x01", kPaste = "\x16", kDelete = "\x7f";
// Keys that would type a character but for Ctrl or Alt, which make them commands.
const QString kCtrlComma = "\x1c", kAltComma = "\x1d", kAltFive = "\x1e";

struct TypingCase {
    const char* name;
    QString start, keys, text, euro; // the whole-amount wording is the euro one up to " / "
    int beeps;
    QString paste = QStringLiteral("12,50"); // on the clipboard
};

const QString kNines = "novecentonovantanove";
const QString kThirteenNines =
    "novemila" + kNines + "miliardi" + kNines + "milioni" + kNines + "mila" + kNines;
const char* const kOut = "Importo fuori limite";
const QString kMille = "milleduecentotrentaquattro";

const TypingCase kTyping[] = {
    {"typed comma is a full stop", "", "12,5", "12.5", "dodici / 50", 0},
    // A paste is read as the document it comes from wrote it, and goes in as the field writes it.
    {"a pasted comma is the decimal point", "", kPaste, "12.50", "dodici / 50", 0},
    {"a pasted Italian amount", "", kPaste, "1234.56", kMille + " / 56", 0, "€ 1.234,56"},
    {"a pasted spreadsheet cell", "", kPaste, "1234.56", kMille + " / 56", 0, "1.234,56\n"},
    {"a pasted 1.500 over all is fifteen hundred", "123", kSelectAll + kPaste, "1500",
     "millecinquecento / 00", 0, "1.500"},
    {"a pasted plain amount", "", kPaste, "1234.56", kMille + " / 56", 0, "1234.56"},
    {"pasted no-break spaces are blanks", "", kPaste, "1234567.50",
     "unmilioneduecentotrentaquattromilacinquecentosessantasette / 50", 0, "1\u00a0234\u202f567.5"},
    {"pasted into part of the text it goes in as it came", "12", kPaste, "121.500",
     "centoventuno / 50", 0, "1.500"},
    {"pasted words go in as they came", "", kPaste, "dodici euro", "Zero / 00", 0, "dodici euro"},
    // One full stop at most: a second, typed or a comma, beeps; over the selected one it goes in.
    {"a second full stop beeps", "12.5", ".,", "12.5", "dodici / 50", 2},
    {"a full stop over the selected one goes in", "12.5", kSelectAll + "3,5", "3.5", "tre / 50", 0},
    {"all deleted", "123", kSelectAll + kDelete, "", "Zero / 00", 0},
    // The limit: above twelve nines, keys that would add text are refused with a beep.
    {"at the limit a digit goes in", "999999999999", "9", "9999999999999", kThirteenNines + " / 00",
     0},
    {"above it typed keys beep", "1000000000000", "5,x", "1000000000000", "millemiliardi / 00", 3},
    {"above it a paste beeps", "1000000000000", kPaste, "1000000000000", "millemiliardi / 00", 1},
    {"above it Backspace works", "1000000000000", "\b", "100000000000", "centomiliardi / 00", 0},
    // What brings the value back to the limit goes in.
    {"above it a digit over all goes in", "9999999999999", kSelectAll + "5", "5", "cinque / 00", 0},
    {"above it a paste over all goes in", "9999999999999", kSelectAll + kPaste, "12.50",
     "dodici / 50", 0},
    {"above it a paste that stays above beeps", "9999999999999", kSelectAll + kPaste,
     "9999999999999", kThirteenNines + " / 00", 1, "1e13"},
    {"too large for a double is above it", "1e400", "1", "1e400", kOut, 1},
    {"a huge negative is not", "-1e400", "1", "-1e4001", kOut, 0},
    {"Ctrl and Alt type nothing", "12", kCtrlComma + kAltComma, "12", "dodici / 00", 0},
    {"above it Alt types nothing, silently", "1000000000000", kAltFive, "1000000000000",
     "millemiliardi / 00", 0},
};

void type(QWidget* field, const QString& keys) {
    const std::map<QChar, QKeyCombination> special{{kSelectAll[0], Qt::CTRL | Qt::Key_A},
                                                   {kPaste[0], Qt::CTRL | Qt::Key_V},
                                                   {kDelete[0], Qt::Key_Delete},
                                                   {kCtrlComma[0], Qt::CTRL | Qt::Key_Comma},
                                                   {kAltComma[0], Qt::ALT | Qt::Key_Comma},
                                                   {kAltFive[0], Qt::ALT | Qt::Key_5},
                                                   {'\b', Qt::Key_Backspace}};
    for (const QChar c : keys) {
        const auto key = special.find(c);
        if (key == special.end()) {
            QTest::keyClick(field, c.toLatin1());
        } else {
            QTest::keyClick(field, key->second.key(), key->second.keyboardModifiers());
        }
    }
}

} // namespace

class Form1Test : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* control(const char* name) const {
        auto* found = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!found) {
            qFatal("no control %s", name);
        }
        return found;
    }
    QLineEdit* field() const { return control<QLineEdit>("Text1"); }
    // Presses a button or triggers a menu entry, as the user would.
    void activate(const char* name) {
        if (auto* entry = m_window->findChild<QAction*>(QString::fromLatin1(name))) {
            entry->trigger();
        } else {
            QTest::mouseClick(control(name), Qt::LeftButton);
        }
    }
    void startWith(const QString& text) {
        field()->setText(text);
        field()->setFocus();
        field()->end(false);
    }

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<Form1> m_window;
    // The real desktop layer, with the addresses it would open caught here.
    zifrano::ui::QtPlatform m_desktop;
    QList<QUrl> m_opened;
    const QStringList kSchemes{"mailto", "http", "https", "file", "ftp"};

public Q_SLOTS:
    void open(const QUrl& url) { m_opened << url; }

private Q_SLOTS:
    void initTestCase() {
        for (const QString& scheme : kSchemes) {
            QDesktopServices::setUrlHandler(scheme, this, "open");
        }
    }
    void cleanupTestCase() {
        for (const QString& scheme : kSchemes) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }
    void init() {
        m_platform = std::make_unique<RecordingPlatform>();
        m_window = std::make_unique<Form1>(*m_platform);
        m_window->move(200, 150);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    void typing_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < int(std::size(kTyping)); ++row) {
            QTest::newRow(kTyping[row].name) << row;
        }
    }
    void typing() {
        QFETCH(int, row);
        const TypingCase& c = kTyping[row];
        QGuiApplication::clipboard()->setText(c.paste);
        m_platform->clipboard = c.paste;
        startWith(c.start);
        type(field(), c.keys);
        QCOMPARE(field()->text(), c.text);
        QCOMPARE(control<QLabel>("Label1")->text(), c.euro);
        // What a screen reader is told: the announcer's notification, and the field's description,
        // read with the field when it has the focus.
        QCOMPARE(QAccessible::queryAccessibleInterface(control("Annuncio"))
                     ->child(0)
                     ->text(QAccessible::Name),
                 c.euro);
        QCOMPARE(QAccessible::queryAccessibleInterface(field())->text(QAccessible::Description),
                 c.euro);
        const QString lire = c.euro.section(QStringLiteral(" / "), 0, 0);
        QCOMPARE(control<QLabel>("Label3")->text(), lire);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("Label1"))->text(QAccessible::Name),
                 "Importo in lettere in euro: " + c.euro);
        QCOMPARE(m_platform->calls, QStringList(c.beeps, QStringLiteral("beep")));
    }

    // Only the first showing moves the window to the corner, with the text selected for typing.
    void opensAtTheCornerReadyForTyping() {
        QCOMPARE(m_window->pos(), QPoint(0, 0));
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(field()->selectedText(), QStringLiteral("123"));
        m_window->move(120, 80);
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->pos(), QPoint(120, 80));
    }

    // The window's icon and the pointer over the logo, read from the resources.
    void showsItsImages() {
        QVERIFY(!m_window->windowIcon().isNull());
        QVERIFY(!control("Picture1")->cursor().pixmap().isNull());
    }

    void keepsItsSize() {
        const QSize size = m_window->size();
        m_window->resize(size + QSize(200, 100));
        QCoreApplication::processEvents();
        QCOMPARE(m_window->size(), size);
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // A screen reader finds a name on everything it can reach, never the hidden Picture3.
    void screenReaderFindsANameOnEverything() {
        QAccessibleInterface* client =
            QAccessible::queryAccessibleInterface(m_window->centralWidget());
        for (int i = 0; i < client->childCount(); ++i) {
            const QAccessibleInterface* child = client->child(i);
            QCOMPARE(child->object() == control("Picture3"), bool(child->state().invisible));
            QVERIFY2(child->state().invisible || !child->text(QAccessible::Name).isEmpty(),
                     qPrintable(child->object()->objectName()));
        }
        // Each wording tells what it is for.
        for (const char* wording : {"Label1", "Label3"}) {
            QVERIFY2(!control(wording)->accessibleDescription().isEmpty(), wording);
        }
    }

    void clicksInTheFieldOrOnTheBackgroundSelectTheWholeText() {
        startWith(QStringLiteral("4567"));
        QTest::mouseClick(field(), Qt::LeftButton, {}, QPoint(20, 10));
        QCOMPARE(field()->selectedText(), QStringLiteral("4567"));
        control("Command2")->setFocus(); // which leaves no text selected
        QTest::mouseClick(m_window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 100));
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(field()->selectedText(), QStringLiteral("4567"));
    }

    void tabWalksTheControlsInOrder() {
        QStringList visited;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, QStringList({"Command1", "Command2", "Command3", "Command4", "Text1"}));
    }

    // Escape closes a menu opened from the menu bar and gives the field back, whole text
    // selected: the next key typed replaces it.
    void escapeFromAMenuThenTypingReplacesTheAmount() {
        field()->deselect();
        auto* menu = control<QMenu>("MenuFile");
        m_window->menuBar()->setActiveAction(menu->menuAction());
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), field());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_7);
        QCOMPARE(field()->text(), QStringLiteral("7"));
    }

    // Each copy button shows its notice the first time only, the first copy at start included.
    // Out of range nothing is copied, with a beep, and no notice is used up; below one the whole
    // amount is empty, and copied as such.
    void eachCopyButtonShowsItsNoticeOnce() {
        using zifrano::ui::copyNotice;
        activate("Command1");
        startWith(QStringLiteral("-5"));
        activate("Command4");
        type(field(), "0.5");
        for (const char* button : {"Command4", "Command1", "Command4"}) {
            activate(button);
        }
        const QString start = QStringLiteral("centoventitre / 00");
        QCOMPARE(m_platform->calls,
                 QStringList({"clearClipboard", "setClipboardText: " + start,
                              "showMessage: " + copyNotice(start), "beep", "clearClipboard",
                              "setClipboardText: ", "showMessage: " + copyNotice(QString()),
                              "clearClipboard", "setClipboardText: Zero / 50", "clearClipboard",
                              "setClipboardText: "}));
        QVERIFY(copyNotice(QString()).startsWith(QStringLiteral("Il testo '  ' è stato copiato")));
        // Back in the field, ready for the next amount.
        QCOMPARE(QApplication::focusWidget(), field());
        QCOMPARE(field()->selectedText(), QStringLiteral("0.5"));
    }

    // Ctrl+C, as the euro button's hint says, and Ctrl+Insert copy the euro wording wherever the
    // focus is, the field included with its digits selected. Return and keypad Enter press the
    // focused button, as Space does; with Ctrl or Alt they are commands of their own.
    void keysOnTheFocusedControl_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QStringList>("calls");
        const QString wording = QStringLiteral("duecentocinquanta / 00");
        const QStringList copied{"clearClipboard", "setClipboardText: " + wording,
                                 "showMessage: " + zifrano::ui::copyNotice(wording)};
        for (const char* focus : {"Text1", "Command1", "Command2", "Command3", "Command4"}) {
            QTest::addRow("Ctrl+C in %s", focus) << focus << (Qt::CTRL | Qt::Key_C) << copied;
            QTest::addRow("Ctrl+Insert in %s", focus)
                << focus << (Qt::CTRL | Qt::Key_Insert) << copied;
        }
        const QStringList ended{"endProgram"};
        QTest::newRow("Return on Fine") << "Command2" << QKeyCombination(Qt::Key_Return) << ended;
        QTest::newRow("keypad Enter on Fine")
            << "Command2" << (Qt::KeypadModifier | Qt::Key_Enter) << ended;
        QTest::newRow("Ctrl+Return on Fine")
            << "Command2" << (Qt::CTRL | Qt::Key_Return) << QStringList();
        QTest::newRow("Alt+Enter on Fine")
            << "Command2" << (Qt::ALT | Qt::Key_Enter) << QStringList();
    }
    void keysOnTheFocusedControl() {
        QFETCH(QString, focus);
        QFETCH(QKeyCombination, keys);
        QFETCH(QStringList, calls);
        startWith(QStringLiteral("250"));
        field()->selectAll();
        control(qPrintable(focus))->setFocus();
        QTest::keyClick(QApplication::focusWidget(), keys.key(), keys.keyboardModifiers());
        QCOMPARE(m_platform->calls, calls);
    }

    // A middle click pastes the X primary selection as a typed key would: not above the limit.
    void middleClickPastesTheSelection() {
        m_platform->selection = QStringLiteral("1e13");
        startWith(QStringLiteral("9999999999999"));
        QTest::mouseClick(field(), Qt::MiddleButton);
        QCOMPARE(field()->text(), QStringLiteral("9999999999999"));
        QCOMPARE(m_platform->calls, QStringList{"beep"});
    }

    // The context menu's paste, and a drop from elsewhere into the empty field, read a pasted
    // amount as Ctrl+V does.
    void menuAndDropPasteTheAmount() {
        const QString pasted = QStringLiteral("€ 1.234,56");
        QGuiApplication::clipboard()->setText(pasted);
        m_platform->clipboard = pasted;
        startWith(QString());
        bool pasteOffered = false;
        QTimer::singleShot(0, this, [&pasteOffered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            for (QAction* entry : menu ? menu->actions() : QList<QAction*>()) {
                if (entry->text().startsWith(QLineEdit::tr("&Paste"))) {
                    pasteOffered = true;
                    entry->trigger();
                }
            }
            if (menu) {
                menu->close();
            }
        });
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field(), &click);
        QVERIFY(pasteOffered);
        QCOMPARE(field()->text(), QStringLiteral("1234.56"));
        field()->clear();
        QMimeData dragged;
        dragged.setText(QStringLiteral("1.500"));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(field(), &enter);
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(field(), &drop);
        QCOMPARE(field()->text(), QStringLiteral("1500"));
    }

    // The euro wording stands on the system's own colours; the other labels keep their light
    // backgrounds in every theme, with the system's text colour where it can be read there and
    // black where it cannot, whether the theme is set before the window or while it runs.
    void textIsReadableInAnyTheme_data() {
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("whileRunning");
        QTest::addColumn<QColor>("onLightGrey"); // on the grey, neither text can be read
        const QColor light(230, 230, 230), grey(86, 86, 86), black(Qt::black);
        QTest::newRow("light text from the start") << light << false << black;
        // Readable on the light grey, a little short of readable on the grey.
        QTest::newRow("grey text from the start") << grey << false << grey;
        QTest::newRow("grey text while running") << grey << true << grey;
    }
    void textIsReadableInAnyTheme() {
        QFETCH(QColor, text);
        QFETCH(bool, whileRunning);
        QFETCH(QColor, onLightGrey);
        const QPalette before = QApplication::palette();
        const QColor back = text.lightness() > 128 ? QColor(45, 45, 45) : QColor(Qt::white);
        QApplication::setPalette(QPalette(text, back, back, back, back, text, text, back, back));
        QCoreApplication::processEvents(); // widgets hear of it through posted events
        if (!whileRunning) {
            init();
        }
        const auto colour = [&](const char* name) {
            return control(name)->palette().color(control(name)->foregroundRole());
        };
        QCOMPARE(colour("Label1"), text);
        QCOMPARE(colour("Label4"), QColor(Qt::black));
        QCOMPARE(colour("Label3"), onLightGrey);
        // As drawn: the whole-amount wording's frame in its text colour, the light grey inside.
        const QImage drawn = m_window->centralWidget()->grab().toImage();
        const QPointF corner =
            control("Label3")->geometry().bottomRight() * drawn.devicePixelRatio();
        QCOMPARE(drawn.pixelColor(corner.toPoint()), onLightGrey);
        QCOMPARE(drawn.pixelColor((corner - QPointF(3, 3)).toPoint()), QColor(224, 224, 224));
        QApplication::setPalette(before);
    }

    void commands_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("call");
        const QString web = QStringLiteral("launch: start ") + zifrano::author::kWebPage;
        const QString about = QStringLiteral("showMessage: ") + zifrano::ui::aboutText();
        QTest::newRow("about button") << "Command3" << about;
        QTest::newRow("about entry") << "MenuInfo" << about;
        QTest::newRow("exit button") << "Command2" << QStringLiteral("endProgram");
        QTest::newRow("exit entry") << "MenuEsci" << QStringLiteral("endProgram");
        QTest::newRow("mail entry")
            << "MenuMail" << QStringLiteral("launch: start mailto:") + zifrano::author::kEmail;
        QTest::newRow("web entry") << "MenuPHP" << web;
        QTest::newRow("logo") << "Picture1" << web;
    }
    void commands() {
        QFETCH(QString, source);
        QFETCH(QString, call);
        activate(qPrintable(source));
        QCOMPARE(m_platform->calls, QStringList{call});
    }

    // Every caption fits its button, no two controls overlap, and each menu opens with an access
    // key.
    void everyCaptionFits() {
        for (const QMenu* menu : m_window->findChildren<QMenu*>()) {
            QVERIFY2(!QKeySequence::mnemonic(menu->title()).isEmpty(), qPrintable(menu->title()));
        }
        const QList<QWidget*> shown = m_window->centralWidget()->findChildren<QWidget*>();
        for (const QWidget* a : shown) {
            for (const QWidget* b : shown) {
                QVERIFY(a == b || !a->isVisible() || !b->isVisible() ||
                        !a->geometry().intersects(b->geometry()));
            }
        }
        for (const auto* button : m_window->findChildren<QPushButton*>()) {
            const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin);
            const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
            QVERIFY2(text.width() + margin + 2 * frame <= button->width() &&
                         text.height() + 2 * frame <= button->height(),
                     qPrintable(button->objectName()));
        }
    }

    // Every word the window and its boxes show is in Debian's Italian dictionary, but for the
    // elided articles that the checker splits off and a few names and loanwords.
    void everyTextIsSpelt() {
        QStringList texts{m_window->windowTitle(), zifrano::ui::aboutText(),
                          zifrano::ui::copyNotice({})};
        for (const QObject* shown : m_window->findChildren<QObject*>()) {
            for (const char* name :
                 {"text", "title", "toolTip", "accessibleName", "accessibleDescription"}) {
                texts << shown->property(name).toString();
            }
        }
        QProcess checker;
        checker.start(QStringLiteral("hunspell"), {"-d", "it_IT", "-l"});
        checker.write(texts.join(QLatin1Char('\n')).remove(QLatin1Char('&')).toUtf8());
        checker.closeWriteChannel();
        QVERIFY2(checker.waitForFinished(), "hunspell and hunspell-it are needed");
        static const QRegularExpression known(
            QStringLiteral("(?m)^(all|dell|nell|ZIFRANO|centoventitre|clipboard|Ctrl|Tab)\n"));
        QCOMPARE(QString::fromUtf8(checker.readAllStandardOutput()).remove(known), QString());
    }

    // The longest wordings, shrunk, are whole inside their labels, and whole in the hint; a short
    // one is not shrunk, and has no hint.
    void theLongestWordingsFit() {
        for (const char* amount : {"454454454454.44", "157157157157.77"}) {
            startWith(QString::fromLatin1(amount));
            for (const char* name : {"Label1", "Label3"}) {
                const auto* label = control<QLabel>(name);
                QCOMPARE(label->toolTip(), label->text());
                // Qt sets a framed label's text in by half an "x".
                const int indent = label->fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2;
                const QFontMetricsF metrics(label->font());
                QVERIFY2(indent + metrics.horizontalAdvance(label->text()) <=
                                 label->contentsRect().width() &&
                             metrics.height() <= label->contentsRect().height(),
                         name);
            }
        }
        const double usual = m_window->centralWidget()->font().pointSizeF();
        startWith(QStringLiteral("1"));
        QCOMPARE(control("Label1")->font().pointSizeF(), usual);
        QCOMPARE(control("Label1")->toolTip(), QString());
    }
    // Only the author's mail and web addresses are ever handed to the desktop.
    void launchOpensOnlyTheAddress() {
        const std::pair<const char*, const char*> commandLines[] = {
            {"start mailto:autore@zifrano.example", "mailto:autore@zifrano.example"},
            {"start http://zifrano.example/a?b=c", "http://zifrano.example/a?b=c"},
            {"start file:///etc/passwd", ""},
            {"start ftp://zifrano.example/", ""},
            {"startxhttps://zifrano.example/", ""},
            {"start https://a.example/ & rm -rf ~", ""}};
        for (const auto& [commandLine, opened] : commandLines) {
            m_opened.clear();
            m_desktop.launch(QString::fromUtf8(commandLine));
            QCOMPARE(m_opened,
                     *opened ? QList<QUrl>{QUrl(QString::fromUtf8(opened))} : QList<QUrl>());
        }
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
