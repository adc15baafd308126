// The built-in theme is written byte for byte as the files are defined, only
// when it is missing, and at most once in a run.
#include "themes/defaulttheme.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace themes;

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray ExpectedFonts = "BARRA (1,2,3)\r\nArial\r\n11\r\nclBlack\r\n\r\n"
                                 "TABS (6,7,8)\r\nArial\r\n10\r\nclBlack\r\n\r\n"
                                 "GRIGLIE (11,12,13)\r\nMS Sans Serif\r\n10\r\nclBlack\r\n\r\n"
                                 "TORMENT (16)\r\nclBlue\r\n\r\n"
                                 "AUTODELETE (19)\r\nclRed\r\n\r\n"
                                 "COLORATE  (22)\r\ncolorate\r\n\r\n"
                                 "SOSPESO (25)\r\n$004F4F4F\r\n";
const QByteArray ExpectedColours = "$00A6A6D2\r\n$00A7E3F5\r\n$0058A554\r\n$00BC8F07\r\n"
                                   "$00CE9D9D\r\n$009A9A4E\r\n$00AEAEAE\r\n$00BADCF8\r\n"
                                   "$0053A9FF\r\n";

} // namespace

class TestDefaultTheme final : public QObject
{
    Q_OBJECT
private slots:
    void writtenByteForByte();
    void writtenOnlyWhenMissingAndOncePerRun();
    void unwritableFolderIsReported();
};

void TestDefaultTheme::writtenByteForByte()
{
    QTemporaryDir dir;
    DefaultThemeWriter writer(dir.filePath("themes"));
    QVERIFY(writer.needed());
    QCOMPARE(writer.writeIfNeeded({{"key.bmp", "BMkey"}, {"co_fix.bmp", "BMfix"}}), QStringList{});
    const QDir folder(dir.filePath("themes/default"));
    QCOMPARE(contents(folder.filePath("Fonts.txt")), ExpectedFonts);
    QCOMPARE(contents(folder.filePath("Fonts.def")), ExpectedFonts);
    QCOMPARE(contents(folder.filePath("Colors.clr")), ExpectedColours);
    QCOMPARE(contents(folder.filePath("Colors.def")), ExpectedColours);
    QCOMPARE(contents(folder.filePath("key.bmp")), QByteArray("BMkey"));
    QCOMPARE(folder.entryList(QDir::Files).size(), 6);
    QVERIFY(!writer.needed());
    QCOMPARE(defaultThemePictureFiles().size(), 52);
    QVERIFY(defaultThemePictureFiles().contains("key.bmp"));
}

void TestDefaultTheme::writtenOnlyWhenMissingAndOncePerRun()
{
    QTemporaryDir dir;
    QVERIFY(QDir().mkpath(dir.filePath("themes/default")));
    QFile key(dir.filePath("themes/default/KEY.BMP"));
    QVERIFY(key.open(QIODevice::WriteOnly));
    key.close();
    DefaultThemeWriter writer(dir.filePath("themes"));
    QVERIFY(!writer.needed());
    writer.writeIfNeeded({});
    QVERIFY(!QFile::exists(dir.filePath("themes/default/Fonts.txt")));

    QVERIFY(key.remove());
    QVERIFY(writer.needed());
    writer.writeIfNeeded({{"key.bmp", "1"}});
    QCOMPARE(contents(dir.filePath("themes/default/key.bmp")), QByteArray("1"));

    // Gone again in the same run: not written a second time.
    QVERIFY(QDir(dir.filePath("themes/default")).removeRecursively());
    QCOMPARE(writer.writeIfNeeded({{"key.bmp", "2"}}), QStringList{});
    QVERIFY(!QFile::exists(dir.filePath("themes/default/key.bmp")));
}

void TestDefaultTheme::unwritableFolderIsReported()
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath("themes"));
    QVERIFY(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    DefaultThemeWriter writer(dir.filePath("themes"));
    const QStringList failed = writer.writeIfNeeded({{"key.bmp", "x"}});
    QCOMPARE(failed,
             (QStringList{"Fonts.txt", "Fonts.def", "Colors.clr", "Colors.def", "key.bmp"}));
}

QTEST_GUILESS_MAIN(TestDefaultTheme)
#include "tst_defaulttheme.moc"
