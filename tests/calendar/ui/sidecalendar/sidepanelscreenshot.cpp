// Not a test: writes a picture of the side panel with a marked month, for
// looking at. Usage: sidepanel_screenshot <file.png>
#include "sidepanelfixture.h"

#include <QApplication>
#include <QComboBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("sidepanel.png");
    SidePanelFixture f;
    const QDate day = SidePanelFixture::day();
    f.add("W", day.addDays(-14));                 // Wednesdays
    f.add("M", day.addMonths(-3));                // every 20th
    f.add("Y", QDate(1990, 5, 8));                // a birthday
    f.add("O", day);
    f.add("O", day.addDays(9), false, calendar::OneShotOption::Torment); // from the 29th
    f.add("O", day.addDays(-6));
    f.add("W", QDate(2026, 5, 1), true);          // Fridays, suspended
    f.panel->show();
    if (!f.refreshAndWait())
        return 1;
    if (!f.panel->grab().save(file))
        return 2;
    // The same month with the weekly tasks excluded and the suspended shown.
    f.panel->setShowSuspended(true);
    f.find<QComboBox>("ComboBoxEscludiNero")->setCurrentIndex(4);
    if (!f.refreshAndWait())
        return 1;
    QString second = file;
    second.insert(second.lastIndexOf(u'.'), QStringLiteral("-noweekly"));
    return f.panel->grab().save(second) ? 0 : 2;
}
