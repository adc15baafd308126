// Dressing a window from a theme folder: pictures go to the buttons named by
// the files (copies included), title pictures set the bar's height within a
// cap, the text files are checked whole, and whatever is not taken is named.
#include "themes/ui/themeapplier.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace themes;
using namespace themes::ui;

namespace {

struct Window
{
    QWidget root;
    QWidget* bar = new QWidget(&root);
    QLabel* left = new QLabel(bar);
    QLabel* middle = new QLabel(bar);
    QLabel* right = new QLabel(bar);
    QLabel* credit = new QLabel(bar);
    QLabel* themeLabel = new QLabel(&root);
    QComboBox* style = new QComboBox(&root);
    QTableView* grid = new QTableView(&root);

    Window()
    {
        bar->setObjectName("piu");
        left->setObjectName("Image_barra_sx");
        middle->setObjectName("Image_barra_mid");
        right->setObjectName("Image_barra_dx");
        credit->setObjectName("panel_credit");
        themeLabel->setObjectName("Label_NomeTema");
        style->setObjectName("ComboBox_Stile");
        style->addItems({"colorate", "coloratissime", "indicatori"});
        grid->setObjectName("DBGrid_Today");
        for (const char* name : {"SpeedButtonAddToday", "SpeedButtonAddShot", "SpeedButtonAddWeek",
                                 "SpeedButton_AddContact", "SpeedButton_Help",
                                 "SpeedButtonHelpShot", "SpeedButtonHint", "SpeedButtonEXIT"}) {
            auto* button = new QToolButton(&root);
            button->setObjectName(QString::fromLatin1(name));
        }
    }
    QToolButton* button(const char* name)
    {
        return root.findChild<QToolButton*>(QString::fromLatin1(name));
    }
};

void writePicture(const QString& path, int width, int height, QColor colour = Qt::red)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TestThemeApplier final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void picturesGoToTheirButtons();
    void titleBarHeight_data();
    void titleBarHeight();
    void middleOnlyHidesTheSides();
    void textFilesCheckedWhole();
    void missingTextFilesAreWritten();
    void nameOutsideTheFolderAppliesNothing();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_themes;
    QString m_theme;
};

void TestThemeApplier::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_themes = m_dir->filePath("themes");
    m_theme = m_themes + "/mine";
    QVERIFY(QDir().mkpath(m_theme));
}

void TestThemeApplier::picturesGoToTheirButtons()
{
    Window w;
    writePicture(m_theme + "/DATE_ADD.bmp", 16, 16);
    writePicture(m_theme + "/week_add.bmp", 16, 16, Qt::blue);
    writePicture(m_theme + "/help_hint.bmp", 40, 20);
    writeBytes(m_theme + "/co_kill.bmp", QByteArray(300, '\x7f'));
    ThemeApplier applier(w.root, m_themes);
    const AppliedTheme applied = applier.apply("mine", "mine");

    QCOMPARE(applier.glyphOf("SpeedButtonAddToday").pixel(0, 0), QColor(Qt::red).rgb());
    QCOMPARE(applier.glyphOf("SpeedButtonAddShot").pixel(0, 0), QColor(Qt::red).rgb());
    QCOMPARE(applier.glyphOf("SpeedButtonAddWeek").pixel(0, 0), QColor(Qt::blue).rgb());
    QVERIFY(applier.glyphOf("SpeedButton_AddContact").isNull());
    QVERIFY(!w.button("SpeedButtonAddShot")->icon().isNull());
    QVERIFY(w.button("SpeedButton_AddContact")->icon().isNull());
    QVERIFY(w.button("SpeedButtonEXIT")->icon().isNull());
    // The 40-pixel hint makes every picture a normal and a disabled image,
    // except for the buttons that decide by their own picture.
    QCOMPARE(w.button("SpeedButtonHelpShot")->property("themeGlyphSplit").toBool(), true);
    QCOMPARE(w.button("SpeedButtonAddShot")->property("themeGlyphSplit").toBool(), true);
    QCOMPARE(w.button("SpeedButtonHint")->property("themeGlyphSplit").toBool(), true);
    QCOMPARE(applied.refused.size(), 1);
    QVERIFY2(applied.refused.first().startsWith("co_kill.bmp ("),
             qPrintable(applied.refused.first()));
    QCOMPARE(w.themeLabel->text(), "Theme [mine]");
}

void TestThemeApplier::titleBarHeight_data()
{
    QTest::addColumn<int>("pictureHeight");
    QTest::addColumn<int>("barHeight");
    QTest::newRow("low") << 20 << 30;
    QTest::newRow("30") << 30 << 30;
    QTest::newRow("40") << 40 << 44;
    QTest::newRow("huge, capped") << 900 << 64;
}

void TestThemeApplier::titleBarHeight()
{
    QFETCH(int, pictureHeight);
    QFETCH(int, barHeight);
    Window w;
    writePicture(m_theme + "/barra_mid.bmp", 200, pictureHeight);
    ThemeApplier applier(w.root, m_themes);
    QCOMPARE(applier.apply("mine", "mine").refused, QStringList{});
    QCOMPARE(w.bar->maximumHeight(), barHeight);
    QVERIFY(w.middle->pixmap().height() <= 60);
}

void TestThemeApplier::middleOnlyHidesTheSides()
{
    Window w;
    w.root.show();
    writePicture(m_theme + "/barra_sx.bmp", 10, 20);
    writePicture(m_theme + "/barra_dx.bmp", 10, 20);
    writePicture(m_theme + "/barra_mid_x.bmp", 100, 20);
    writeBytes(m_theme + "/barra_mid_f.bmp", QByteArray("BM not really"));
    ThemeApplier applier(w.root, m_themes);
    const AppliedTheme applied = applier.apply("mine", "mine");
    QVERIFY(w.left->isHidden());
    QVERIFY(w.right->isHidden());
    QVERIFY(w.credit->isVisible()); // the broken title picture does not hide the clock
    QCOMPARE(applied.refused.size(), 1);
    QVERIFY(applied.refused.first().startsWith("barra_mid_f.bmp ("));
}

void TestThemeApplier::textFilesCheckedWhole()
{
    Window w;
    w.style->setCurrentIndex(1);
    writeBytes(m_theme + "/fonts.TXT",
               "BARRA (1,2,3)\nArial\n14\nclRed\n\nTABS (6,7,8)\nArial\n10\n"
               "clBlack\n\nGRIGLIE (11,12,13)\nSerif\nten\nclBlack\n\n"
               "TORMENT (16)\nclBlue\n\nAUTODELETE (19)\nclRed\n\n"
               "COLORATE (22)\nindicatori");
    writeBytes(m_theme + "/Colors.clr",
               "clWhite\r\n$00FF0000\r\nclNone\r\n1\r\n2\r\n3\r\n4\r\n5\r\n");
    ThemeApplier applier(w.root, m_themes);
    const AppliedTheme applied = applier.apply("mine", "mine");
    QCOMPARE(applied.refused, (QStringList{"Fonts.txt, line 13", "Colors.clr, line 9"}));
    QVERIFY(applied.fonts);
    QCOMPARE(applied.fonts->gridSize, 9);
    QCOMPARE(applied.fonts->suspendedColour, 0x00808080u); // an old file: grey
    QCOMPARE(w.grid->font().pointSize(), 9);
    QCOMPARE(w.credit->font().pointSize(), 14);
    QVERIFY(w.credit->font().bold());
    QCOMPARE(w.credit->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(w.style->currentIndex(), 2);
    QVERIFY(applied.colours);
    QCOMPARE((*applied.colours)[0], 0x00FFFFFFu);
    QCOMPARE((*applied.colours)[2], 0x1FFFFFFFu);
    QCOMPARE((*applied.colours)[8], defaultSectionColours()[8]);
    // Nothing is rewritten: the files keep their lines.
    QFile fonts(m_theme + "/fonts.TXT");
    QVERIFY(fonts.open(QIODevice::ReadOnly));
    QCOMPARE(fonts.readAll().count('\n'), 22);
}

void TestThemeApplier::missingTextFilesAreWritten()
{
    Window w;
    ThemeApplier applier(w.root, m_themes);
    const AppliedTheme applied = applier.apply("mine", "other");
    QCOMPARE(applied.refused, QStringList{});
    QCOMPARE(w.themeLabel->text(), "Theme [other]");
    for (const char* file : {"Fonts.txt", "Fonts.def", "Colors.clr", "Colors.def"})
        QVERIFY2(QFile::exists(m_theme + "/" + file), file);
    QVERIFY(applied.fonts);
    QCOMPARE(applied.fonts->gridSize, 10);
    QCOMPARE(applied.colours, std::optional(defaultSectionColours()));
}

void TestThemeApplier::nameOutsideTheFolderAppliesNothing()
{
    Window w;
    QVERIFY(QDir().mkpath(m_dir->filePath("myarcs")));
    writePicture(m_dir->filePath("myarcs/date_add.bmp"), 16, 16);
    ThemeApplier applier(w.root, m_themes);
    const AppliedTheme applied = applier.apply("../myarcs", "../myarcs");
    QVERIFY(!applied.fonts);
    QVERIFY(applier.glyphOf("SpeedButtonAddToday").isNull());
    QVERIFY(!QFile::exists(m_dir->filePath("myarcs/Fonts.txt")));
}

QTEST_MAIN(TestThemeApplier)
#include "tst_themeapplier.moc"
