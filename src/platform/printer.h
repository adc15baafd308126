#pragma once

#include <QImage>
#include <QString>

namespace platform {

// Printing a picture, such as an image of a dialog. The user may still decline
// in the print dialog; then nothing is printed and false comes back.
class Printer
{
public:
    virtual ~Printer() = default;
    virtual bool printImage(const QImage& image, const QString& documentName) = 0;
};

} // namespace platform
