#pragma once

#include <QPointer>
#include <QWidget>

class QLabel;
class QMenu;
class QPlainTextEdit;
class QToolButton;

namespace shared {
struct Services;
}
namespace platform {
class Printer;
}

namespace store {
class Settings;
}

namespace notes::ui {

class FormatBar;
class NoteFindWindow;

// The right side of the Notes tab: the title bar, the editor bound to the
// current note and the editor's tools. The editor has pending changes exactly
// while its text differs from the text last loaded or saved ("Update file"
// is enabled exactly then); what the tab does with them, and with the list,
// is the tab's business.
class NoteEditor final : public QWidget
{
    Q_OBJECT
public:
    NoteEditor(store::Settings& settings, shared::Services& services, QWidget* parent = nullptr);
    ~NoteEditor() override;

    // The note whose text was last changed in the editor.
    struct EditedNote
    {
        qint64 codnot = 0;
        QString title;
        QString text; // CRLF line ends, as stored
    };

    // Shows a note: the title bar, its text, enabled. The stored text is
    // taken as it is in the archive (CRLF).
    void loadNote(qint64 codnot, const QString& title, const QString& storedText);
    // No note: empty, disabled, no title.
    void clearNote();
    bool hasPendingChanges() const;
    // With pending changes this is the note in the editor: every move away
    // from a note settles them first.
    EditedNote editedNote() const;
    // "No" to saving: the changes go when the editor is next loaded.
    void discardPendingChanges();
    // The editor's text with CRLF line ends, as it would be stored.
    QString storedText() const;
    // The editor's text as it stands (line feeds only).
    QString plainText() const;

    QPlainTextEdit* editor() const { return m_editor; }
    // The character set the editor's font carries, which also decodes
    // imported files that are not UTF-8.
    int charset() const;
    // The list-dependent tools, enabled while the list has rows.
    void setToolsEnabled(bool any);
    // "Print " prints the editor's text through `printer` once there is one.
    void setPrinter(platform::Printer* printer);
    // A mouse release in the notes list: the editor's selection is dropped.
    void listSelectionReleased();
    // The character map and calculator buttons, once something starts them.
    void setDesktopToolsAvailable(bool available);
    // Read-only access: the text cannot change, so nothing waits to be saved;
    // the tools that change it and the format bar go.
    void setReadOnly(bool readOnly);
    bool isReadOnly() const { return m_readOnly; }

signals:
    void updateRequested();
    void importRequested();
    void characterMapRequested();
    void calculatorRequested();
    // "Show / hide note's list": true to hide it.
    void listHidden(bool hidden);

private:
    QWidget* buildTools();
    void buildMenus();
    void textEdited();
    void applySettings();
    void applyEditorSettings();
    void toggleUndo();
    void showFind();
    void findNextMatch(const QString& searched);
    void fastStats();
    void advancedStats();
    void insertDateTime();
    void exportNote();
    void selectionReleased();
    void openSelection();
    void printNote();

    store::Settings& m_settings;
    platform::Printer* m_printer = nullptr;
    bool m_toolsEnabled = false;
    shared::Services& m_services;
    qint64 m_codnot = 0;
    QString m_title;
    QString m_storedPlain; // the stored text with line feeds, for comparing
    bool m_loading = false;
    bool m_lastWasUndo = false;
    bool m_readOnly = false;

    QLabel* m_titleBar = nullptr;
    QPlainTextEdit* m_editor = nullptr;
    FormatBar* m_format = nullptr;
    QPointer<NoteFindWindow> m_find;
    QMenu* m_statsMenu = nullptr;
    QToolButton* m_print = nullptr;
    QToolButton* m_hint = nullptr;
    QToolButton* m_breakLine = nullptr;
    QToolButton* m_findButton = nullptr;
    QToolButton* m_update = nullptr;
    QToolButton* m_export = nullptr;
    QToolButton* m_showList = nullptr;
    QToolButton* m_import = nullptr;
    QToolButton* m_formatToggle = nullptr;
    QToolButton* m_undo = nullptr;
    QToolButton* m_date = nullptr;
    QToolButton* m_charMap = nullptr;
    QToolButton* m_calc = nullptr;
    QToolButton* m_stats = nullptr;
    QToolButton* m_open = nullptr;
    QToolButton* m_autoOpen = nullptr;
};

} // namespace notes::ui
