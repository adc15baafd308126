#include "contactstransfer.h"

#include "contactcard.h"
#include "contactspage.h"
#include "dialdialog.h"
#include "importdialog.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QStandardPaths>
#include <QToolButton>

namespace contacts::ui {

ContactsTransfer::ContactsTransfer(ContactsPage& page, Buttons buttons, store::Database& db,
                                   store::Settings& settings, shared::Services& services)
    : QObject(&page), m_page(page), m_buttons(buttons), m_db(db), m_settings(settings),
      m_services(services)
{
    m_exportMenu = new QMenu(&page);
    m_exportMenu->setObjectName(QStringLiteral("PopupMenuCSV"));
    m_exportMenu->addAction(QStringLiteral("CSV complete"), this,
                            [this] { exportListed(ExportLayout::Complete); });
    m_exportMenu->addAction(QStringLiteral("CSV chopped [Beta]"), this,
                            [this] { exportListed(ExportLayout::Chopped); });
    connect(buttons.exportMenu, &QToolButton::clicked, this, [this] {
        m_exportMenu->popup(
            m_buttons.exportMenu->mapToGlobal(QPoint(0, m_buttons.exportMenu->height())));
    });
    connect(buttons.import, &QToolButton::clicked, this, &ContactsTransfer::openImport);
    connect(buttons.dial, &QToolButton::clicked, this, &ContactsTransfer::openDial);
}

void ContactsTransfer::openImport()
{
    if (m_page.isReadOnly())
        return;
    ImportDialog dialog(m_db, m_settings, m_services, m_page.window());
    connect(&dialog, &ImportDialog::contactsImported, this, [this](bool groupAdded) {
        // The imported contacts are shown whatever the tab was filtered by.
        m_page.clearSearch();
        if (auto* groups = m_page.groupFilter()) {
            if (groupAdded)
                groups->reload();
            groups->clearGroup();
        }
        m_page.refreshList();
    });
    shared::ui::placeOverParent(&dialog);
    dialog.exec();
}

QString ContactsTransfer::startFolder()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return desktop;
    return QDir::homePath();
}

void ContactsTransfer::exportListed(ExportLayout layout)
{
    const QString group = m_page.groupFilter() ? m_page.groupFilter()->text() : QString();
    const QString proposed =
        QDir(startFolder())
            .filePath(proposedExportName(layout, group, m_services.clock.now()) +
                      QStringLiteral(".csv"));
    QString path =
        m_services.prompter.saveFileName(QStringLiteral("Export contacts"), proposed,
                                         QStringLiteral("Comma Separated Value (*.csv)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    // Read from the list's rows, so that the card stays where it is.
    const QString error =
        writeContactExport(path, exportHeader(layout), exportRows(m_page.list().rows(), layout));
    if (!error.isEmpty()) {
        m_services.prompter.tell(
            QStringLiteral("I cannot write \"%1\": %2").arg(QDir::toNativeSeparators(path), error),
            platform::Prompter::Kind::Warning);
        return;
    }
    m_page.selectRow(0);
}

void ContactsTransfer::openDial()
{
    if (!m_page.hasSelection())
        return;
    const ListedContact c = m_page.selectedContact();
    DialDialog::Contact contact{c.ragsoc, c.tel, c.mobile, c.skype, {}};
    // A number picked out of the card's fields is offered first; later fields win.
    for (const char* name : {"DBEdit_Card_tel", "DBEdit_Card_mobile", "DBEdit_Card_skype"}) {
        if (auto* field = m_page.card()->findChild<QLineEdit*>(QString::fromLatin1(name))) {
            if (field->hasSelectedText())
                contact.selection = field->selectedText();
            field->deselect();
        }
    }
    DialDialog dialog(contact, m_settings, m_services, m_page.window());
    shared::ui::placeOverParent(&dialog);
    dialog.exec();
}

} // namespace contacts::ui
