// Not a test: writes pictures of the four section tabs and the repository
// dialog, each tab inside a 670 x 592 window, for looking at.
// Usage: list_screenshots <folder>
#include "listfixture.h"
#include "sectionsample.h"

#include "calendar/ui/lists/tarcshotform.h"

#include <QApplication>
#include <QVBoxLayout>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    ListFixture f;
    writeSectionSample(f.archive, calendar::taskLocale());
    calendar::TaskDraft d = draftOn(ListFixture::day().addDays(-1), "Old invoices");
    d.from = "11:00";
    d.oneShotOption = calendar::OneShotOption::DeleteAfter;
    calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("O", d, ListFixture::day());
    d = draftOn(ListFixture::day(), "Water the plants");
    d.oneShotOption = calendar::OneShotOption::Torment;
    d.attachment = "plants.txt";
    calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("O", d, ListFixture::day());
    for (const QString& kind : QStringList{"W", "M"}) {
        d = draftOn(ListFixture::day(), kind == "W" ? QStringLiteral("Piano lesson") : QStringLiteral("Insurance"));
        d.suspended = true;
        d.note = "Paused for the summer";
        calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert(kind, d, ListFixture::day());
    }
    d = draftOn(QDate(1985, 7, 2), "Birthday of Marco");
    d.countYears = true;
    calendar::TaskWriter(*f.archive.general, calendar::taskLocale()).insert("Y", d, ListFixture::day());

    const auto styles = {calendar::GridStyle::Colorate, calendar::GridStyle::Coloratissime};
    for (const QChar kind : {QChar('O'), QChar('Y'), QChar('M'), QChar('W')}) {
        QWidget window;
        window.resize(670, 592);
        auto* layout = new QVBoxLayout(&window);
        layout->setContentsMargins(0, 0, 0, 0);
        auto tab = f.tab(kind);
        tab->setParent(&window);
        layout->addWidget(tab.get());
        window.show();
        tab->selectRow(1);
        for (auto style : styles) {
            calendar::GridTheme theme;
            theme.style = style;
            tab->setGridTheme(theme);
            QApplication::processEvents();
            const QString path = folder + "/list-" + QString(kind) + "-"
                                 + calendar::gridStyleName(style) + ".png";
            if (!window.grab().save(path))
                return 1;
        }
        tab->setParent(nullptr);
    }

    calendar::ui::TArcShotForm form(f.archive.db, f.settings, f.services, f.state, std::nullopt);
    form.show();
    QApplication::processEvents();
    return form.grab().save(folder + "/repository.png") ? 0 : 1;
}
