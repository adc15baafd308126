#pragma once

#include "contacts/contactlist.h"

#include <QImage>
#include <QWidget>

class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QTextEdit;
class QToolButton;

namespace contacts::ui {

// The card beside the contact list: every field of the current contact, its
// picture and birthday, its note with the open-selection button, and the
// title bar's buttons. The card only shows; the page decides what its
// buttons and double clicks do.
class ContactCard final : public QWidget
{
    Q_OBJECT
public:
    explicit ContactCard(QWidget* parent = nullptr);

    // What the card shows. `birthday` is the formatted date of the linked
    // birthday, empty when the contact has none; `picture` is null when no
    // picture was found.
    struct Content
    {
        bool any = false; // false with an empty list
        ListedContact contact;
        QString birthday;
        QImage picture;
    };
    void show(const Content& content);
    const Content& content() const { return m_content; }

    // The selected text of the note and whether it may be opened.
    QString noteSelection() const;
    // The open-selection button after the user let go of the mouse in the
    // note, or after the list took the mouse (`clearSelection`).
    void checkNoteSelection(bool clearSelection = false);
    bool noteEnlarged() const;
    void setReadOnly(bool readOnly);

    QToolButton* quickTaskButton() const { return m_quickTask; }

signals:
    void hideRequested();
    void webSearchRequested();
    void quickTaskRequested(QChar kind);
    // A double click on the title, a field, the picture or the birthday; on
    // the note only while it is empty.
    void modifyRequested();
    // The open-selection button: the text to open.
    void openRequested(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* addField(QGridLayout* grid, int row, const char* label, const char* name);
    void openSelection();
    void layoutNote();

    Content m_content;
    bool m_readOnly = false;
    QWidget* m_titleBar = nullptr;
    QLabel* m_title = nullptr;
    QToolButton* m_close = nullptr;
    QToolButton* m_spy = nullptr;
    QToolButton* m_quickTask = nullptr;
    QWidget* m_fieldsArea = nullptr;
    QLineEdit* m_company = nullptr;
    QLineEdit* m_phone = nullptr;
    QLineEdit* m_mobile = nullptr;
    QLineEdit* m_skype = nullptr;
    QLineEdit* m_fax = nullptr;
    QLineEdit* m_email = nullptr;
    QLineEdit* m_web = nullptr;
    QLineEdit* m_group = nullptr;
    QPlainTextEdit* m_address = nullptr;
    QLabel* m_picture = nullptr;
    QWidget* m_birthdayBox = nullptr;
    QLabel* m_birthday = nullptr;
    QWidget* m_noteArea = nullptr;
    QPlainTextEdit* m_note = nullptr;
    QToolButton* m_rocket = nullptr;
    QToolButton* m_stop = nullptr;
    QToolButton* m_zoom = nullptr;
    QMenu* m_quickMenu = nullptr;
};

} // namespace contacts::ui
