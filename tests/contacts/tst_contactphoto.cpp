#include "contacts/contactphoto.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using namespace contacts;

namespace {

// A JPEG as a phone writes it when held upright: the pixels lie on their side
// (wide) and an Exif orientation of 6 says to turn them a quarter clockwise.
QByteArray sidewaysJpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    // Big-endian TIFF header, one IFD entry: Orientation (0x0112), SHORT, 1, value 6.
    const QByteArray tiff = QByteArray::fromHex("4d4d002a00000008"
                                                "0001"
                                                "011200030000000100060000"
                                                "00000000");
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(exif.size()) + 2;
    QByteArray segment = QByteArray::fromHex("ffe1");
    segment.append(char(length >> 8)).append(char(length & 0xff)).append(exif);
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace

class TestContactPhoto final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_program; // the program folder, with its "pics"
    QTemporaryDir m_elsewhere;

    QString write(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        f.write(bytes);
        return path;
    }
    QString picture(const QString& path)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QDir().mkpath(QFileInfo(path).path());
        if (!image.save(path, "PNG"))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

private slots:
    void initTestCase()
    {
        picture(m_elsewhere.filePath("anna.png"));
        picture(m_program.filePath("pics/bruno.png"));
        picture(m_program.filePath("pics/carla.png"));
        QDir().mkpath(m_program.filePath("pics/folder.png"));
    }

    void resolve_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("found"); // "@" stands for the program folder, "~" for elsewhere
        QTest::newRow("stored path exists") << "~/anna.png"
                                            << "~/anna.png";
        QTest::newRow("Windows path, file moved into pics") << "C:\\Foto\\bruno.png"
                                                            << "@/pics/bruno.png";
        QTest::newRow("Unix path, file moved into pics") << "/media/usb/old/carla.png"
                                                         << "@/pics/carla.png";
        QTest::newRow("mixed separators") << "D:/x\\y/bruno.png"
                                          << "@/pics/bruno.png";
        QTest::newRow("bare file name") << "carla.png"
                                        << "@/pics/carla.png";
        QTest::newRow("gone everywhere") << "C:\\Foto\\dario.png"
                                         << "";
        QTest::newRow("name of a folder in pics is no picture") << "E:\\folder.png"
                                                                << "";
        QTest::newRow("path ending in a separator") << "C:\\Foto\\"
                                                    << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolve()
    {
        QFETCH(QString, stored);
        QFETCH(QString, found);
        const auto expand = [&](QString s) {
            if (s.startsWith('@'))
                s = m_program.path() + s.mid(1);
            else if (s.startsWith('~'))
                s = m_elsewhere.path() + s.mid(1);
            return s;
        };
        QCOMPARE(resolveContactPhoto(expand(stored), m_program.path()), expand(found));
    }

    void phonePhotoIsShownUpright()
    {
        const QString path = write(m_elsewhere.filePath("phone.jpg"), sidewaysJpeg(40, 20));
        QString error;
        const QImage image = loadContactPhoto(path, &error);
        QVERIFY(error.isEmpty());
        QCOMPARE(image.size(), QSize(20, 40));
    }

    void unreadable_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        // A placeable Windows metafile header: a vector format no image reader knows.
        QTest::newRow("metafile") << "logo.wmf"
                                  << QByteArray::fromHex("d7cdc69a0000000000000010001000000000");
        QTest::newRow("damaged picture") << "broken.png" << QByteArray("\x89PNG\r\n\x1a\n garbage");
        QTest::newRow("missing file") << "" << QByteArray();
    }
    void unreadable()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        const QString path = name.isEmpty() ? m_elsewhere.filePath("absent.jpg")
                                            : write(m_elsewhere.filePath(name), bytes);
        QString error;
        QVERIFY(loadContactPhoto(path, &error).isNull());
        QCOMPARE(error, photoNotLoadedMessage(path));
        QVERIFY(error.contains("was not loaded"));
        QVERIFY(error.contains(QDir::toNativeSeparators(path)));
    }
};

QTEST_GUILESS_MAIN(TestContactPhoto)
#include "tst_contactphoto.moc"
