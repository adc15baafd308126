#pragma once

#include "documents/reports.h"

#include <QString>

class QPagedPaintDevice;
class QPageLayout;

namespace platform {
class Printer;
}

namespace documents::ui {

// Paints `report` page by page: A4 whatever the device's default, 10 mm
// margins, landscape unless the report says otherwise. The first page
// carries the title band; every page the column headers and the footer with
// the program's name and "Page: N". A row taller than what is left of a
// page goes on line by line on the next, so no text is lost. An empty list
// still gives one page. Returns the number of pages.
int paintReport(const ReportContent& report, QPagedPaintDevice& device);
// Several reports one after the other, each from a page of its own with its
// own page numbers; the page layout is the first one's.
int paintReports(const std::vector<ReportContent>& reports, QPagedPaintDevice& device);

// A4 whatever the printer's default, 10 mm margins, landscape unless the
// report says otherwise.
QPageLayout reportPageLayout(const ReportContent& report);

// Shows the reports in the print preview, or sends them to the printer
// after its print dialog; false when nothing was printed.
bool printReports(platform::Printer& printer, const std::vector<ReportContent>& reports,
                  bool preview);

// Writes `report` as a PDF file in one piece: when writing fails an earlier
// file of that name stays whole. Returns an empty text on success,
// otherwise the reason.
QString writeReportPdf(const ReportContent& report, const QString& path);
QString writeReportPdf(const std::vector<ReportContent>& reports, const QString& path);

} // namespace documents::ui
