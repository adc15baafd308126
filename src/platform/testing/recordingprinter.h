#pragma once

#include "platform/printer.h"

#include <QList>

namespace platform {

// Keeps what would have been printed; `accepts` plays the user's answer to the
// print dialog.
class RecordingPrinter final : public Printer
{
public:
    struct Job
    {
        QImage image;
        QString documentName;
    };
    QList<Job> jobs;
    bool accepts = true;

    bool printImage(const QImage& image, const QString& documentName) override
    {
        if (!accepts)
            return false;
        jobs.append({image, documentName});
        return true;
    }
};

} // namespace platform
