#pragma once

#include <QImage>
#include <QString>

namespace themes::ui {

// Pictures of a theme folder are read through Qt's image reader under a small
// allocation limit and a size cap, so that a huge or forged file costs a
// refusal, not the program's memory. The reason is set when nothing is read.
inline constexpr int MaxPictureSide = 8192;
QImage readThemePicture(const QString& path, QString* reason);

// A button picture as theme folders give it: the colour of its bottom-left
// pixel is see-through.
QImage glyphWithTransparency(const QImage& picture);

// The title bar's middle picture is capped in height, so a huge one still
// leaves a usable bar; wider or taller pictures are scaled down.
inline constexpr int MaxTitlePictureHeight = 60;
QImage cappedTitlePicture(const QImage& picture);

} // namespace themes::ui
