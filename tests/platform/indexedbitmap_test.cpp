// The reader of the built-in pictures must give exactly what Qt's own bitmap
// reader gives: the same format, palette and pixels for every committed
// picture, and for a file of any other layout Qt's reading itself.
#include "indexedbitmap.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class IndexedBitmapTest : public QObject
{
    Q_OBJECT

private slots:
    void committedPicturesReadAsQtReadsThem_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* folder : {VELUMO_HANDS_DIR, VELUMO_HALF_DIR}) {
            const QDir dir(QString::fromUtf8(folder));
            const QStringList names = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files);
            QVERIFY(names.size() == 46);
            for (const QString& name : names)
                QTest::newRow(qPrintable(dir.dirName() + u'/' + name)) << dir.filePath(name);
        }
    }
    void committedPicturesReadAsQtReadsThem()
    {
        QFETCH(QString, file);
        const QImage expected(file, "BMP");
        QVERIFY(!expected.isNull());
        const QImage image = platform::readIndexedBitmap(file);
        QCOMPARE(image.format(), expected.format());
        QCOMPARE(image.colorTable(), expected.colorTable());
        QCOMPARE(image, expected);
    }

    // Files the fast path must not take: each is read as Qt reads it. (Only
    // files that Qt reads to the end or refuses: where it reads past the data
    // it leaves memory unset, and two readings differ.)
    void otherFilesGoToQt_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QFile source(QStringLiteral(VELUMO_HANDS_DIR "/00.bmp"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray picture = source.readAll();
        QTest::newRow("cut short") << picture.left(picture.size() / 2);
        QTest::newRow("header only") << picture.left(54);
        QByteArray topDown = picture;
        for (int i = 0; i < 4; ++i) // height -192: rows stored top first
            topDown[22 + i] = static_cast<char>((-192 >> (8 * i)) & 0xff);
        QTest::newRow("top-down rows") << topDown;
        // Qt writes an indexed image as a bitmap of 8 bits a pixel.
        QByteArray eightBit;
        QBuffer buffer(&eightBit);
        QVERIFY(QImage(QStringLiteral(VELUMO_HANDS_DIR "/00.bmp")).save(&buffer, "BMP"));
        QTest::newRow("8 bits a pixel") << eightBit;
        QTest::newRow("not a bitmap") << QByteArray("GIF89a");
    }
    void otherFilesGoToQt()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString file = dir.filePath(QStringLiteral("picture.bmp"));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        QCOMPARE(platform::readIndexedBitmap(file), QImage(file, "BMP"));
    }
};

QTEST_GUILESS_MAIN(IndexedBitmapTest)
#include "indexedbitmap_test.moc"
