#pragma once

#include "../windowfixture.h"

#include "calendar/ui/lists/tasklisttab.h"

#include <QRandomGenerator>
#include <QTableView>

// A section tab on a real archive.
struct ListFixture : WindowFixture
{
    QRandomGenerator generator{42};

    std::unique_ptr<calendar::ui::TaskListTab> tab(QChar kind)
    {
        auto t = std::make_unique<calendar::ui::TaskListTab>(archive.db, settings, services, state,
                                                             kind);
        t->setSuffixGenerator(&generator);
        t->resize(670, 560);
        return t;
    }

    qint64 add(const QString& kind, const QDate& date, const QString& description,
               const QString& note = QString())
    {
        calendar::TaskDraft d = draftOn(date, description);
        d.note = note;
        return write(kind, d);
    }

    // The descriptions as the tab's grid lists them.
    static QStringList listed(const QWidget& tab)
    {
        const auto* grid = tab.findChild<QTableView*>();
        QStringList out;
        for (int row = 0; row < grid->model()->rowCount(); ++row)
            out << grid->model()->index(row, 3).data().toString();
        return out;
    }
};
