#pragma once

#include "store/query.h"
#include "todo/todorecord.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QStackedWidget;
class QToolButton;

namespace platform {
class Printer;
}
namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace store {
class Database;
class Settings;
} // namespace store

namespace todo::ui {

// What the to-do dialogs need from around them.
struct ToDoDialogDeps
{
    store::Database& database;
    store::Settings& settings;
    shared::Services& services;
    shared::AppState& state;              // the program folder, for attachments
    platform::Printer* printer = nullptr; // Modify's "Print"; hidden without one
    QStringList groups;                   // the to-do group list, offered in the group field
};

// The New ("-> Add in To-Do List") and Modify ("-> Modify in To-Do List")
// dialogs of a to-do entry, borderless, in the To-do section colour. Each
// save writes one INSERT or UPDATE, adds a new group name to the to-do group
// list and emits saved(); the list is the caller's to refresh.
class ToDoDialog final : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        New,
        Modify
    };

    // New: starts empty, priority 5, in group `group`. Modify: shows `entry`.
    ToDoDialog(Mode mode, ToDoDialogDeps deps, const ToDoEntry& entry, bool enlargedNote = false,
               QWidget* parent = nullptr);
    ~ToDoDialog() override;

    Mode mode() const { return m_mode; }
    bool savedAny() const { return m_savedAny; }
    QColor sectionColour() const { return m_colour; }

    void insert();         // "Insert": save, empty the fields but the group, stay open
    void insertAndClose(); // "Insert and close"
    void modify();         // "Modify": save and close
    void toggleNoteArea(); // "+" / "-"
    bool noteAreaEnlarged() const;
    void attachFile();
    void attachFolder();
    void showHint();

signals:
    void saved(qint64 codtod, const QString& group);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildFields();
    QWidget* buildButtons();
    void load(const ToDoEntry& entry);
    void clearForNext();
    bool save();
    void descriptionEdited();
    void attachmentEdited(const QString& text);
    void barMoved(int position);
    void doneClicked(bool ticked);
    void defaultAction();

    Mode m_mode;
    ToDoDialogDeps m_deps;
    store::Query m_query;
    qint64 m_codtod = 0;
    QString m_flag; // Modify: as loaded
    Completion m_completion;
    bool m_savedAny = false;
    QColor m_colour;

    QWidget* m_titlePanel = nullptr;
    QWidget* m_buttonBar = nullptr;
    QStackedWidget* m_area = nullptr;
    QLineEdit* m_description = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPlainTextEdit* m_bigNote = nullptr;
    QSpinBox* m_priority = nullptr;
    QCheckBox* m_done = nullptr;
    QSlider* m_bar = nullptr;
    QLabel* m_percentLabel = nullptr;
    QLineEdit* m_attachment = nullptr;
    QToolButton* m_clearAttachment = nullptr;
    QLineEdit* m_link = nullptr;
    QToolButton* m_clearLink = nullptr;
    QComboBox* m_group = nullptr;
    QToolButton* m_noteToggle = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_insertClose = nullptr;
    QPushButton* m_modify = nullptr;
};

} // namespace todo::ui
