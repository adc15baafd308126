#pragma once

#include "calendar/taskdialoglogic.h"
#include "store/query.h"
#include "taskdialogdeps.h"

#include <QDialog>

class QCheckBox;
class QDateEdit;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace calendar::ui {

class TSelectForm;
class TimeField;

// The frame every task dialog is built on: description, note with its
// enlarged view, From and To, the date with its chooser, search key,
// attachment, the options "Remember", "Suspend" and "Expiration", and the
// buttons. A kind adds its own options and says how its date reads; the
// frame does the rest, for New and Modify alike.
//
// Each save writes one INSERT or UPDATE and emits taskSaved(); the lists are
// the caller's to refresh.
class TaskDialog : public QDialog
{
    Q_OBJECT
public:
    ~TaskDialog() override;

    const QString& kind() const { return m_kind; }
    DialogMode mode() const { return m_mode; }
    // The task being modified, or the one inserted last; 0 before any save.
    qint64 codimp() const { return m_codimp; }
    bool savedAny() const { return m_savedAny; }
    // The kind's section colour, which paints the frame.
    QColor sectionColour() const { return m_sectionColour; }
    // The text of the last statement written.
    QStringList lastStatement() const { return m_query.sql(); }

    // The buttons. Each checks the times first; nothing is written while the
    // description is empty.
    void insert();         // "Insert": save and clear for the next task
    void insertAndClose(); // "Insert and close"
    void modify();         // "Modify": save and close
    void print();          // "Print": an image of the dialog
    void chooseDate();     // "Show calendar" and a click on the date
    void toggleNoteArea(); // "+" / "-"
    void showHint();
    void attachFile();
    void attachFolder();
    bool noteAreaEnlarged() const;

    // The date chooser, made when first needed and kept.
    TSelectForm& chooser();

signals:
    void taskSaved(const QString& kind, qint64 codimp);

protected:
    TaskDialog(const QString& kind, DialogMode mode, TaskDialogDeps& deps, QWidget* parent);

    // Ends the construction once the kind's widgets exist: colours, the
    // starting values or the stored task, the option enabling.
    void setUp(const StoredTask* stored, bool enlargedNote = false);

    // ---- What a kind adds ----------------------------------------------------------
    // Its option boxes go at the head of the options grid.
    virtual void addKindOptions(QGridLayout* options, int& row);
    // The date field's text for TaskDialogDate.
    virtual QString dateText() const = 0;
    // Where the chooser opens.
    virtual QDate chooserStart() const;
    // After the chooser handed back a new date.
    virtual void dateChosen() {}
    virtual void fillKind(TaskDraft& draft) const;
    virtual void loadKind(const StoredTask& stored);
    virtual void paintKind() {}
    // The kind's part of the option enabling; the frame has set its own.
    virtual void enableKindOptions() {}
    // Whether "Expiration" may be ticked now.
    virtual bool expirationAllowed() const { return true; }
    // New dialogs: after the frame's starting values.
    virtual void startKind() {}
    // Before the chooser or the description message shows.
    virtual void stepAside() {}

    // ---- For the kinds -------------------------------------------------------------
    TaskDialogDeps& deps() const { return m_deps; }
    const QLocale& locale() const { return m_deps.locale; }
    QDate taskDate() const;
    QDate today() const;
    QCheckBox* addOption(QGridLayout* options, int row, int column, const char* name,
                         const QString& caption);
    void refreshDate(); // date field, expiry floor
    void updateOptions();
    QLineEdit* descriptionField() const { return m_description; }
    QLineEdit* searchField() const { return m_search; }
    QLineEdit* attachmentField() const { return m_attachment; }
    QCheckBox* expirationBox() const { return m_expiration; }
    QPushButton* insertButton() const { return m_insert; }
    QLabel* dateLabel() const { return m_dateLabel; }

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildFields();
    QWidget* buildButtons();
    void paint();
    void clearFields();
    void startNew();
    void load(const StoredTask& stored);
    bool timesAccepted();
    TaskDraft draft();
    void capitalizeFields();
    bool saveNew();
    void attachmentEdited(const QString& text);
    void copyNote(QPlainTextEdit* from, QPlainTextEdit* to);
    void defaultAction();
    QDate shownDate() const;

    const QString m_kind;
    const DialogMode m_mode;
    const TaskDialogTexts m_texts;
    TaskDialogDeps& m_deps;
    store::Query m_query;
    QColor m_sectionColour;
    qint64 m_codimp = 0;
    bool m_savedAny = false;
    QDate m_storedDate;
    DoneState m_storedDone;
    TSelectForm* m_chooser = nullptr; // a child, made when first needed
    bool m_copyingNote = false;

    QWidget* m_titlePanel = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_noteButton = nullptr;
    QStackedWidget* m_area = nullptr;
    QWidget* m_fieldsPanel = nullptr;
    QLineEdit* m_description = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPlainTextEdit* m_bigNote = nullptr;
    TimeField* m_from = nullptr;
    TimeField* m_to = nullptr;
    QLabel* m_dateLabel = nullptr;
    QLineEdit* m_search = nullptr;
    QToolButton* m_clearSearch = nullptr;
    QLineEdit* m_attachment = nullptr;
    QToolButton* m_clearAttachment = nullptr;
    QCheckBox* m_remember = nullptr;
    QCheckBox* m_suspend = nullptr;
    QCheckBox* m_expiration = nullptr;
    QDateEdit* m_expiry = nullptr;
    QLabel* m_done = nullptr;
    QWidget* m_buttonBar = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_insertClose = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_print = nullptr;
    QPushButton* m_close = nullptr;
};

} // namespace calendar::ui
