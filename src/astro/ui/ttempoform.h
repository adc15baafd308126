#pragma once

#include <QColor>
#include <QDialog>

class QDateEdit;
class QLabel;
class QPushButton;
class QTimeEdit;

namespace shared {
struct Services;
}
namespace store {
class Settings;
}

namespace astro::ui {

// "Time Duration Calculator": the days and completed years between two
// dates, and the hours, minutes, seconds and milliseconds between two times
// of one day. Modal, frameless, moved by its panels; it stores nothing.
class TTempoForm final : public QDialog
{
    Q_OBJECT
public:
    // `sectionColour` paints the frame and the title (the Options tab's
    // colour) and marks the picker that has the focus; `titleText` is the
    // tab text colour.
    TTempoForm(store::Settings& settings, shared::Services& services, const QColor& sectionColour,
               const QColor& titleText, QWidget* parent = nullptr);

    QDateEdit* firstDate() const { return m_date1; }
    QDateEdit* secondDate() const { return m_date2; }
    QTimeEdit* firstTime() const { return m_time3; }
    QTimeEdit* secondTime() const { return m_time4; }

public slots:
    // "Calculate!" of each group.
    void calculateDates();
    void calculateTimes();
    void showHint();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildDates();
    QWidget* buildTimes();
    QWidget* buildButtons();

    shared::Services& m_services;
    QColor m_sectionColour;
    QWidget* m_titlePanel = nullptr;
    QWidget* m_buttonBar = nullptr;
    QDateEdit* m_date1 = nullptr;
    QDateEdit* m_date2 = nullptr;
    QTimeEdit* m_time3 = nullptr;
    QTimeEdit* m_time4 = nullptr;
    QLabel* m_days = nullptr;
    QLabel* m_years = nullptr;
    QLabel* m_hours = nullptr;
    QLabel* m_minutes = nullptr;
    QLabel* m_seconds = nullptr;
    QLabel* m_milliseconds = nullptr;
};

} // namespace astro::ui
