#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace themes {

// One step of dressing the window's buttons from a theme folder: when the
// folder has the picture file, it becomes the image of the target button
// (found by object name), and that image is then copied to the other
// buttons. A missing file leaves every button as it was, copies included.
struct GlyphStep
{
    QString file;
    QString target;
    QStringList copies;
};

// The title-bar buttons and the daily view's hint, applied first.
const QList<GlyphStep>& titleGlyphSteps();
// The hint buttons that take the daily view's hint image, whatever gave it.
const QStringList& hintButtons();
// The section buttons, in the order that makes a generic file ("add.bmp")
// replace the section's own ("contact_add.bmp"), and a file of a section
// prefix ("week_add.bmp") win over both.
const QList<GlyphStep>& buttonGlyphSteps();

// The file each button ends with when the steps run over a folder holding
// the files `has` accepts (the hint copies included). The window runs the
// same steps on its buttons; this is what the order means.
QHash<QString, QString> glyphOutcome(const std::function<bool(const QString&)>& has);

} // namespace themes
