#pragma once

#include "documents/producers.h"

#include <QTabWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QDateEdit;

namespace platform {
class Prompter;
}
namespace store {
class Database;
class ResultSet;
} // namespace store

namespace documents::ui {

// Where the documents find what the other tabs show. Every function is
// asked at the moment a document is produced, so the document lists what
// the user sees then.
struct DocumentSources
{
    std::function<QDate()> today;
    std::function<QDate()> shownDay; // the Today view's day
    std::function<calendar::DatePatterns()> patterns;
    // Runs the section's list again as it stands and returns its rows.
    std::function<const store::ResultSet&(QChar kind)> sectionRows;
    std::function<const store::ResultSet&()> contactRows;
    std::function<QString()> contactGroup;
    std::function<const store::ResultSet&()> toDoRows;
    // Puts a list back on its first row once its document is written.
    std::function<void()> contactsToFirstRow;
    std::function<void()> toDoToFirstRow;
};

// The five document producers, one tab each, with their "Produce document"
// buttons. A document goes through the save dialog (rich or plain text,
// chosen by the file's type) and is written in one piece; a failed write is
// told and leaves an earlier file whole.
class DocumentsPage final : public QTabWidget
{
    Q_OBJECT
public:
    DocumentsPage(store::Database& database, platform::Prompter& prompter, DocumentSources sources,
                  QWidget* parent = nullptr);

    // The "Hide hints" option hides the pages' hint buttons too.
    void setHintsVisible(bool visible);
    // Asks where to save `document` and writes it; true when written.
    bool save(const ProducedDocument& document);

private:
    QWidget* buildTasks();
    QWidget* buildSections();
    QWidget* buildWeek();
    QWidget* buildContacts();
    QWidget* buildToDo();

    store::Database& m_database;
    platform::Prompter& m_prompter;
    DocumentSources m_sources;

    QDateEdit* m_from = nullptr;
    QDateEdit* m_to = nullptr;
    QCheckBox* m_free = nullptr;
    QCheckBox* m_taskNotes = nullptr;
    QCheckBox* m_taskSuspended = nullptr;
    QCheckBox* m_taskChecked = nullptr;
    QCheckBox* m_kinds[4] = {};
    QComboBox* m_section = nullptr;
    QCheckBox* m_sectionChecked = nullptr;
    QCheckBox* m_sectionNotes = nullptr;
    QCheckBox* m_sectionSuspended = nullptr;
    QCheckBox* m_days[7] = {};
    QCheckBox* m_weekNotes = nullptr;
    QCheckBox* m_contactFields[10] = {};
    QCheckBox* m_priority = nullptr;
    QCheckBox* m_percentage = nullptr;
    QCheckBox* m_toDoChecked = nullptr;
    QCheckBox* m_toDoNotes = nullptr;
};

} // namespace documents::ui
