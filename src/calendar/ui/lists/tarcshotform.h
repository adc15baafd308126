#pragma once

#include "calendar/repository.h"

#include <QDialog>
#include <QPoint>

#include <memory>
#include <optional>

class QDateEdit;
class QLabel;
class QPushButton;

namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace store {
class Database;
class Query;
class Settings;
} // namespace store

namespace calendar::ui {

// The one-shot repository: moves the one-shot tasks of a period into the
// repository table and back, so that the daily work runs on fewer rows.
// Modal. The period starts as the One Shot list's period filter when that is
// on (`filterPeriod`), otherwise from the earliest one-shot task to today.
class TArcShotForm final : public QDialog
{
    Q_OBJECT
public:
    TArcShotForm(store::Database& database, store::Settings& settings, shared::Services& services,
                 shared::AppState& state, std::optional<Period> filterPeriod,
                 QWidget* parent = nullptr);
    ~TArcShotForm() override;

    // The theme's default-colour flag: the "In use" counter then takes the
    // built-in one-shot colour with black text.
    void setDefaultColours(bool on);

    RepositoryCounts counts() const { return m_counts; }
    Period period() const;

public slots:
    void depositPeriod();
    void takePeriod();
    void takeEverything();

signals:
    // Tasks moved: the One Shot list is searched again and its columns
    // fitted, and the daily view, alarms and side calendar follow.
    void tasksChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildCounters();
    QWidget* buildPeriod(const std::optional<Period>& filterPeriod);
    QWidget* buildButtons();
    void recount();
    void moved();

    store::Settings& m_settings;
    shared::Services& m_services;
    shared::AppState& m_state;
    std::unique_ptr<store::Query> m_general;
    RepositoryCounts m_counts;

    QLabel* m_title = nullptr;
    QWidget* m_inUseBox = nullptr;
    QLabel* m_inUse = nullptr;
    QLabel* m_deposited = nullptr;
    QLabel* m_total = nullptr;
    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QPushButton* m_deposit = nullptr;
    QPushButton* m_take = nullptr;
    QPushButton* m_takeAll = nullptr;
    QPoint m_grab; // where the title was pressed, relative to the window
    bool m_dragging = false;
};

} // namespace calendar::ui
