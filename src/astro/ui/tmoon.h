#pragma once

#include "astro/moonpicture.h"

#include <QImage>
#include <QWidget>

namespace astro::ui {

// The moon picture control: the Moon as it looks at the moment `Date`, with
// the unlit part of the disc dark. Setting the date, size, style or turn
// draws it again; nothing is kept from one date to the next.
class TMoon final : public QWidget
{
    Q_OBJECT
public:
    explicit TMoon(QWidget* parent = nullptr);

    // A date-time value: days since 1899-12-30, the time of day as the
    // fraction, taken without any time-zone correction.
    double date() const { return m_date; }
    void setDate(double dateTime);
    // The phase angle of the date, degrees in [0, 360): 180 new, 0 full.
    double phaseAngle() const { return m_phaseAngle; }

    MoonSize moonSize() const { return m_size; }
    void setMoonSize(MoonSize size);
    MoonStyle moonStyle() const { return m_style; }
    void setMoonStyle(MoonStyle style);
    Rotation rotation() const { return m_rotation; }
    void setRotation(Rotation rotation);
    bool showApollo11() const { return m_showApollo11; }
    void setShowApollo11(bool show);

    // The picture as drawn for the current properties.
    const QImage& picture() const { return m_picture; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void redraw();

    double m_date = 0;
    double m_phaseAngle = 0;
    MoonSize m_size = MoonSize::ms32;
    MoonStyle m_style = MoonStyle::msClassic;
    Rotation m_rotation = Rotation::rot_none;
    bool m_showApollo11 = true;
    QImage m_picture;
};

} // namespace astro::ui
