// Not a test: writes pictures of the Today tab in the three grid styles,
// inside a 670 x 592 window, for looking at. Usage: today_screenshots <folder>
#include "todayfixture.h"

#include <QApplication>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    TodayFixture f;
    const QDate day = TodayFixture::day();
    f.add("Y", QDate(1990, 5, 20), "Anna's birthday");
    f.add("W", day.addDays(-14), "Gym", "07:30");
    f.add("M", day.addMonths(-3), "Pay the rent", "09:00");
    const qint64 dentist = f.add("O", day, "Dentist", "14:30");
    f.add("O", day.addDays(-3), "Water the plants", "18:00");
    f.add("O", day, "Call the plumber", "16:00");
    calendar::TaskDraft d = draftOn(day, "Old invoices");
    d.from = "11:00";
    d.oneShotOption = calendar::OneShotOption::DeleteAfter;
    d.note = "Shred them";
    calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("O", d, day);
    d = draftOn(day.addDays(-42), "Piano lesson");
    d.from = "17:00";
    d.suspended = true;
    calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("W", d, day);
    // "Torment me every day" for the plants.
    f.archive.general->setSql({"UPDATE CRarc66 SET dayofweek = \"T\" WHERE id = \"Water the plants\""});
    f.archive.general->execSql();

    QWidget window;
    window.resize(670, 592);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    f.view->setParent(&window);
    layout->addWidget(f.view.get());
    window.show();
    f.view->setShowSuspended(true);
    f.view->selectTask(dentist);
    f.view->toggleDone();
    f.view->selectRow(1);

    for (auto style : {calendar::GridStyle::Colorate, calendar::GridStyle::Coloratissime,
                       calendar::GridStyle::Indicatori}) {
        calendar::GridTheme theme;
        theme.style = style;
        f.view->setGridTheme(theme);
        QApplication::processEvents();
        const QString path = folder + "/today-" + calendar::gridStyleName(style) + ".png";
        if (!window.grab().save(path))
            return 1;
    }
    f.view->setParent(nullptr);
    return 0;
}
