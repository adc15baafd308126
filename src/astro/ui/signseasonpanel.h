#pragma once

#include <QDate>
#include <QTime>
#include <QFrame>

class QLabel;

namespace astro::ui {

class TMoon;

// The strip beside the side calendar: the zodiac sign and the season of the
// day the daily view shows, with their date ranges as tooltips, and the
// Moon of that moment. The labels keep their first captions until the first
// refresh.
class SignSeasonPanel final : public QFrame
{
    Q_OBJECT
public:
    explicit SignSeasonPanel(QWidget* parent = nullptr);

    QLabel* signLabel() const { return m_sign; }
    QLabel* seasonLabel() const { return m_season; }
    TMoon* moon() const { return m_moon; }

public slots:
    // Both labels and both tooltips from the day's month and day.
    void refreshSignAndSeason(const QDate& day);
    // The Moon of a moment, given as a day and a clock time, taken as they
    // are (no time zone, so no daylight-saving gap can lose the moment).
    void setMoonMoment(const QDate& day, const QTime& time);

private:
    QLabel* m_sign = nullptr;
    QLabel* m_season = nullptr;
    TMoon* m_moon = nullptr;
};

} // namespace astro::ui
