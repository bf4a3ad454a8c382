#include "event_loop.h"
#include "find_control.h"
#include "form1.h"
#include "recording_platform.h"
#include "shrinking_label.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <memory>

using zifrano::ui::Form1;

class Form1LayoutTest : public QObject {
    Q_OBJECT

private:
    template <typename T = QWidget> T* control(const QString& name) const {
        return zifrano::testing::findControl<T>(*m_window, name);
    }

    zifrano::testing::RecordingPlatform m_platform;
    std::unique_ptr<Form1> m_window;

private Q_SLOTS:
    void init() { m_window = std::make_unique<Form1>(m_platform); }
    void cleanup() { m_window.reset(); }

    void windowFrame() {
        QCOMPARE(m_window->windowTitle(),
                 QStringLiteral("ZIFRANO - Numeri in lettere per Assegni/Fatture"));
        QVERIFY(!m_window->windowIcon().isNull());
        QCOMPARE(m_window->centralWidget()->size(), QSize(508, 107));
        QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        // Fixed: the menu bar above, the client area below it, and no resizing.
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QCOMPARE(m_window->centralWidget()->y(), m_window->menuBar()->height());
        QCOMPARE(m_window->size(), QSize(508, 107 + m_window->menuBar()->height()));
    }

    void closingTheWindowEndsTheProgram() {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTimer::singleShot(0, m_window.get(), &QWidget::close);
        QCOMPARE(zifrano::testing::runEventLoopAtMost(5000), 0);
    }

    void clientBackground() {
        const QWidget* client = m_window->centralWidget();
        QVERIFY(client->autoFillBackground());
        QCOMPARE(client->palette().color(QPalette::Window), QColor(192, 192, 192));
    }

    void controlGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::newRow("Picture3") << "Picture3" << QRect(72, 198, 36, 36);
        QTest::newRow("Command4") << "Command4" << QRect(458, 72, 40, 18);
        QTest::newRow("Picture1") << "Picture1" << QRect(378, 14, 120, 29);
        QTest::newRow("Command3") << "Command3" << QRect(245, 20, 68, 22);
        QTest::newRow("Command2") << "Command2" << QRect(316, 20, 58, 22);
        QTest::newRow("Command1") << "Command1" << QRect(98, 20, 144, 22);
        QTest::newRow("Text1") << "Text1" << QRect(5, 18, 87, 22);
        QTest::newRow("Label5") << "Label5" << QRect(4, 72, 15, 17);
        QTest::newRow("Label4") << "Label4" << QRect(4, 50, 15, 17);
        QTest::newRow("Label3") << "Label3" << QRect(20, 72, 434, 18);
        QTest::newRow("Label2") << "Label2" << QRect(7, 2, 332, 15);
        QTest::newRow("Label1") << "Label1" << QRect(20, 50, 477, 18);
    }
    void controlGeometry() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QWidget* widget = control(name);
        QCOMPARE(widget->parentWidget(), m_window->centralWidget());
        QCOMPARE(widget->geometry(), geometry);
    }

    void storedTexts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("Command4") << "Command4"
                                  << "Copia";
        QTest::newRow("Command3") << "Command3"
                                  << "&Informazioni";
        QTest::newRow("Command2") << "Command2"
                                  << "&Fine";
        QTest::newRow("Command1") << "Command1" << QString::fromUtf8("&Copia nella clipboard in €");
        QTest::newRow("Label5") << "Label5"
                                << "L.";
        QTest::newRow("Label4") << "Label4" << QString::fromUtf8("€");
        QTest::newRow("Label3") << "Label3"
                                << "centoventitre";
        QTest::newRow("Label2")
            << "Label2"
            << "Inserire un numero da 1 a 999.999.999.999 per convertirlo in lettere";
        QTest::newRow("Label1") << "Label1"
                                << "centoventitre / 00";
    }
    void storedTexts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QWidget* widget = control(name);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            QCOMPARE(button->text(), text);
        } else {
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(), text);
        }
    }

    void initialState() {
        // The stored texts: nothing is converted at start.
        QCOMPARE(control<QLineEdit>("Text1")->text(), QStringLiteral("123"));
        QCOMPARE(control<QLineEdit>("Text1")->maxLength(), 32767);
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(QApplication::focusWidget(), control("Text1"));
        QVERIFY(m_platform.calls.isEmpty());
    }

    void colours_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("text");
        const QPalette system = QApplication::palette();
        QTest::newRow("Label1") << "Label1" << system.color(QPalette::Base)
                                << system.color(QPalette::Text);
        QTest::newRow("Label2") << "Label2" << QColor(192, 192, 192) << QColor(0, 0, 255);
        QTest::newRow("Label3") << "Label3" << QColor(224, 224, 224)
                                << system.color(QPalette::Text);
    }
    void colours() {
        QFETCH(QString, name);
        QFETCH(QColor, background);
        QFETCH(QColor, text);
        QWidget* label = control(name);
        QVERIFY(label->autoFillBackground());
        QCOMPARE(label->palette().color(QPalette::Window), background);
        QCOMPARE(label->palette().color(QPalette::WindowText), text);
    }

    void hintTexts() {
        const QHash<QString, QString> expected{
            {"Command4", "Copia nella clipboard in Lire (intero)"},
            {"Picture1", "visita pagina dell'autore ..."},
            {"Command3", "Informazioni sul programma"},
            {"Command2", "Uscita dal programma"},
            {"Command1", "Ctrl+C spostarsi dove si vuole e premere Ctrl+V"}};
        int withHint = 0;
        for (const QWidget* widget : m_window->findChildren<QWidget*>()) {
            if (!widget->toolTip().isEmpty()) {
                ++withHint;
                QCOMPARE(widget->toolTip(), expected.value(widget->objectName()));
            }
        }
        QCOMPARE(withHint, expected.size());
    }

    void tabOrder() {
        QStringList chain;
        QWidget* widget = control("Text1");
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && m_window->isAncestorOf(widget)) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != control("Text1"));
        QCOMPARE(chain, QStringList({"Text1", "Command1", "Command2", "Command3", "Command4"}));
        for (const QLabel* label : m_window->centralWidget()->findChildren<QLabel*>()) {
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        }
    }

    void pictures() {
        auto* logo = control<QLabel>("Picture1");
        QCOMPARE(logo->frameShape(), QFrame::NoFrame);
        QCOMPARE(logo->size(), logo->pixmap().size());
        QCOMPARE(logo->cursor().hotSpot(), QPoint(12, 6));
        QCOMPARE(logo->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(control("Text1")->cursor().shape(), Qt::IBeamCursor);
        QCOMPARE(control("Command1")->cursor().shape(), Qt::ArrowCursor);

        auto* hidden = control<QLabel>("Picture3");
        QCOMPARE(hidden->pixmap().size(), QSize(32, 32));
        QVERIFY(hidden->font().bold());
        QCOMPARE(hidden->font().pointSizeF(), 8.25);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QVERIFY(hidden->visibleRegion().isEmpty());
    }

    void menus_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("accessKey");
        QTest::newRow("MenuFile") << "MenuFile"
                                  << ""
                                  << "&File" << QKeySequence("Alt+F");
        QTest::newRow("MenuEsci") << "MenuEsci"
                                  << "MenuFile"
                                  << "&Esci" << QKeySequence("Alt+E");
        QTest::newRow("MenuPI") << "MenuPI"
                                << ""
                                << "&?" << QKeySequence("Alt+?");
        QTest::newRow("MenuMail") << "MenuMail"
                                  << "MenuPI"
                                  << "&Scrivi all'autore ..." << QKeySequence("Alt+S");
        QTest::newRow("MenuPHP") << "MenuPHP"
                                 << "MenuPI"
                                 << "&Visita la pagina dell'autore ..." << QKeySequence("Alt+V");
        QTest::newRow("MenuInfo") << "MenuInfo"
                                  << "MenuPI"
                                  << "&Info su ZIFRANO ..." << QKeySequence("Alt+I");
    }
    void menus() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(QKeySequence, accessKey);
        QList<QAction*> siblings = m_window->menuBar()->actions();
        if (!parent.isEmpty()) {
            siblings = control<QMenu>(parent)->actions();
        }
        const auto found = std::find_if(siblings.begin(), siblings.end(), [&](QAction* action) {
            return action->objectName() == name;
        });
        QVERIFY(found != siblings.end());
        QCOMPARE((*found)->text(), caption);
        QCOMPARE(QKeySequence::mnemonic((*found)->text()), accessKey);
        QVERIFY((*found)->shortcut().isEmpty());
        QVERIFY(!(*found)->isCheckable());
    }

    void menuOrder() {
        auto names = [](const QList<QAction*>& actions) {
            QStringList list;
            for (const QAction* action : actions) {
                list << action->objectName();
            }
            return list;
        };
        QCOMPARE(names(m_window->menuBar()->actions()), QStringList({"MenuFile", "MenuPI"}));
        QCOMPARE(names(control<QMenu>("MenuFile")->actions()), QStringList({"MenuEsci"}));
        const QList<QAction*> help = control<QMenu>("MenuPI")->actions();
        QCOMPARE(names(help), QStringList({"MenuMail", "MenuPHP", "menuMeno", "MenuInfo"}));
        QVERIFY(help[2]->isSeparator());
    }

    void everyCaptionFits() {
        for (const auto* button : m_window->findChildren<QPushButton*>()) {
            const QFontMetrics metrics(button->font());
            const QStyle* style = button->style();
            const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
            const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
            const QSize text = metrics.size(Qt::TextShowMnemonic, button->text());
            QVERIFY2(text.width() + margin + 2 * frame <= button->width(),
                     qPrintable(button->objectName()));
            QVERIFY2(text.height() + 2 * frame <= button->height(),
                     qPrintable(button->objectName()));
        }
        for (const auto* label : m_window->centralWidget()->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            const QRect room = label->contentsRect();
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= room.width(),
                     qPrintable(label->objectName()));
            QVERIFY2(metrics.height() <= room.height(), qPrintable(label->objectName()));
        }
    }

    void longWordingShrinksToFit_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("Label1") << "Label1";
        QTest::newRow("Label3") << "Label3";
    }
    void longWordingShrinksToFit() {
        QFETCH(QString, name);
        auto* label = control<zifrano::ui::ShrinkingLabel>(name);
        const double usual = label->font().pointSizeF();
        const QString longest =
            QStringLiteral("novecentonovantanovemiliardinovecentonovantanovemilioni"
                           "novecentonovantanovemilanovecentonovantanove / 99");
        label->showText(longest);
        QCOMPARE(label->text(), longest);
        QVERIFY(label->font().pointSizeF() < usual);
        QVERIFY(label->font().pointSizeF() >= zifrano::ui::ShrinkingLabel::kSmallestPointSize);
        QVERIFY(QFontMetrics(label->font()).horizontalAdvance(longest) <=
                label->contentsRect().width());
        // A short wording is shown at the usual size again.
        label->showText(QStringLiteral("uno / 00"));
        QCOMPARE(label->font().pointSizeF(), usual);
    }

    void shrinkingStopsAtTheSmallestSize() {
        auto* label = control<zifrano::ui::ShrinkingLabel>("Label3");
        label->showText(QString(400, QLatin1Char('m')));
        QCOMPARE(label->font().pointSizeF(), zifrano::ui::ShrinkingLabel::kSmallestPointSize);
    }
};

QTEST_MAIN(Form1LayoutTest)
#include "form1_layout_test.moc"
