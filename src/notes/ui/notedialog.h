#pragma once

#include <QDialog>
#include <QStringList>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace platform {
class Printer;
}
namespace shared {
struct Services;
}
namespace store {
class Database;
class Query;
class Settings;
} // namespace store

namespace notes::ui {

// What the note dialogs need from the window.
struct NoteDialogDeps
{
    store::Database& database;
    store::Query& general;
    store::Settings& settings;
    shared::Services& services;
    platform::Printer* printer = nullptr; // "Print" of the Modify dialog; none disables it
    // After every save: the notes list runs its statement again and, when
    // the note has a group, the group list is reloaded.
    std::function<void(const QString& group)> saved;
};

// The New Note (`TAggNoteForm`) and Modify Note (`TModNoteForm`) dialogs:
// frameless, modal, in the Notes colour. A New dialog saves with "Insert"
// (and stays open for the next note) or "Insert and close"; a Modify dialog
// saves the note it was opened on and closes.
class NoteDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { New, Modify };
    struct Note
    {
        qint64 codnot = 0; // Modify only
        QString title;
        QString text; // CRLF line ends
        QString group;
    };

    NoteDialog(Mode mode, NoteDialogDeps deps, const QStringList& groups, const Note& note,
               QWidget* parent = nullptr);

    // Modify: open with the enlarged text area.
    void showEnlarged();
    bool savedOnce() const { return m_saved; }

private:
    QWidget* buildFields();
    QWidget* buildButtons();
    void toggleEnlarged();
    void save(bool close);
    QString hintText() const;

    Mode m_mode;
    NoteDialogDeps m_deps;
    qint64 m_codnot = 0;
    bool m_saved = false;

    QLabel* m_titlePanel = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLineEdit* m_title = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPlainTextEdit* m_large = nullptr;
    QComboBox* m_group = nullptr;
    QToolButton* m_enlarge = nullptr;
};

} // namespace notes::ui
