#include "noteprint.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextOption>

namespace notes::ui {

QPageLayout notePageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

int paintNoteText(const QString& text, const QFont& font, QPagedPaintDevice& device)
{
    QTextDocument document;
    // Laid out in the device's own units, so the font keeps its point size.
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setDocumentMargin(0);
    document.setPlainText(text);
    const QSizeF pageSize(device.width(), device.height());
    document.setPageSize(pageSize);

    QPainter painter;
    if (!painter.begin(&device))
        return 0;
    painter.setFont(font);
    // Each line is drawn once, on the page its top falls on; a line that
    // would run past a page's end starts the next page instead, and the
    // lines after it move down with it.
    const qreal height = pageSize.height();
    int page = 0;
    qreal shift = 0;
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QPointF blockTop = layout->blockBoundingRect(block).topLeft();
        QTextLayout* lines = block.layout();
        for (int l = 0; l < lines->lineCount(); ++l) {
            const QTextLine line = lines->lineAt(l);
            qreal top = blockTop.y() + line.y() + shift;
            int onPage = int(top / height);
            if (top + line.height() > (onPage + 1) * height && top > onPage * height) {
                shift += (onPage + 1) * height - top;
                top = (onPage + 1) * height;
                ++onPage;
            }
            while (page < onPage) {
                device.newPage();
                ++page;
            }
            line.draw(&painter, QPointF(blockTop.x(), top - line.y() - page * height));
        }
    }
    painter.end();
    return page + 1;
}

} // namespace notes::ui
