// The tools of the notes editor that act on its text: undo, find,
// statistics, the date stamp, export and opening a selection.
#include "noteeditor.h"
#include "notefindwindow.h"
#include "notes/notefile.h"
#include "notes/notefind.h"
#include "notes/notestats.h"
#include "notes/openselection.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"

#include <QApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QToolButton>

namespace notes::ui {

using Kind = platform::Prompter::Kind;

void NoteEditor::toggleUndo()
{
    if (m_readOnly)
        return;
    // One button for both: it undoes the last edit, and pressed again takes
    // that undo back.
    if (m_lastWasUndo && m_editor->document()->isRedoAvailable()) {
        m_editor->redo();
        m_lastWasUndo = false;
    } else {
        m_editor->undo();
        m_lastWasUndo = true;
    }
}

void NoteEditor::showFind()
{
    if (!m_find) {
        m_find = new NoteFindWindow(this);
        connect(m_find, &NoteFindWindow::findNext, this, &NoteEditor::findNextMatch);
        // Placed before it is mapped: left to the window manager it may open
        // at the screen's corner, far from the text it searches.
        shared::ui::placeBelow(m_find, m_findButton);
    }
    const QString selected = m_editor->textCursor().selectedText();
    if (!selected.isEmpty() && !selected.contains(QChar::ParagraphSeparator))
        m_find->setSearched(selected);
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void NoteEditor::findNextMatch(const QString& searched)
{
    const QTextCursor cursor = m_editor->textCursor();
    const auto at = findNext(plainText(), searched, cursor.selectionStart(),
                             cursor.selectionEnd() - cursor.selectionStart());
    if (!at) {
        m_services.prompter.tell(notFoundMessage(searched), Kind::Information);
        return;
    }
    QTextCursor match(m_editor->document());
    match.setPosition(int(*at));
    match.setPosition(int(*at + searched.size()), QTextCursor::KeepAnchor);
    m_editor->setTextCursor(match);
    m_editor->ensureCursorVisible();
}

void NoteEditor::fastStats()
{
    m_services.prompter.tell(notes::fastStatsMessage(notes::fastStats(plainText())),
                             Kind::Information);
}

void NoteEditor::advancedStats()
{
    const QString text = plainText();
    if (m_editor->document()->blockCount() > AdvancedStatsQuietLines &&
        !m_services.prompter.ask(advancedStatsQuestion(), Kind::Question))
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const AdvancedStats stats = notes::advancedStats(text);
    QApplication::restoreOverrideCursor();
    m_services.prompter.tell(advancedStatsMessage(stats), Kind::Information);
}

void NoteEditor::insertDateTime()
{
    if (m_readOnly)
        return;
    const QDateTime now = m_services.clock.now();
    const QString stamp = store::Settings::formatDateTime(now, m_settings.dataShot()) +
                          QStringLiteral(" - ") + now.toString(QStringLiteral("hh.mm.ss"));
    QTextCursor end(m_editor->document());
    end.movePosition(QTextCursor::End);
    end.insertText(m_editor->document()->isEmpty() ? stamp : u'\n' + stamp);
    m_editor->setTextCursor(end);
    m_editor->ensureCursorVisible();
    // The stamp is not one of the edits the undo button takes back.
    m_undo->setEnabled(false);
}

void NoteEditor::exportNote()
{
    QString path = m_services.prompter.saveFileName(
        QStringLiteral("Export note"), m_title,
        QStringLiteral("Text file (*.txt);;All files (*.*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    if (QFileInfo::exists(path) &&
        !m_services.prompter.ask(QStringLiteral("Overwrite \"") + fileNameOnly(path) +
                                 QStringLiteral("\"?")))
        return;
    const QString error = writeNoteFile(path, plainText());
    if (!error.isEmpty())
        m_services.prompter.tell(QStringLiteral("I can not write \"") + fileNameOnly(path) +
                                     QStringLiteral("\":\r") + error,
                                 Kind::Warning);
}

namespace {

QString selectionOf(const QPlainTextEdit& editor)
{
    QString text = editor.textCursor().selectedText();
    return text.replace(QChar::ParagraphSeparator, u'\n');
}

bool pathExists(const QString& path)
{
    return QFileInfo::exists(path);
}

} // namespace

void NoteEditor::selectionReleased()
{
    m_open->setEnabled(false);
    m_open->setToolTip(openSelectionHint());
    const QString selection = selectionOf(*m_editor);
    if (!isOpenableSelection(selection, pathExists))
        return;
    m_open->setEnabled(true);
    m_open->setToolTip(selection);
    if (m_autoOpen->isChecked())
        openSelection();
}

void NoteEditor::openSelection()
{
    const OpenTarget target = openTarget(selectionOf(*m_editor), pathExists);
    switch (target.kind) {
    case OpenTarget::Kind::Url:
        m_services.desktop.openUrl(target.text);
        break;
    case OpenTarget::Kind::Path:
        m_services.desktop.openPath(target.text);
        break;
    case OpenTarget::Kind::None:
        break;
    }
}

void NoteEditor::listSelectionReleased()
{
    QTextCursor cursor = m_editor->textCursor();
    cursor.clearSelection();
    m_editor->setTextCursor(cursor);
    m_open->setEnabled(false);
    m_open->setToolTip(QStringLiteral("Apri e-mail/URL selezionato"));
}

} // namespace notes::ui
