#include "reportpainter.h"

#include "platform/printer.h"
#include "platform/prompter.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextLayout>

namespace documents::ui {
namespace {

constexpr qreal BodyPoints = 8.5;

// One cell cut into lines that fit `width`: its own line breaks first, then
// word wrap; a word longer than the column breaks anywhere.
QStringList wrapped(const QString& text, const QFont& font, const QFontMetricsF& metrics,
                    qreal width, QPaintDevice* device)
{
    QStringList lines;
    QString flat = text;
    flat.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString& paragraph : flat.split(u'\n')) {
        if (metrics.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, font, device);
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            lines << paragraph.mid(line.textStart(), line.textLength());
        }
        layout.endLayout();
    }
    return lines;
}

class Pages final
{
public:
    Pages(const ReportContent& report, QPagedPaintDevice& device, QPainter& painter)
        : m_report(report), m_device(device), m_painter(painter),
          m_body(QStringLiteral("DejaVu Sans")), m_bold(m_body), m_metrics(m_body, &device)
    {
        m_body.setPointSizeF(BodyPoints);
        m_bold.setPointSizeF(BodyPoints);
        m_bold.setBold(true);
        m_metrics = QFontMetricsF(m_body, &device);
        // The painter's origin is the corner of the area inside the margins.
        m_width = device.width();
        m_height = device.height();
        m_line = m_metrics.lineSpacing();
        m_gap = m_line * 0.25;
        int total = 0;
        for (const ReportColumn& c : report.columns)
            total += c.weight;
        qreal x = 0;
        for (const ReportColumn& c : report.columns) {
            const qreal w = m_width * c.weight / qMax(1, total);
            m_columns.push_back({x, w});
            x += w;
        }
    }

    int paint()
    {
        startPage();
        for (const QStringList& row : m_report.rows)
            paintRow(row);
        paintFooter();
        return m_page;
    }

private:
    struct Column
    {
        qreal x;
        qreal width;
    };

    qreal footerTop() const { return m_height - m_line * 1.6; }

    void startPage()
    {
        if (m_page > 0) {
            paintFooter();
            m_device.newPage();
        }
        ++m_page;
        m_y = 0;
        if (m_page == 1)
            paintTitleBand();
        paintHeaders();
    }

    void paintTitleBand()
    {
        const qreal band = m_line * 3;
        QFont title = m_bold;
        title.setPointSizeF(BodyPoints * 2);
        const QColor section = QColor::fromRgb(m_report.sectionColour);
        const QColor ink = QColor::fromRgb(m_report.titleColour);
        const qreal titleWidth = m_width * 0.35;
        m_painter.fillRect(QRectF(0, 0, titleWidth, band), section);
        m_painter.setPen(ink);
        m_painter.setFont(title);
        m_painter.drawText(QRectF(m_line * 0.5, 0, titleWidth - m_line, band),
                           Qt::AlignVCenter | Qt::AlignLeft, m_report.title.trimmed());
        qreal x = titleWidth + m_line;
        m_painter.setFont(m_bold);
        if (!m_report.extraValue.isEmpty()) {
            const QString extra = m_report.extraLabel.isEmpty()
                                      ? m_report.extraValue.trimmed()
                                      : m_report.extraLabel + u' ' + m_report.extraValue;
            const qreal w = QFontMetricsF(m_bold, &m_device).horizontalAdvance(extra) + m_line;
            const QRectF box(x, band / 4, w, band / 2);
            if (m_report.extraLabel.isEmpty())
                m_painter.fillRect(box, section);
            m_painter.drawText(box, Qt::AlignCenter, extra);
        }
        m_painter.setPen(Qt::black);
        m_painter.setFont(m_body);
        const QRectF right(m_width * 0.6, 0, m_width * 0.4, band);
        m_painter.drawText(right, Qt::AlignRight | Qt::AlignTop,
                           QStringLiteral("Today: ") +
                               QLocale().toString(m_report.printedAt, QLocale::ShortFormat));
        m_painter.drawText(right, Qt::AlignRight | Qt::AlignBottom,
                           QStringLiteral("Entries: ") + QString::number(m_report.rows.size()));
        m_y = band + m_gap * 2;
    }

    void paintHeaders()
    {
        m_painter.setPen(Qt::black);
        m_painter.setFont(m_bold);
        for (size_t c = 0; c < m_columns.size(); ++c)
            m_painter.drawText(
                QRectF(m_columns[c].x + m_gap, m_y, m_columns[c].width - m_gap, m_line),
                Qt::AlignLeft | Qt::AlignVCenter, m_report.columns[c].header);
        m_y += m_line;
        m_painter.drawLine(QPointF(0, m_y), QPointF(m_width, m_y));
        m_y += m_gap;
    }

    void paintRow(const QStringList& row)
    {
        std::vector<QStringList> cells(m_columns.size());
        int height = 1;
        for (size_t c = 0; c < m_columns.size(); ++c) {
            const bool bold = m_report.columns[c].bold;
            cells[c] = wrapped(row.value(qsizetype(c)), bold ? m_bold : m_body,
                               bold ? QFontMetricsF(m_bold, &m_device) : m_metrics,
                               m_columns[c].width - 2 * m_gap, &m_device);
            height = qMax(height, int(cells[c].size()));
        }
        // A row that fits a fresh page is not cut; a taller one runs on.
        const qreal rowHeight = height * m_line + m_gap;
        const qreal freshPage = footerTop() - (m_line + m_gap);
        if (m_y + rowHeight > footerTop() && rowHeight <= freshPage)
            startPage();
        for (int l = 0; l < height; ++l) {
            if (m_y + m_line > footerTop())
                startPage();
            for (size_t c = 0; c < m_columns.size(); ++c) {
                if (l >= cells[c].size())
                    continue;
                m_painter.setFont(m_report.columns[c].bold ? m_bold : m_body);
                m_painter.drawText(
                    QRectF(m_columns[c].x + m_gap, m_y, m_columns[c].width - m_gap, m_line),
                    Qt::AlignLeft | Qt::AlignVCenter, cells[c].at(l));
            }
            m_y += m_line;
        }
        m_painter.setPen(QColor(0xC0, 0xC0, 0xC0));
        m_painter.drawLine(QPointF(0, m_y + m_gap / 2), QPointF(m_width, m_y + m_gap / 2));
        m_painter.setPen(Qt::black);
        m_y += m_gap;
    }

    void paintFooter()
    {
        const qreal top = footerTop() + m_line * 0.3;
        m_painter.setPen(Qt::black);
        m_painter.drawLine(QPointF(0, top), QPointF(m_width, top));
        m_painter.setFont(m_body);
        const QRectF box(0, top + m_gap, m_width, m_line);
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, platform::applicationTitle());
        if (!m_report.footerExtra.isEmpty())
            m_painter.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, m_report.footerExtra);
        m_painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                           QStringLiteral("Page: ") + QString::number(m_page));
    }

    const ReportContent& m_report;
    QPagedPaintDevice& m_device;
    QPainter& m_painter;
    QFont m_body;
    QFont m_bold;
    QFontMetricsF m_metrics;
    qreal m_width = 0;
    qreal m_height = 0;
    qreal m_line = 0;
    qreal m_gap = 0;
    qreal m_y = 0;
    int m_page = 0;
    std::vector<Column> m_columns;
};

} // namespace

int paintReports(const std::vector<ReportContent>& reports, QPagedPaintDevice& device)
{
    if (reports.empty())
        return 0;
    device.setPageLayout(reportPageLayout(reports.front()));
    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    int pages = 0;
    for (const ReportContent& report : reports) {
        if (pages > 0)
            device.newPage();
        pages += Pages(report, device, painter).paint();
    }
    painter.end();
    return pages;
}

QPageLayout reportPageLayout(const ReportContent& report)
{
    return QPageLayout(QPageSize(QPageSize::A4),
                       report.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

bool printReports(platform::Printer& printer, const std::vector<ReportContent>& reports,
                  bool preview)
{
    if (reports.empty())
        return false;
    const QString name = reports.front().title.trimmed();
    const QPageLayout layout = reportPageLayout(reports.front());
    const auto paint = [&reports](QPagedPaintDevice& device) {
        return paintReports(reports, device);
    };
    if (!preview)
        return printer.printDocument(name, layout, paint);
    printer.previewDocument(name, layout, paint);
    return true;
}

int paintReport(const ReportContent& report, QPagedPaintDevice& device)
{
    return paintReports({report}, device);
}

QString writeReportPdf(const std::vector<ReportContent>& reports, const QString& path)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(300);
        pdf.setCreator(platform::applicationTitle());
        if (!reports.empty())
            pdf.setTitle(reports.front().title.trimmed());
        if (paintReports(reports, pdf) == 0) {
            file.cancelWriting();
            return QStringLiteral("the report could not be painted");
        }
    }
    if (file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

QString writeReportPdf(const ReportContent& report, const QString& path)
{
    return writeReportPdf(std::vector<ReportContent>{report}, path);
}

} // namespace documents::ui
