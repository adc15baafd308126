// The Notes tab's commands on notes: new, modify, delete, duplicate, import.
#include "notestab.h"

#include "calendar/deleteconfirmation.h"
#include "notedialog.h"
#include "noteeditor.h"
#include "notelistmodel.h"
#include "notes/notefile.h"
#include "notes/noterecord.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "store/query.h"

#include <QFile>
#include <QToolButton>

namespace notes::ui {

using Kind = platform::Prompter::Kind;

void NotesTab::newNote()
{
    if (m_readOnly)
        return;
    confirmPendingNoteSave();
    openDialog(true, false);
}

void NotesTab::modifyNote()
{
    if (m_readOnly || selectedRow() < 0)
        return;
    openDialog(false, false);
}

void NotesTab::openDialog(bool isNew, bool enlarged)
{
    const int remembered = selectedRow();
    NoteDialog::Note note;
    if (!isNew) {
        note.codnot = m_model->codnot(remembered);
        note.title = m_model->title(remembered);
        // What the editor shows now, unsaved edits included.
        note.text = m_editor->storedText();
        note.group = m_model->group(remembered);
    } else if (m_groups) {
        note.group = m_groups->text();
    }
    NoteDialogDeps deps{m_db, *m_general, m_settings, m_services, m_printer,
                        [this](const QString& group) {
                            refreshNoteList();
                            if (!group.isEmpty() && m_groups)
                                m_groups->reload();
                        }};
    NoteDialog dialog(isNew ? NoteDialog::Mode::New : NoteDialog::Mode::Modify, deps,
                      m_groups ? m_groups->names() : QStringList(), note, window());
    if (enlarged)
        dialog.showEnlarged();
    dialog.exec();
    if (!isNew && dialog.savedOnce())
        selectRow(std::min(remembered, m_model->rowCount() - 1));
    emit sectionChangeRequested();
}

void NotesTab::deleteNote()
{
    const int remembered = selectedRow();
    if (m_readOnly || remembered < 0)
        return;
    QRandomGenerator& generator = m_generator ? *m_generator
                                              : calendar::deleteConfirmationGenerator();
    const QString question = QStringLiteral(" Stai per eliminare \"") +
                             m_model->title(remembered) +
                             calendar::deleteConfirmationSuffix(generator);
    if (!m_services.prompter.ask(question, Kind::Question))
        return;
    notes::deleteNote(*m_general, m_model->codnot(remembered));
    // The note is gone, and with it whatever edit it had.
    m_editor->discardPendingChanges();
    refreshNoteList();
    // Counted from 1: the same position while it is before the last row,
    // otherwise the one before it.
    const int position = remembered + 1;
    const int rows = m_model->rowCount();
    selectRow(position < rows ? position - 1 : position - 2);
}

void NotesTab::duplicateNote()
{
    if (m_readOnly || selectedRow() < 0)
        return;
    confirmPendingNoteSave();
    const int remembered = selectedRow();
    if (remembered < 0)
        return;
    notes::insertNote(*m_general,
                      {m_model->title(remembered), m_model->text(remembered),
                       m_model->group(remembered)},
                      m_services.clock.now());
    refreshNoteList();
    selectRow(remembered);
}

void NotesTab::importNote()
{
    if (m_readOnly)
        return;
    confirmPendingNoteSave();
    const QString path =
        m_services.prompter.openFileName(QStringLiteral("Import note"), QString(),
                                         QStringLiteral("Text file (*.txt);;All files (*.*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_services.prompter.tell(QStringLiteral("I can not read \"") + fileNameOnly(path) +
                                     QStringLiteral("\":\r") + file.errorString(),
                                 Kind::Warning);
        return;
    }
    const std::optional<QString> text = decodeNoteFile(file.readAll(), m_editor->charset());
    if (!text) {
        m_services.prompter.tell(notTextMessage(), Kind::Warning);
        return;
    }
    insertImportedNote(*m_general, fileNameOnly(path), *text);
    refreshNoteList();
}

} // namespace notes::ui
