#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <functional>

class QPagedPaintDevice;

namespace platform {

// Paints a document page by page on the device it is given (a printer, a
// preview, a PDF writer) and returns the number of pages.
using PagePainter = std::function<int(QPagedPaintDevice& device)>;

// Printing pictures (such as an image of a dialog) and paged documents. The
// user may still decline in the print dialog; then nothing is printed and
// false comes back. The print dialog offers printing to a PDF file too, so
// a machine without a printer still gets the pages.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual bool printImage(const QImage& image, const QString& documentName) = 0;
    // Shows the print dialog set to `layout`, then paints the document.
    virtual bool printDocument(const QString& documentName, const QPageLayout& layout,
                               const PagePainter& paint) = 0;
    // Shows the document in a preview window the user can print from.
    virtual void previewDocument(const QString& documentName, const QPageLayout& layout,
                                 const PagePainter& paint) = 0;
};

} // namespace platform
