// Theme names come from the archive and from folder listings: only a folder
// directly inside the themes folder is a theme, so nothing is ever read,
// written or deleted outside it.
#include "themes/themepaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace themes;

class TestThemePaths final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void names_data();
    void names();
    void listingHoldsRealFoldersOnly();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_themes;
};

void TestThemePaths::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QDir root(m_dir->path());
    QVERIFY(root.mkpath("program/themes/default"));
    QVERIFY(root.mkpath("program/themes/-dark"));
    QVERIFY(root.mkpath("program/themes/Blue Sky"));
    QVERIFY(root.mkpath("program/myarcs"));
    QVERIFY(root.mkpath("elsewhere"));
    m_themes = root.filePath("program/themes");
    QVERIFY(QFile::link(root.filePath("elsewhere"), root.filePath("program/themes/out")));
    QVERIFY(QFile::link(root.filePath("program/themes/default"),
                        root.filePath("program/themes/alias")));
    QFile file(root.filePath("program/themes/loose.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
}

void TestThemePaths::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("folder"); // accepted as a theme folder path
    QTest::addColumn<QString>("usable");
    QTest::newRow("empty") << "" << false << "default";
    QTest::newRow("dot") << "." << false << "default";
    QTest::newRow("dot dot") << ".." << false << "default";
    QTest::newRow("up into the archive") << "../myarcs" << false << "default";
    QTest::newRow("absolute") << "/etc" << false << "default";
    QTest::newRow("two levels") << "a/b" << false << "default";
    QTest::newRow("backslash") << "..\\myarcs" << false << "default";
    QTest::newRow("leading blank") << " default" << false << "default";
    QTest::newRow("dash") << "-dark" << true << "-dark";
    QTest::newRow("blank inside") << "Blue Sky" << true << "Blue Sky";
    QTest::newRow("link out of the folder") << "out" << false << "default";
    QTest::newRow("link inside the folder") << "alias" << true << "alias";
    QTest::newRow("not yet there") << "new" << true << "default";
    QTest::newRow("a file") << "loose.txt" << true << "default";
}

void TestThemePaths::names()
{
    QFETCH(QString, name);
    QFETCH(bool, folder);
    QFETCH(QString, usable);
    const auto path = themeFolder(m_themes, name);
    QCOMPARE(path.has_value(), folder);
    if (path)
        QCOMPARE(*path, QDir(m_themes).filePath(name));
    QCOMPARE(usableThemeName(m_themes, name), usable);
}

void TestThemePaths::listingHoldsRealFoldersOnly()
{
    QCOMPARE(listThemes(m_themes), (QStringList{"-dark", "Blue Sky", "alias", "default"}));
    QCOMPARE(listThemes(m_dir->filePath("missing")), QStringList{});
}

QTEST_GUILESS_MAIN(TestThemePaths)
#include "tst_themepaths.moc"
