#include "signseasonpanel.h"

#include "astro/daysigns.h"
#include "store/daynumber.h"
#include "tmoon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace astro::ui {

SignSeasonPanel::SignSeasonPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel_SegnoStagione"));
    setFrameShape(QFrame::StyledPanel);

    m_sign = new QLabel(QStringLiteral(" Zodiaco"), this);
    m_sign->setObjectName(QStringLiteral("Label_Segno"));
    m_season = new QLabel(QStringLiteral(" Stagione"), this);
    m_season->setObjectName(QStringLiteral("Label_Stagione"));
    // The strip's text stays black whatever colours the panel around it takes.
    for (QLabel* label : {m_sign, m_season}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        label->setTextFormat(Qt::PlainText);
    }

    m_moon = new TMoon(this);
    m_moon->setObjectName(QStringLiteral("Moon"));
    m_moon->setMoonSize(MoonSize::ms32);
    m_moon->setMoonStyle(MoonStyle::msClassic);
    m_moon->setRotation(Rotation::rot_none);
    m_moon->setShowApollo11(true);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    texts->addWidget(m_sign);
    texts->addWidget(m_season);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 2, 4, 2);
    row->addLayout(texts, 1);
    row->addWidget(m_moon, 0, Qt::AlignVCenter);
}

void SignSeasonPanel::refreshSignAndSeason(const QDate& day)
{
    const DayLabel sign = zodiacSign(day);
    const DayLabel season = astro::season(day);
    m_sign->setText(sign.text);
    m_sign->setToolTip(sign.tooltip);
    m_season->setText(season.text);
    m_season->setToolTip(season.tooltip);
}

void SignSeasonPanel::setMoonMoment(const QDate& day, const QTime& time)
{
    m_moon->setDate(store::toDayNumber(day) + store::toDayNumber(time));
}

} // namespace astro::ui
