#include "taskdialog.h"
#include "timefield.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

// How the frame's widgets are laid out; what they do is in taskdialog.cpp.

namespace calendar::ui {
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

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

} // namespace

QWidget* TaskDialog::buildTitle()
{
    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("PanelTitolo"));
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 2, 2, 2);
    m_title = new QLabel(m_texts.titleBar, m_titlePanel);
    m_title->setObjectName(QStringLiteral("LabelTitolo"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(m_title, 1);
    auto* hint =
        toolButton(m_titlePanel, "SpeedButtonHint", QStringLiteral("Hint"), QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    connect(hint, &QToolButton::clicked, this, &TaskDialog::showHint);
    row->addWidget(hint);
    m_noteButton = toolButton(m_titlePanel, "SpeedButtonNote", QStringLiteral("+"),
                              QStringLiteral("Area note grande/normale"));
    m_noteButton->setAutoRaise(true);
    connect(m_noteButton, &QToolButton::clicked, this, &TaskDialog::toggleNoteArea);
    row->addWidget(m_noteButton);
    return m_titlePanel;
}

QWidget* TaskDialog::buildFields()
{
    m_fieldsPanel = new QWidget(this);
    m_fieldsPanel->setObjectName(QStringLiteral("PanelCampi"));
    auto* grid = new QGridLayout(m_fieldsPanel);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setColumnStretch(1, 1);
    int row = 0;

    m_description = new QLineEdit(m_fieldsPanel);
    m_description->setObjectName(QStringLiteral("Edit_id"));
    m_description->setMaxLength(255);
    grid->addWidget(caption(QStringLiteral("Description"), m_fieldsPanel), row, 0);
    grid->addWidget(m_description, row++, 1, 1, 4);
    connect(m_description, &QLineEdit::textChanged, this, &TaskDialog::updateOptions);

    m_note = new QPlainTextEdit(m_fieldsPanel);
    m_note->setObjectName(QStringLiteral("Memo"));
    m_note->setTabChangesFocus(true);
    grid->addWidget(caption(QStringLiteral("Note"), m_fieldsPanel), row, 0, Qt::AlignTop);
    grid->addWidget(m_note, row++, 1, 1, 4);
    grid->setRowStretch(1, 1);

    auto* timeRow = new QHBoxLayout;
    m_from = new TimeField(locale(), m_fieldsPanel);
    m_from->setObjectName(QStringLiteral("MaskEdit_Hour"));
    m_to = new TimeField(locale(), m_fieldsPanel);
    m_to->setObjectName(QStringLiteral("MaskEdit_hour2"));
    timeRow->addWidget(m_from);
    timeRow->addWidget(new QLabel(QStringLiteral("To"), m_fieldsPanel));
    timeRow->addWidget(m_to);
    auto* clearTimes = toolButton(m_fieldsPanel, "SpeedButton4", QStringLiteral("Clear"),
                                  QStringLiteral("Clear the times"));
    connect(clearTimes, &QToolButton::clicked, this, [this] {
        m_from->clearTime();
        m_to->clearTime();
        m_description->setFocus();
    });
    timeRow->addWidget(clearTimes);
    timeRow->addStretch(1);
    grid->addWidget(caption(QStringLiteral("From"), m_fieldsPanel), row, 0);
    grid->addLayout(timeRow, row++, 1, 1, 4);

    auto* dateRow = new QHBoxLayout;
    m_dateLabel = new QLabel(m_fieldsPanel);
    QFont bold = m_dateLabel->font();
    bold.setBold(true);
    m_dateLabel->setFont(bold);
    m_dateLabel->setCursor(Qt::PointingHandCursor);
    m_dateLabel->setToolTip(QStringLiteral("Show calendar"));
    m_dateLabel->installEventFilter(this);
    dateRow->addWidget(m_dateLabel);
    auto* showCalendar = toolButton(m_fieldsPanel, "SpeedButtonShowCalendar", QStringLiteral("..."),
                                    QStringLiteral("Show calendar"));
    connect(showCalendar, &QToolButton::clicked, this, &TaskDialog::chooseDate);
    dateRow->addWidget(showCalendar);
    dateRow->addStretch(1);
    grid->addWidget(caption(m_texts.dateCaption, m_fieldsPanel), row, 0);
    grid->addLayout(dateRow, row++, 1, 1, 4);

    m_search = new QLineEdit(m_fieldsPanel);
    m_search->setObjectName(QStringLiteral("Edit_Ricerca"));
    m_search->setMaxLength(50);
    m_search->setToolTip(QStringLiteral("Link to a contact, company or group"));
    m_search->setPlaceholderText(m_search->toolTip());
    m_clearSearch = toolButton(m_fieldsPanel, "SpeedButtonClearRicerca", QStringLiteral("Clear"),
                               QStringLiteral("Clear"));
    connect(m_clearSearch, &QToolButton::clicked, m_search, &QLineEdit::clear);
    connect(m_search, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_clearSearch->setEnabled(!text.isEmpty()); });
    m_clearSearch->setEnabled(false);
    grid->addWidget(caption(QStringLiteral("Search key"), m_fieldsPanel), row, 0);
    grid->addWidget(m_search, row, 1, 1, 3);
    grid->addWidget(m_clearSearch, row++, 4);

    m_attachment = new QLineEdit(m_fieldsPanel);
    m_attachment->setObjectName(QStringLiteral("Edit_Allegato"));
    m_attachment->setMaxLength(255);
    m_attachment->setPlaceholderText(QStringLiteral("Attach a file, folder, e-mail or website"));
    m_attachment->setToolTip(m_attachment->placeholderText());
    auto* attachFile = toolButton(m_fieldsPanel, "SpeedButtonAllegaFile", QStringLiteral("File"),
                                  QStringLiteral("Attach file"));
    connect(attachFile, &QToolButton::clicked, this, &TaskDialog::attachFile);
    auto* attachFolder = toolButton(m_fieldsPanel, "SpeedButtonAllegaCartella",
                                    QStringLiteral("Folder"), QStringLiteral("Attach folder"));
    connect(attachFolder, &QToolButton::clicked, this, &TaskDialog::attachFolder);
    m_clearAttachment = toolButton(m_fieldsPanel, "SpeedButtonClearAllegato",
                                   QStringLiteral("Clear"), QStringLiteral("Clear"));
    m_clearAttachment->setEnabled(false);
    connect(m_clearAttachment, &QToolButton::clicked, m_attachment, &QLineEdit::clear);
    connect(m_attachment, &QLineEdit::textChanged, this, &TaskDialog::attachmentEdited);
    grid->addWidget(caption(QStringLiteral("Attach"), m_fieldsPanel), row, 0);
    grid->addWidget(m_attachment, row, 1);
    grid->addWidget(attachFile, row, 2);
    grid->addWidget(attachFolder, row, 3);
    grid->addWidget(m_clearAttachment, row++, 4);

    auto* optionsBox = new QGroupBox(QStringLiteral("Options"), m_fieldsPanel);
    optionsBox->setObjectName(QStringLiteral("GroupBoxOpzioni"));
    auto* options = new QGridLayout(optionsBox);
    int optionRow = 0;
    addKindOptions(options, optionRow);
    m_remember = addOption(options, optionRow, 0, "CheckBox_Anticipo", rememberCaption(5));
    m_suspend = addOption(options, optionRow++, 1, "CheckBox_Sospeso", QStringLiteral("Suspend"));
    m_expiration =
        addOption(options, optionRow, 0, "CheckBox_scadenza", QStringLiteral("Expiration"));
    m_expiry = new QDateEdit(optionsBox);
    m_expiry->setObjectName(QStringLiteral("DateTimePicker_scadenza"));
    m_expiry->setLocale(locale());
    m_expiry->setDisplayFormat(locale().dateFormat(QLocale::LongFormat));
    m_expiry->setCalendarPopup(true);
    options->addWidget(m_expiry, optionRow++, 1);
    grid->addWidget(optionsBox, row++, 0, 1, 5);

    if (m_mode == DialogMode::Modify) {
        m_done = new QLabel(m_fieldsPanel);
        m_done->setObjectName(QStringLiteral("Label_Fatto"));
        grid->addWidget(m_done, row++, 0, 1, 5);
    }
    return m_fieldsPanel;
}

QCheckBox* TaskDialog::addOption(QGridLayout* options, int row, int column, const char* name,
                                 const QString& text)
{
    auto* box = new QCheckBox(text, options->parentWidget());
    box->setObjectName(QString::fromLatin1(name));
    connect(box, &QCheckBox::toggled, this, &TaskDialog::updateOptions);
    options->addWidget(box, row, column);
    return box;
}

QWidget* TaskDialog::buildButtons()
{
    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("PanelBottoni"));
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(6, 6, 6, 6);
    if (m_mode == DialogMode::New) {
        m_insert = barButton(m_buttonBar, "SpeedButtonAdd", QStringLiteral("Insert"));
        connect(m_insert, &QPushButton::clicked, this, &TaskDialog::insert);
        row->addWidget(m_insert);
        m_insertClose =
            barButton(m_buttonBar, "SpeedButtonAddClose", QStringLiteral("Insert and close"));
        connect(m_insertClose, &QPushButton::clicked, this, &TaskDialog::insertAndClose);
        row->addWidget(m_insertClose);
    } else {
        m_modify = barButton(m_buttonBar, "SpeedButtonMod", QStringLiteral("Modify"));
        connect(m_modify, &QPushButton::clicked, this, &TaskDialog::modify);
        row->addWidget(m_modify);
        m_print = barButton(m_buttonBar, "SpeedButtonPrintContact", QStringLiteral("Print"));
        connect(m_print, &QPushButton::clicked, this, &TaskDialog::print);
        row->addWidget(m_print);
    }
    row->addStretch(1);
    m_close = barButton(m_buttonBar, "SpeedButton3", QStringLiteral("Close"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(m_close);
    return m_buttonBar;
}

} // namespace calendar::ui
