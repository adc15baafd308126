#pragma once

#include "calendar/ui/dialogs/taskdialogdeps.h"
#include "contacts/birthdays.h"
#include "contacts/contactrecord.h"

#include <QDialog>
#include <QImage>

class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedWidget;
class QToolButton;

namespace contacts::ui {

// What the Contacts tab hands a contact dialog when it opens one: its group
// list, and the group its filter shows (a contact added meanwhile lands there).
struct ContactDialogStart
{
    QStringList groups;
    QString currentGroup;
};

// The New and Modify contact dialogs on the task dialogs' frame: the fields,
// the group, the picture with its menu, the note with its enlarged view, and
// in Modify the Birthday button that links the contact to a yearly task.
//
// Each save writes one INSERT or UPDATE (with the group, in one go) and
// emits contactSaved(); a change to the linked yearly tasks emits
// yearlyTasksChanged(). The lists are the caller's to reload.
class ContactDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Mode
    {
        New,
        Modify
    };
    ~ContactDialog() override;

    Mode mode() const { return m_mode; }
    qint64 codcon() const { return m_codcon; }
    bool savedAny() const { return m_savedAny; }
    // The picture path the next save stores.
    const QString& photoPath() const { return m_photoPath; }
    // The picture shown; null while the blank frame with "Photo" shows.
    const QImage& photo() const { return m_photo; }
    // The contact as the fields hold it now.
    ContactFields fields() const;

    // The buttons.
    void insert();         // "Insert": save and clear for the next contact
    void insertAndClose(); // "Insert and close"
    void modify();         // "Modify": save and close
    void print();          // "Print": an image of the dialog
    void toggleNoteArea(); // "+" / "-"
    bool noteAreaEnlarged() const;
    void showHint();
    // The picture menu.
    void openPhoto();
    void deletePhoto();
    // The birthday menu.
    void birthdayInsertOrModify();
    void birthdaySearch();
    void birthdayUnlink();
    void birthdayDelete();
    void birthdayButtonClicked(); // New: only tells why it cannot link yet

signals:
    void contactSaved(qint64 codcon);
    void yearlyTasksChanged();

protected:
    ContactDialog(Mode mode, calendar::ui::TaskDialogDeps& deps, const ContactDialogStart& start,
                  QWidget* parent);
    // Ends the construction: a stored contact for Modify, nothing for New.
    void setUp(const std::optional<ContactFields>& stored, qint64 codcon, bool enlargedNote);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildFields();
    QWidget* buildPhoto();
    QWidget* buildButtons();
    QLineEdit* addLine(const char* name, const QString& caption, int limit);
    void addAttachment(QLineEdit* field);
    void paint();
    void clearFields();
    void load(const ContactFields& stored);
    void showPhoto(const QImage& image);
    void updateButtons();
    bool save();
    void defaultAction();
    void copyNote(QPlainTextEdit* from, QPlainTextEdit* to);
    void attachFile(QLineEdit* field);
    void attachFolder(QLineEdit* field);
    void refreshBirthday();
    void afterYearlyChange();

    const Mode m_mode;
    calendar::ui::TaskDialogDeps& m_deps;
    const ContactDialogStart m_start;
    QColor m_sectionColour;
    qint64 m_codcon = 0;
    bool m_savedAny = false;
    bool m_copyingNote = false;
    QString m_photoPath;
    QImage m_photo;
    QList<LinkedTask> m_linked;

    QWidget* m_titlePanel = nullptr;
    QToolButton* m_noteButton = nullptr;
    QStackedWidget* m_area = nullptr;
    QWidget* m_fieldsPanel = nullptr;
    QWidget* m_buttonBar = nullptr;
    QList<QPair<QLineEdit*, int>> m_limited; // fields with their typing limit
    QLineEdit* m_name = nullptr;
    QLineEdit* m_company = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_mobile = nullptr;
    QLineEdit* m_skype = nullptr;
    QLineEdit* m_fax = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_site = nullptr;
    QPlainTextEdit* m_address = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QPlainTextEdit* m_bigNote = nullptr;
    QComboBox* m_group = nullptr;
    QLineEdit* m_attachments[3] = {};
    QToolButton* m_photoButton = nullptr;
    QToolButton* m_birthday = nullptr;
    QMenu* m_birthdayMenu = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_insertClose = nullptr;
    QPushButton* m_modify = nullptr;
};

// The two dialogs by the names the rest of the program knows them by.
class TAggConForm final : public ContactDialog
{
    Q_OBJECT
public:
    TAggConForm(calendar::ui::TaskDialogDeps& deps, const ContactDialogStart& start,
                QWidget* parent = nullptr);
};
class TModConForm final : public ContactDialog
{
    Q_OBJECT
public:
    TModConForm(calendar::ui::TaskDialogDeps& deps, const ContactDialogStart& start, qint64 codcon,
                const ContactFields& stored, bool enlargedNote = false, QWidget* parent = nullptr);
};

// The "Hint" message of each dialog.
QString contactHintMessage(ContactDialog::Mode mode);
// Modify found no contact to save into: another program sharing the archive
// deleted it while the dialog was open.
inline const QString ContactGoneMessage = QStringLiteral(
    "This contact no longer exists: another program using the same archive has deleted it.\r"
    "Nothing has been saved; what you typed is still in the window.");

} // namespace contacts::ui
