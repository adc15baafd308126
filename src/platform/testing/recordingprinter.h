#pragma once

#include "platform/printer.h"

#include <QBuffer>
#include <QList>
#include <QPdfWriter>

namespace platform {

// Keeps what would have been printed; `accepts` plays the user's answer to the
// print dialog. Documents are painted into a PDF kept in memory, so a test
// can count the pages or read the text back.
class RecordingPrinter final : public Printer
{
public:
    struct Job
    {
        QImage image;
        QString documentName;
        bool preview = false;
        QPageLayout layout;
        int pages = 0;
        QByteArray pdf;
    };
    QList<Job> jobs;
    bool accepts = true;

    bool printImage(const QImage& image, const QString& documentName) override
    {
        if (!accepts)
            return false;
        Job job;
        job.image = image;
        job.documentName = documentName;
        jobs.append(job);
        return true;
    }

    bool printDocument(const QString& documentName, const QPageLayout& layout,
                       const PagePainter& paint) override
    {
        if (!accepts)
            return false;
        jobs.append(paintJob(documentName, layout, paint, false));
        return jobs.last().pages > 0;
    }

    void previewDocument(const QString& documentName, const QPageLayout& layout,
                         const PagePainter& paint) override
    {
        jobs.append(paintJob(documentName, layout, paint, true));
    }

private:
    static Job paintJob(const QString& documentName, const QPageLayout& layout,
                        const PagePainter& paint, bool preview)
    {
        Job job;
        job.documentName = documentName;
        job.preview = preview;
        job.layout = layout;
        QBuffer buffer(&job.pdf);
        buffer.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&buffer);
            writer.setPageLayout(layout);
            job.pages = paint(writer);
        }
        return job;
    }
};

} // namespace platform
