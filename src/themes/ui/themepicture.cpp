#include "themepicture.h"

#include <QImageReader>

namespace themes::ui {
namespace {

// Megabytes one theme picture may take while it is decoded.
constexpr int AllocationLimitMb = 64;

class AllocationLimit final
{
public:
    AllocationLimit() : m_previous(QImageReader::allocationLimit())
    {
        QImageReader::setAllocationLimit(AllocationLimitMb);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(m_previous); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int m_previous;
};

} // namespace

QImage readThemePicture(const QString& path, QString* reason)
{
    const AllocationLimit limit;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide)) {
        if (reason)
            *reason =
                QStringLiteral("%1 × %2 pixels is too large").arg(size.width()).arg(size.height());
        return {};
    }
    QImage image = reader.read();
    if (image.isNull() && reason)
        *reason = reader.errorString();
    return image;
}

QImage glyphWithTransparency(const QImage& picture)
{
    if (picture.isNull() || picture.hasAlphaChannel())
        return picture;
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb clear = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] == clear)
                line[x] = 0;
        }
    }
    return image;
}

QImage cappedTitlePicture(const QImage& picture)
{
    if (picture.height() <= MaxTitlePictureHeight)
        return picture;
    return picture.scaledToHeight(MaxTitlePictureHeight, Qt::SmoothTransformation);
}

} // namespace themes::ui
