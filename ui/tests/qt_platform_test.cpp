#include "messages.h"
#include "qt_platform.h"

#include "zifrano/wordings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QMimeData>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>

class QtPlatformTest : public QObject {
    Q_OBJECT

public Q_SLOTS:
    // Catches what the desktop would be asked to open.
    void open(const QUrl& url) { m_opened << url; }

private:
    zifrano::ui::QtPlatform m_platform;
    QList<QUrl> m_opened;
    const QStringList kSchemes{"mailto", "http", "https", "file", "ftp"};

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

    void clipboardAndMessageBox() {
        QGuiApplication::clipboard()->setText(QStringLiteral("prima"));
        m_platform.clearClipboard();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        m_platform.setClipboardText(QStringLiteral("uno / 00"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList({"text/plain"}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("uno / 00"));
        // The box is modal: look at it and close it from inside its own event loop. The notice of
        // the longest wording is broken inside it, so that no line is wider than the box's text.
        const QString notice = zifrano::ui::copyNotice(
            QString::fromStdString(zifrano::wordingsFromFieldText("454454454454.44")->euro));
        QStringList seen;
        double widest = 0, room = 0;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen << box->windowTitle() << box->text() << QString::number(box->icon())
                 << QString::number(box->buttons().size());
            const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            room = label->contentsRect().width();
            QTextLayout layout(label->text(), label->font());
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(room);
                widest = std::max(widest, line.naturalTextWidth());
            }
            layout.endLayout();
            box->button(QMessageBox::Ok)->click();
        });
        m_platform.showMessage(notice);
        QCOMPARE(seen, QStringList({"ZIFRANO", notice, QString::number(QMessageBox::NoIcon), "1"}));
        QVERIFY(widest > 0 && widest <= room);
    }

    void launchOpensOnlyTheAddress_data() {
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("opened");
        QTest::newRow("mail") << "start mailto:autore@zifrano.example"
                              << "mailto:autore@zifrano.example";
        QTest::newRow("web page") << "start http://zifrano.example/a?b=c"
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
        m_opened.clear();
        m_platform.launch(commandLine);
        QCOMPARE(m_opened, opened.isEmpty() ? QList<QUrl>() : QList<QUrl>({QUrl(opened)}));
    }

    void endProgramLeavesTheEventLoop() {
        QTimer::singleShot(0, this, [this] { m_platform.endProgram(); });
        // Should nothing end the loop, the guard ends it with 1 and the test fails.
        QTimer::singleShot(5000, this, [] { QCoreApplication::exit(1); });
        QCOMPARE(QCoreApplication::exec(), 0);
    }
};

QTEST_MAIN(QtPlatformTest)
#include "qt_platform_test.moc"
