#pragma once

#include <QChar>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QAbstractButton;
class QComboBox;
class QWidget;

namespace platform {
class Prompter;
}
namespace store {
class Database;
class Settings;
} // namespace store

namespace shared::ui {

// The group filter of one section (contacts 'C', notes 'N', to-do 'L'): an
// editable combo offering the section's known groups, and its insert, delete
// and clear buttons.
//
// Typed text filters the section at once but is remembered (in the settings
// row) only when a name is chosen from the list, or when the field is cleared
// or emptied; the section answers filterChanged() by running its list
// statement. Engine errors of the group table and the settings row are not
// caught. The combo never adds typed text to its list by itself: only a
// confirmed insert does.
class GroupFilter final : public QObject
{
    Q_OBJECT
public:
    struct Widgets
    {
        QComboBox* combo = nullptr;
        QAbstractButton* insert = nullptr;
        QAbstractButton* remove = nullptr;
        QAbstractButton* clear = nullptr;
    };

    // Texts that name no group but ask for the entries without one.
    static QString isNullEntry() { return QStringLiteral("[ IS NULL ]"); }
    static QString emptyEntry() { return QStringLiteral("[ VUOTO ]"); }
    static bool isPseudoEntry(const QString& text)
    {
        return text == isNullEntry() || text == emptyEntry();
    }

    // A combo and three tool buttons under `parent`, named for the section.
    static Widgets buildWidgets(QChar section, QWidget* parent);

    // Takes over the widgets (named for the section when they carry no name
    // yet) and fills the list. `section` is 'C', 'N' or 'L'.
    GroupFilter(QChar section, Widgets widgets, store::Database& db, store::Settings& settings,
                platform::Prompter& prompter, QObject* parent = nullptr);

    QChar section() const { return m_section; }
    const Widgets& widgets() const { return m_widgets; }
    // The filter text as the section's list statement should use it.
    QString text() const;
    // The known names as the list offers them, for the group fields of the
    // section's dialogs.
    QStringList names() const;

    // Runs before every group action and field change, so that a section can
    // settle pending work first (the notes editor's unsaved change).
    void setBeforeAction(std::function<void()> hook) { m_beforeAction = std::move(hook); }
    // Read-only access: the insert and delete buttons are hidden and refused.
    void setReadOnly(bool readOnly);

    // Loads the section's names again; the field keeps its text. The delete
    // button is enabled only when the section has a name.
    void reload();
    // Puts the remembered group into the field, as at start-up, without
    // writing it back.
    void restore();
    // Puts `text` into the field as if typed (the contacts' "[ IS NULL ]" button).
    void setFilterText(const QString& text);

    // The buttons' actions; each may ask a question first.
    void insertGroup();
    void deleteGroup();
    void clearGroup();

signals:
    // The filter text changed: run the section's list statement again.
    void filterChanged();

private:
    void edited();
    void chosen();
    void applyChange();
    void remember(const QString& text);
    void putText(const QString& text);
    void settle();

    QChar m_section;
    Widgets m_widgets;
    store::Database& m_db;
    store::Settings& m_settings;
    platform::Prompter& m_prompter;
    std::function<void()> m_beforeAction;
    bool m_readOnly = false;
    bool m_quiet = false; // the field is being set by the program
};

} // namespace shared::ui
