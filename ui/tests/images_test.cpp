#include "images.h"

#include <QFile>
#include <QImage>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray resource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        qFatal("cannot read %s", qPrintable(path));
    }
    return file.readAll();
}

quint16 littleEndian16(const QByteArray& bytes, int at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Walks a GIF's blocks after the header and the global colour table.
struct GifBlocks {
    int images = 0;
    int extensions = 0;
    int localTables = 0;
    bool trailerReached = false;
    QList<QRect> imageRects;
};

int skipSubBlocks(const QByteArray& gif, int at) {
    while (at < gif.size() && gif[at] != 0) {
        at += 1 + static_cast<quint8>(gif[at]);
    }
    return at + 1;
}

GifBlocks walkGif(const QByteArray& gif, int at) {
    GifBlocks blocks;
    while (at < gif.size()) {
        const auto introducer = static_cast<quint8>(gif[at]);
        if (introducer == 0x3B) {
            blocks.trailerReached = at == gif.size() - 1;
            break;
        }
        if (introducer == 0x21) {
            ++blocks.extensions;
            at = skipSubBlocks(gif, at + 2);
        } else if (introducer == 0x2C) {
            ++blocks.images;
            blocks.imageRects << QRect(littleEndian16(gif, at + 1), littleEndian16(gif, at + 3),
                                       littleEndian16(gif, at + 5), littleEndian16(gif, at + 7));
            if (static_cast<quint8>(gif[at + 9]) & 0x80) {
                ++blocks.localTables;
            }
            at = skipSubBlocks(gif, at + 11); // descriptor, then the LZW code size
        } else {
            break;
        }
    }
    return blocks;
}

QSet<QRgb> opaqueColours(const QImage& image, int* transparent) {
    QSet<QRgb> colours;
    *transparent = 0;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            if (qAlpha(pixel) == 0) {
                ++*transparent;
            } else {
                colours.insert(pixel);
            }
        }
    }
    return colours;
}

} // namespace

class ImagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void logoIsAGif89aWithAFullColourTable() {
        const QByteArray gif = resource(QStringLiteral(":/images/logo.gif"));
        QCOMPARE(gif.left(6), QByteArray("GIF89a"));
        QCOMPARE(littleEndian16(gif, 6), quint16(120));
        QCOMPARE(littleEndian16(gif, 8), quint16(29));
        const auto packed = static_cast<quint8>(gif[10]);
        QVERIFY(packed & 0x80);              // a global colour table ...
        QCOMPARE(2 << (packed & 0x07), 256); // ... of 256 entries
        const GifBlocks blocks = walkGif(gif, 13 + 3 * 256);
        QCOMPARE(blocks.images, 1);
        QCOMPARE(blocks.imageRects.value(0), QRect(0, 0, 120, 29));
        QCOMPARE(blocks.extensions, 0);
        QCOMPARE(blocks.localTables, 0);
        QVERIFY(blocks.trailerReached);

        const QImage image(QStringLiteral(":/images/logo.gif"));
        QCOMPARE(image.size(), QSize(120, 29));
        QVERIFY(!image.hasAlphaChannel());
        QCOMPARE(zifrano::ui::logoPixmap().size(), QSize(120, 29));
    }

    void windowIconHasSixteenColoursAndAMask() {
        const QByteArray ico = resource(QStringLiteral(":/images/zifrano.ico"));
        QCOMPARE(littleEndian16(ico, 2), quint16(1)); // an icon ...
        QCOMPARE(littleEndian16(ico, 4), quint16(1)); // ... of one image
        QCOMPARE(static_cast<quint8>(ico[6]), quint8(32));
        QCOMPARE(static_cast<quint8>(ico[7]), quint8(32));
        QCOMPARE(static_cast<quint8>(ico[8]), quint8(16)); // colours
        QCOMPARE(littleEndian16(ico, 12), quint16(4));     // bits per pixel

        const QImage image(QStringLiteral(":/images/zifrano.ico"));
        QCOMPARE(image.size(), QSize(32, 32));
        int transparent = 0;
        const QSet<QRgb> colours = opaqueColours(image, &transparent);
        QVERIFY(colours.size() > 2);
        QVERIFY(colours.size() <= 16);
        QVERIFY(transparent > 0);
        QVERIFY(!zifrano::ui::applicationIcon().isNull());
    }

    void pointerHasTwoColoursAMaskAndItsHotSpot() {
        const QByteArray xpm = resource(QStringLiteral(":/images/pointer.xpm"));
        // The values line: width, height, colours, characters per pixel, hot spot x and y.
        const int start = xpm.indexOf("{\n\"") + 3;
        const QList<QByteArray> values = xpm.mid(start, xpm.indexOf('"', start) - start).split(' ');
        QCOMPARE(values, QList<QByteArray>({"32", "32", "3", "1", "12", "6"}));

        const QImage image(QStringLiteral(":/images/pointer.xpm"));
        QCOMPARE(image.size(), QSize(32, 32));
        int transparent = 0;
        const QSet<QRgb> colours = opaqueColours(image, &transparent);
        QCOMPARE(colours, QSet<QRgb>({qRgb(0, 0, 0), qRgb(255, 255, 255)}));
        QVERIFY(transparent > 0);

        const QCursor cursor = zifrano::ui::pointerCursor();
        QCOMPARE(cursor.hotSpot(), QPoint(values[4].toInt(), values[5].toInt()));
        QCOMPARE(cursor.pixmap().size(), QSize(32, 32));
    }
};

QTEST_MAIN(ImagesTest)
#include "images_test.moc"
