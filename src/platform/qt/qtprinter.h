#pragma once

#include "platform/printer.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// Prints through Qt: the print dialog opens on the default printer (or on a
// PDF file when there is none), a picture is laid on the page as large as it
// fits, keeping its proportions, and documents are previewed in Qt's print
// preview.
class QtPrinter final : public Printer
{
public:
    explicit QtPrinter(QWidget* parent = nullptr) : m_parent(parent) {}
    bool printImage(const QImage& image, const QString& documentName) override;
    bool printDocument(const QString& documentName, const QPageLayout& layout,
                       const PagePainter& paint) override;
    void previewDocument(const QString& documentName, const QPageLayout& layout,
                         const PagePainter& paint) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace platform
