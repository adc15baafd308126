#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace shared {
struct Services;
}
namespace store {
class Settings;
}

namespace contacts::ui {

// The dialling dialog (TTeleForm): the contact's numbers and Skype names in
// one editable list, the switchboard's outside-line "0", and the call through
// the platform's telephony or the call and chat addresses through the desktop.
class DialDialog final : public QDialog
{
    Q_OBJECT
public:
    struct Contact
    {
        QString name, phone, mobile, skype;
        // Text the user selected in the card's number fields: offered first.
        QString selection;
    };
    DialDialog(const Contact& contact, store::Settings& settings, shared::Services& services,
               QWidget* parent = nullptr);

    QComboBox* numbers() const { return m_numbers; }
    QCheckBox* outsideLine() const { return m_outsideLine; }
    QMenu* chatMenu() const { return m_chatMenu; }

    // "Dial": hands the number to the telephony and closes; the user is told
    // when nothing took the call.
    void dial();
    // The check box released: stores the choice and rebuilds the list.
    void outsideLineToggled();
    // The chat menu's "Telefona" and "Chatta".
    void callTo();
    void chat();
    void showHint();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildFields();
    QWidget* buildButtons();
    void rebuildList();
    void open(const QString& address);
    void paint();

    Contact m_contact;
    store::Settings& m_settings;
    shared::Services& m_services;
    int m_remembered = 0; // list position of the last entry chosen; -1 when typed
    QWidget* m_titlePanel = nullptr;
    QWidget* m_buttonBar = nullptr;
    QComboBox* m_numbers = nullptr;
    QCheckBox* m_outsideLine = nullptr;
    QPushButton* m_dial = nullptr;
    QMenu* m_chatMenu = nullptr;
};

} // namespace contacts::ui
