// System colours in theme files follow the desktop: each one is taken from the
// palette role that plays its part, so a dark desktop gives dark "clWindow".
#include "themes/ui/desktopscheme.h"

#include <QPalette>
#include <QtTest>

class TestDesktopScheme final : public QObject
{
    Q_OBJECT
private slots:
    void rolesOfThePalette();
};

void TestDesktopScheme::rolesOfThePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0x10, 0x20, 0x30));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0xE0, 0xE1, 0xE2));
    palette.setColor(QPalette::Active, QPalette::Button, QColor(0x40, 0x41, 0x42));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(0x00, 0x99, 0xFF));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(0x77, 0x77, 0x77));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    const themes::DesktopScheme scheme = themes::ui::desktopSchemeFrom(palette);
    QCOMPARE(scheme[5], 0x102030u);  // clWindow
    QCOMPARE(scheme[8], 0xE0E1E2u);  // clWindowText
    QCOMPARE(scheme[15], 0x404142u); // clBtnFace
    QCOMPARE(scheme[13], 0x0099FFu); // clHighlight
    QCOMPARE(scheme[3], 0x777777u);  // clInactiveCaption
    QCOMPARE(scheme[24], 0xFFFFE1u); // clInfoBk

    themes::setDesktopScheme(scheme);
    QCOMPARE(themes::parseColourText(QStringLiteral("clWindow")),
             std::optional<unsigned>(0x102030u));
    themes::setDesktopScheme(themes::classicDesktopScheme());
}

QTEST_MAIN(TestDesktopScheme)
#include "tst_desktopscheme.moc"
