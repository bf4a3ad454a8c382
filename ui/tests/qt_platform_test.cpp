#include "event_loop.h"
#include "qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTimer>
#include <QUrl>

// Catches what the desktop would be asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

class QtPlatformTest : public QObject {
    Q_OBJECT

private:
    zifrano::ui::QtPlatform m_platform;
    UrlCatcher m_catcher;

private Q_SLOTS:
    void initTestCase() {
        for (const char* scheme : {"mailto", "http", "https", "file", "ftp"}) {
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "open");
        }
    }

    void clipboardHoldsExactlyTheText() {
        QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
        m_platform.clearClipboard();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        m_platform.setClipboardText(QStringLiteral("centoventitre / 00"));
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QStringLiteral("centoventitre / 00"));
        QCOMPARE(data->formats(), QStringList({"text/plain"}));
    }

    void messageBoxHasTheTitleOneOkButtonAndNoIcon() {
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::Warning;
        QList<QAbstractButton*> buttons;
        Qt::WindowModality modality = Qt::NonModal;
        // The box is modal: look at it and close it from inside its own event loop.
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons();
            modality = box->windowModality();
            box->button(QMessageBox::Ok)->click();
        });
        m_platform.showMessage(QStringLiteral("Il testo ' uno / 00 ' ..."));
        QCOMPARE(title, QStringLiteral("ZIFRANO"));
        QCOMPARE(text, QStringLiteral("Il testo ' uno / 00 ' ..."));
        QCOMPARE(icon, QMessageBox::NoIcon);
        QCOMPARE(buttons.size(), 1);
        QCOMPARE(modality, Qt::ApplicationModal);
    }

    void launchOpensOnlyTheAddress_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("opened");
        QTest::newRow("mail") << "start mailto:autore@zifrano.example"
                              << "mailto:autore@zifrano.example";
        QTest::newRow("web page") << "start https://zifrano.example/"
                                  << "https://zifrano.example/";
        QTest::newRow("plain web") << "start http://zifrano.example/a?b=c"
                                   << "http://zifrano.example/a?b=c";
        QTest::newRow("local file refused") << "start file:///etc/passwd"
                                            << "";
        QTest::newRow("other scheme refused") << "start ftp://zifrano.example/"
                                              << "";
        QTest::newRow("not a start line") << "cmd /c https://zifrano.example/"
                                          << "";
        QTest::newRow("shell text is no address") << "start https://a.example/ & rm -rf ~"
                                                  << "";
    }
    void launchOpensOnlyTheAddress() {
        QFETCH(QString, commandLine);
        QFETCH(QString, opened);
        m_catcher.opened.clear();
        m_platform.launch(commandLine);
        if (opened.isEmpty()) {
            QVERIFY(m_catcher.opened.isEmpty());
        } else {
            QCOMPARE(m_catcher.opened, QList<QUrl>({QUrl(opened)}));
        }
    }

    void endProgramLeavesTheEventLoop() {
        QTimer::singleShot(0, this, [this] { m_platform.endProgram(); });
        QCOMPARE(zifrano::testing::runEventLoopAtMost(5000), 0);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
