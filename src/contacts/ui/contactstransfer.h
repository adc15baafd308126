#pragma once

#include "contacts/contactexport.h"

#include <QObject>

class QMenu;
class QToolButton;

namespace shared {
struct AppState;
struct Services;
} // namespace shared
namespace store {
class Database;
class Settings;
} // namespace store

namespace contacts::ui {

class ContactsPage;

// What the Contacts tab's Import, Export and Dial buttons do: the import
// dialog and the tab's reload after it, the export menu with its save
// dialog, and the dialling dialog for the selected contact.
class ContactsTransfer final : public QObject
{
    Q_OBJECT
public:
    struct Buttons
    {
        QToolButton* dial = nullptr;
        QToolButton* exportMenu = nullptr;
        QToolButton* import = nullptr;
    };
    ContactsTransfer(ContactsPage& page, Buttons buttons, store::Database& db,
                     store::Settings& settings, shared::Services& services);

    QMenu* exportMenu() const { return m_exportMenu; }

    void openImport();
    // Asks for a file and writes the listed contacts to it in `layout`.
    void exportListed(ExportLayout layout);
    void openDial();

    // The folder the export's save dialog starts in: the desktop, else home.
    static QString startFolder();

private:
    ContactsPage& m_page;
    Buttons m_buttons;
    store::Database& m_db;
    store::Settings& m_settings;
    shared::Services& m_services;
    QMenu* m_exportMenu = nullptr;
};

} // namespace contacts::ui
