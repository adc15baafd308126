#pragma once

#include "../../archivefixture.h"
#include "shared/appstate.h"
#include "calendar/ui/dialogs/taskdialogs.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/recordingprinter.h"
#include "platform/testing/scriptedprompter.h"
#include "store/settings.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

// A task dialog's world: a real archive with its settings row, a clock that
// stands on Thursday 10 December 2026 at 09:00, a scripted prompter, a printer
// that records, and the daily view showing the clock's day.
struct DialogFixture : ArchiveFixture
{
    platform::ScriptedPrompter prompter;
    platform::ManualClock clock;
    platform::RecordingDesktop desktop;
    platform::RecordingPrinter printer;
    shared::Services services{prompter, clock, desktop};
    shared::AppState state;
    calendar::TaskDialogState dialogState;
    store::Settings settings{db};
    QDate shown = QDate(2026, 12, 10);
    QString activeContact;
    calendar::ui::LinkedContactFields linked;
    calendar::ui::TaskDialogDeps deps{db, settings, services, state, dialogState, printer};

    DialogFixture()
    {
        state.programFolder = folder.filePath("program");
        settings.load();
        deps.locale = locale;
        deps.shownDate = [this] { return shown; };
        deps.activeContactName = [this] { return activeContact; };
        deps.linkedContactFields = [this] { return linked; };
    }

    std::unique_ptr<calendar::ui::TaskDialog> newDialog(const QString& kind)
    {
        return calendar::ui::makeNewTaskDialog(kind, deps);
    }
    std::unique_ptr<calendar::ui::TaskDialog> modifyDialog(qint64 codimp)
    {
        return calendar::ui::makeModifyTaskDialog(codimp, deps);
    }

    int taskCount()
    {
        store::Query q(db);
        q.setSql({"SELECT COUNT(*) AS n FROM CRarc66"});
        q.open();
        return int(q.fieldByName("n").asInteger());
    }
};

template <typename W> W* child(QWidget* parent, const QString& name)
{
    W* w = parent->findChild<W*>(name);
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}

// Runs `answer` on the modal dialog named `name` once it is up (the date
// chooser runs its own event loop and would otherwise wait for a user).
inline void whenModalOpens(const QString& name, std::function<void(QWidget*)> answer,
                           int tries = 200)
{
    QTimer::singleShot(5, [=] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == name)
            answer(modal);
        else if (tries > 0)
            whenModalOpens(name, answer, tries - 1);
    });
}
