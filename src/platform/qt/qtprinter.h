#pragma once

#include "platform/printer.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// Prints through Qt: the print dialog opens on the default printer, and the
// picture is laid on the page as large as it fits, keeping its proportions.
class QtPrinter final : public Printer
{
public:
    explicit QtPrinter(QWidget* parent = nullptr) : m_parent(parent) {}
    bool printImage(const QImage& image, const QString& documentName) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace platform
