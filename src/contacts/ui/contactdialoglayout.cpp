#include "calendar/taskdialoglogic.h"
#include "contactdialog.h"
#include "shared/appstate.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

// How the contact dialogs' widgets are laid out; what they do is in
// contactdialog.cpp and contactdialogbirthday.cpp.

namespace contacts::ui {
namespace {

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QPushButton* barButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter is the dialog's own business; no button is a default button.
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QLabel* caption(const QString& text, QWidget* parent, bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

QAction* menuEntry(QMenu* menu, const char* name, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

QWidget* ContactDialog::buildTitle()
{
    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("PanelTitolo"));
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 2, 2, 2);
    auto* title = new QLabel(m_mode == Mode::New ? QStringLiteral("Insert Contact")
                                                 : QStringLiteral("Modify Contact"),
                             m_titlePanel);
    title->setObjectName(QStringLiteral("LabelTitolo"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(title, 1);
    auto* hint =
        toolButton(m_titlePanel, "SpeedButtonHint", QStringLiteral("Hint"), QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    connect(hint, &QToolButton::clicked, this, &ContactDialog::showHint);
    row->addWidget(hint);
    m_noteButton = toolButton(m_titlePanel, "SpeedButtonZoomNote", QStringLiteral("+"),
                              QStringLiteral("Expand / Collapse edit notes area"));
    m_noteButton->setAutoRaise(true);
    connect(m_noteButton, &QToolButton::clicked, this, &ContactDialog::toggleNoteArea);
    row->addWidget(m_noteButton);
    return m_titlePanel;
}

QLineEdit* ContactDialog::addLine(const char* name, const QString& text, int limit)
{
    auto* grid = static_cast<QGridLayout*>(m_fieldsPanel->layout());
    const int row = grid->rowCount();
    auto* field = new QLineEdit(m_fieldsPanel);
    field->setObjectName(QString::fromLatin1(name));
    field->setMaxLength(limit);
    field->installEventFilter(this);
    m_limited.append({field, limit});
    grid->addWidget(caption(text, m_fieldsPanel, field->objectName() == u"Edit_ragsoc"), row, 0);
    grid->addWidget(field, row, 1, 1, 4);
    return field;
}

void ContactDialog::addAttachment(QLineEdit* field)
{
    auto* grid = static_cast<QGridLayout*>(m_fieldsPanel->layout());
    const int row = grid->rowCount() - 1;
    grid->removeWidget(field);
    grid->addWidget(field, row, 1);
    auto* file =
        toolButton(m_fieldsPanel, "", QStringLiteral("File"), QStringLiteral("Attach file"));
    auto* folder =
        toolButton(m_fieldsPanel, "", QStringLiteral("Folder"), QStringLiteral("Attach folder"));
    auto* clear = toolButton(m_fieldsPanel, "", QStringLiteral("Clear"), QStringLiteral("Clear"));
    file->setObjectName(field->objectName() + QStringLiteral("_File"));
    folder->setObjectName(field->objectName() + QStringLiteral("_Folder"));
    clear->setObjectName(field->objectName() + QStringLiteral("_Clear"));
    connect(file, &QToolButton::clicked, this, [this, field] { attachFile(field); });
    connect(folder, &QToolButton::clicked, this, [this, field] { attachFolder(field); });
    connect(clear, &QToolButton::clicked, field, &QLineEdit::clear);
    clear->setEnabled(false);
    connect(field, &QLineEdit::textChanged, this, [this, field, clear](const QString& text) {
        field->setToolTip(text);
        clear->setEnabled(!text.isEmpty());
        const QString relative =
            calendar::withoutAttachmentFolders(text, m_deps.state.programFolder);
        if (relative != text)
            field->setText(relative);
    });
    grid->addWidget(file, row, 2);
    grid->addWidget(folder, row, 3);
    grid->addWidget(clear, row, 4);
}

QWidget* ContactDialog::buildFields()
{
    m_fieldsPanel = new QWidget(this);
    m_fieldsPanel->setObjectName(QStringLiteral("PanelDati"));
    auto* outer = new QHBoxLayout(m_fieldsPanel);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* form = new QWidget(m_fieldsPanel);
    auto* grid = new QGridLayout(form);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setColumnStretch(1, 1);
    outer->addWidget(form, 1);
    outer->addWidget(buildPhoto());

    // addLine() puts each field under the ones before.
    QWidget* panel = m_fieldsPanel;
    m_fieldsPanel = form;
    m_name = addLine("Edit_ragsoc", QStringLiteral("Name"), limit::Name);
    connect(m_name, &QLineEdit::textChanged, this, &ContactDialog::updateButtons);
    m_company = addLine("Edit_soc", QStringLiteral("Company"), limit::Company);

    m_group = new QComboBox(form);
    m_group->setObjectName(QStringLiteral("ComboBox_Contact_Group"));
    m_group->setEditable(true);
    // Typing a new name never adds it to the list; a save adds it to the
    // contact groups.
    m_group->setInsertPolicy(QComboBox::NoInsert);
    m_group->addItems(m_start.groups);
    m_group->lineEdit()->setMaxLength(limit::Group);
    m_group->lineEdit()->installEventFilter(this);
    m_limited.append({m_group->lineEdit(), limit::Group});
    int row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("Group"), form), row, 0);
    grid->addWidget(m_group, row, 1, 1, 4);

    m_phone = addLine("Edit_tel", QStringLiteral("Phone"), limit::Text);
    m_mobile = addLine("Edit_mobile", QStringLiteral("Mobile"), limit::Text);
    m_fax = addLine("Edit_Fax", QStringLiteral("Fax"), limit::Text);
    m_skype = addLine("EDIT_skype", QStringLiteral("Skype"), limit::Text);
    m_email = addLine("Edit_email", QStringLiteral("E-mail"), limit::Text);
    m_site = addLine("Edit_Site", QStringLiteral("Web"), limit::Text);

    m_address = new QPlainTextEdit(form);
    m_address->setObjectName(QStringLiteral("EDIT_indirizzo"));
    m_address->setTabChangesFocus(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * 3 + 12);
    row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("Address"), form), row, 0, Qt::AlignTop);
    grid->addWidget(m_address, row, 1, 1, 4);

    m_note = new QPlainTextEdit(form);
    m_note->setObjectName(QStringLiteral("Edit_note"));
    m_note->setTabChangesFocus(true);
    row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("Note"), form), row, 0, Qt::AlignTop);
    grid->addWidget(m_note, row, 1, 1, 4);
    grid->setRowStretch(row, 1);

    static const char* const names[] = {"Edit_Allegato", "Edit_Allegato2", "Edit_Allegato3"};
    for (int i = 0; i < 3; ++i) {
        m_attachments[i] =
            addLine(names[i], QStringLiteral("Attach ") + QString::number(i + 1), limit::Text);
        m_attachments[i]->setPlaceholderText(
            QStringLiteral("Attach a file, folder, e-mail or website"));
        addAttachment(m_attachments[i]);
    }
    m_fieldsPanel = panel;
    return m_fieldsPanel;
}

QWidget* ContactDialog::buildPhoto()
{
    auto* column = new QWidget(m_fieldsPanel);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 8, 8, 8);
    m_photoButton = toolButton(column, "SpeedButtonImgContact", QStringLiteral("Photo"),
                               QStringLiteral("Allega una foto"));
    m_photoButton->setFixedSize(150, 180);
    m_photoButton->setIconSize(QSize(144, 174));
    m_photoButton->setPopupMode(QToolButton::InstantPopup);
    auto* photoMenu = new QMenu(m_photoButton);
    photoMenu->setObjectName(QStringLiteral("PopupMenuFoto"));
    connect(menuEntry(photoMenu, "Apri1", QStringLiteral("Open")), &QAction::triggered, this,
            &ContactDialog::openPhoto);
    connect(menuEntry(photoMenu, "Elimina1", QStringLiteral("Delete")), &QAction::triggered, this,
            &ContactDialog::deletePhoto);
    photoMenu->addSeparator();
    menuEntry(photoMenu, "Annulla1", QStringLiteral("Cancel"));
    m_photoButton->setMenu(photoMenu);
    layout->addWidget(m_photoButton);

    m_birthday = toolButton(column, "SpeedButtonCompleanno", BirthdayCaption,
                            QStringLiteral("Associa un evento annuale al contatto"));
    m_birthday->setMinimumWidth(150);
    if (m_mode == Mode::Modify) {
        m_birthday->setPopupMode(QToolButton::InstantPopup);
        m_birthdayMenu = new QMenu(m_birthday);
        m_birthdayMenu->setObjectName(QStringLiteral("PopupMenuCompleanno"));
        connect(menuEntry(m_birthdayMenu, "Modifica1", QStringLiteral("Insert")),
                &QAction::triggered, this, &ContactDialog::birthdayInsertOrModify);
        connect(menuEntry(m_birthdayMenu, "Cerca1", QStringLiteral("Search")), &QAction::triggered,
                this, &ContactDialog::birthdaySearch);
        connect(menuEntry(m_birthdayMenu, "Dissocia1", QStringLiteral("Unlink")),
                &QAction::triggered, this, &ContactDialog::birthdayUnlink);
        connect(menuEntry(m_birthdayMenu, "Elimina2", QStringLiteral("Delete")),
                &QAction::triggered, this, &ContactDialog::birthdayDelete);
        m_birthdayMenu->addSeparator();
        menuEntry(m_birthdayMenu, "Annulla2", QStringLiteral("Cancel"));
        m_birthday->setMenu(m_birthdayMenu);
    } else {
        connect(m_birthday, &QToolButton::clicked, this, &ContactDialog::birthdayButtonClicked);
    }
    layout->addWidget(m_birthday);
    layout->addStretch(1);
    return column;
}

QWidget* ContactDialog::buildButtons()
{
    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("PanelBottoni"));
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(6, 6, 6, 6);
    if (m_mode == Mode::New) {
        m_insert = barButton(m_buttonBar, "SpeedButtonAdd", QStringLiteral("Insert"));
        connect(m_insert, &QPushButton::clicked, this, &ContactDialog::insert);
        row->addWidget(m_insert);
        m_insertClose =
            barButton(m_buttonBar, "SpeedButtonAddClose", QStringLiteral("Insert and close"));
        connect(m_insertClose, &QPushButton::clicked, this, &ContactDialog::insertAndClose);
        row->addWidget(m_insertClose);
    } else {
        m_modify = barButton(m_buttonBar, "SpeedButtonMod", QStringLiteral("Modify"));
        connect(m_modify, &QPushButton::clicked, this, &ContactDialog::modify);
        row->addWidget(m_modify);
        auto* print = barButton(m_buttonBar, "SpeedButtonPrintContact", QStringLiteral("Print"));
        connect(print, &QPushButton::clicked, this, &ContactDialog::print);
        row->addWidget(print);
    }
    row->addStretch(1);
    auto* close = barButton(m_buttonBar, "SpeedButton3", QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    return m_buttonBar;
}

} // namespace contacts::ui
