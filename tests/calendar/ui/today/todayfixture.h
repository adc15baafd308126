#pragma once

#include "../windowfixture.h"

#include "calendar/ui/today/todayview.h"

#include <QRandomGenerator>
#include <QTableView>

// The Today tab on a real archive.
struct TodayFixture : WindowFixture
{
    QRandomGenerator generator{42};
    std::unique_ptr<calendar::ui::TodayView> view;

    explicit TodayFixture(platform::Prompter* otherPrompter = nullptr)
        : WindowFixture(otherPrompter)
    {
        view = std::make_unique<calendar::ui::TodayView>(archive.db, settings, services, state);
        view->setSuffixGenerator(&generator);
        view->resize(670, 592);
    }

    qint64 add(const QString& kind, const QDate& date, const QString& description,
               const QString& from = QStringLiteral("  :  "))
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.from = from;
        return write(kind, d);
    }

    template <typename T>
    T* find(const char* name) const
    {
        return WindowFixture::find<T>(*view, name);
    }

    // The descriptions as the grid lists them.
    QStringList listed() const
    {
        auto* grid = find<QTableView>("DBGrid_Today");
        QStringList out;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            out << grid->model()->index(row, 2).data().toString();
        return out;
    }
};
