// Not a test: opens the print preview of a daily plan through the real
// printer service and writes a picture of it, for looking at.
// Usage: report_preview_shot <file.png>
#include "documents/reports.h"
#include "documents/ui/reportpainter.h"
#include "platform/qt/qtprinter.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString file = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "preview.png";
    documents::ReportContent report;
    report.title = "  Daily Plan  ";
    report.extraValue = " Friday 11 December 2026 ";
    report.sectionColour = 0x9f9fcf;
    report.printedAt = QDateTime(QDate(2026, 12, 11), QTime(8, 30));
    report.columns = {{"From", 2}, {"To", 2}, {"Description", 9}, {"Note", 9}};
    report.rows = {{"08:30", "09:00", "Dentist appointment", "Bring the insurance card"},
                   {"10:00", "11:30", "Team meeting about the quarterly plan", "Room 4"},
                   {"13:00", "13:45", "Lunch with Marta", ""},
                   {"19:30", "22:00", "Concert", "Tickets in the drawer"}};
    platform::QtPrinter printer;
    QTimer::singleShot(1500, [&file] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        if (preview) {
            preview->grab().save(file);
            preview->reject();
        }
    });
    documents::ui::printReports(printer, {report}, true);
    return 0;
}
