#include "qtprinter.h"

#include "dialogowner.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace platform {

bool QtPrinter::printImage(const QImage& image, const QString& documentName)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    QPrintDialog dialog(&printer, dialogOwner(m_parent));
    dialog.setWindowTitle(documentName);
    keepAboveOwner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    // A small dialog is not blown up beyond twice its size on screen.
    const QSize cap = image.size() * (printer.resolution() / 96.0) * 2;
    if (size.width() > cap.width())
        size.scale(cap, Qt::KeepAspectRatio);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end();
}

} // namespace platform

namespace platform {

bool QtPrinter::printDocument(const QString& documentName, const QPageLayout& layout,
                              const PagePainter& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageLayout(layout);
    QPrintDialog dialog(&printer, dialogOwner(m_parent));
    dialog.setWindowTitle(documentName);
    keepAboveOwner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = paint(printer);
    QGuiApplication::restoreOverrideCursor();
    return pages > 0;
}

void QtPrinter::previewDocument(const QString& documentName, const QPageLayout& layout,
                                const PagePainter& paint)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(documentName);
    printer.setPageLayout(layout);
    QPrintPreviewDialog dialog(&printer, dialogOwner(m_parent));
    dialog.setObjectName(QStringLiteral("PrintPreview"));
    dialog.setWindowTitle(documentName);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* target) { paint(*target); });
    keepAboveOwner(dialog);
    dialog.exec();
}

} // namespace platform
