#include "dialdialog.h"

#include "contacts/dialling.h"
#include "platform/prompter.h"
#include "platform/telephony.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace contacts::ui {
namespace {

constexpr QSize DesignedSize(360, 190);

QPushButton* barButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter is the dialog's own business: it dials once.
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

DialDialog::DialDialog(const Contact& contact, store::Settings& settings,
                       shared::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_contact(contact), m_settings(settings), m_services(services)
{
    setObjectName(QStringLiteral("TTeleForm"));
    setWindowTitle(QStringLiteral("-> Number To Dial"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(buildTitle());
    layout->addWidget(buildFields(), 1);
    layout->addWidget(buildButtons());
    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    paint();
    shared::ui::scaleDialog(this, DesignedSize, settings.scalePercent());

    m_outsideLine->setChecked(settings.centralino());
    outsideLineToggled();
    if (!contact.selection.isEmpty()) {
        m_numbers->setEditText(contact.selection);
        m_remembered = -1;
    }
    m_numbers->setFocus();
}

QWidget* DialDialog::buildTitle()
{
    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("PanelTitolo"));
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 2, 2, 2);
    auto* title = new QLabel(QStringLiteral("Call contact"), m_titlePanel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(title, 1);
    auto* hint = new QToolButton(m_titlePanel);
    hint->setObjectName(QStringLiteral("SpeedButtonHint"));
    hint->setText(QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    hint->setFocusPolicy(Qt::NoFocus);
    connect(hint, &QToolButton::clicked, this, &DialDialog::showHint);
    row->addWidget(hint);
    return m_titlePanel;
}

QWidget* DialDialog::buildFields()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PanelCampi"));
    panel->setAutoFillBackground(true);
    auto* grid = new QGridLayout(panel);
    grid->addWidget(new QLabel(QStringLiteral("Contact"), panel), 0, 0);
    auto* name = new QLabel(m_contact.name, panel);
    name->setObjectName(QStringLiteral("LabelNome"));
    name->setTextFormat(Qt::PlainText);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    grid->addWidget(name, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Number"), panel), 1, 0);
    m_numbers = new QComboBox(panel);
    m_numbers->setObjectName(QStringLiteral("ComboBox_telefoni"));
    m_numbers->setToolTip(QStringLiteral("Contact numbers"));
    m_numbers->setEditable(true);
    // The list holds the contact's values only; what is typed is dialled,
    // never added to it.
    m_numbers->setInsertPolicy(QComboBox::NoInsert);
    m_numbers->lineEdit()->setMaxLength(30);
    // The combo takes Enter for itself; in this dialog Enter dials.
    m_numbers->lineEdit()->installEventFilter(this);
    grid->addWidget(m_numbers, 1, 1);
    m_outsideLine = new QCheckBox(QStringLiteral("Add 0 before the number"), panel);
    m_outsideLine->setObjectName(QStringLiteral("CheckBoxAgZero"));
    grid->addWidget(m_outsideLine, 2, 1);
    grid->setColumnStretch(1, 1);

    connect(m_numbers, &QComboBox::activated, this, [this](int index) { m_remembered = index; });
    connect(m_numbers->lineEdit(), &QLineEdit::textEdited, this, [this] { m_remembered = -1; });
    connect(m_numbers, &QComboBox::editTextChanged, this,
            [this](const QString& text) { m_dial->setEnabled(!text.isEmpty()); });
    connect(m_outsideLine, &QCheckBox::clicked, this, &DialDialog::outsideLineToggled);
    return panel;
}

QWidget* DialDialog::buildButtons()
{
    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("PanelBottoni"));
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(4, 4, 4, 4);
    auto* skype = new QToolButton(m_buttonBar);
    skype->setObjectName(QStringLiteral("SpeedButtonSkype"));
    skype->setText(QStringLiteral("Skype"));
    skype->setFocusPolicy(Qt::NoFocus);
    skype->setPopupMode(QToolButton::InstantPopup);
    m_chatMenu = new QMenu(skype);
    m_chatMenu->addAction(QStringLiteral("Telefona"), this, &DialDialog::callTo)
        ->setObjectName(QStringLiteral("Telefona"));
    m_chatMenu->addAction(QStringLiteral("Chatta"), this, &DialDialog::chat)
        ->setObjectName(QStringLiteral("Chatta"));
    m_chatMenu->addSeparator();
    m_chatMenu->addAction(QStringLiteral("Annulla"))->setObjectName(QStringLiteral("Annulla"));
    skype->setMenu(m_chatMenu);
    row->addWidget(skype);
    row->addStretch(1);
    m_dial = barButton(m_buttonBar, "SpeedButton_Componi", QStringLiteral("Dial"));
    connect(m_dial, &QPushButton::clicked, this, &DialDialog::dial);
    row->addWidget(m_dial);
    auto* close = barButton(m_buttonBar, "SpeedButtonChiudi", QStringLiteral("Close"));
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    row->addWidget(close);
    return m_buttonBar;
}

void DialDialog::paint()
{
    const auto rgb =
        themes::parseColourText(m_settings.sectionColour(store::Settings::Section::Contacts));
    const QColor colour = QColor::fromRgb(rgb.value_or(0xC0C0C0));
    shared::ui::paintPanel(this, colour);
    shared::ui::paintPanel(m_titlePanel, colour);
    shared::ui::paintPanel(m_buttonBar, colour);
}

void DialDialog::rebuildList()
{
    const QStringList entries =
        dialEntries(m_contact.phone, m_contact.mobile, m_contact.skype, m_outsideLine->isChecked());
    m_numbers->clear();
    m_numbers->addItems(entries);
    if (m_remembered >= 0 && m_remembered < entries.size())
        m_numbers->setCurrentIndex(m_remembered);
    else
        m_numbers->setEditText(QString());
    m_dial->setEnabled(!m_numbers->currentText().isEmpty());
}

void DialDialog::outsideLineToggled()
{
    m_settings.writeCentralino(m_outsideLine->isChecked());
    rebuildList();
}

void DialDialog::dial()
{
    const QString number = m_numbers->currentText();
    if (number.isEmpty())
        return;
    platform::DesktopTelephony desktopCalls(m_services.desktop);
    platform::Telephony& telephony = m_services.telephony
                                         ? *m_services.telephony
                                         : static_cast<platform::Telephony&>(desktopCalls);
    if (!telephony.dial(number)) {
        // The dialog stays, so that the call can still go through the menu.
        m_services.prompter.tell(
            QStringLiteral("I cannot place the call to \"%1\": no program on this computer "
                           "takes telephone calls.")
                .arg(number),
            platform::Prompter::Kind::Warning);
        return;
    }
    accept();
}

void DialDialog::open(const QString& address)
{
    if (!m_services.desktop.openUrl(address)) {
        m_services.prompter.tell(
            QStringLiteral("I cannot open \"%1\": no program on this computer takes it.")
                .arg(address),
            platform::Prompter::Kind::Warning);
    }
}

void DialDialog::callTo()
{
    open(callToAddress(m_numbers->currentText()));
}

void DialDialog::chat()
{
    open(chatAddress(m_numbers->currentText()));
}

void DialDialog::showHint()
{
    m_services.prompter.tell(QStringLiteral("In this section you can call your contact."));
}

bool DialDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void DialDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat() && m_dial->isEnabled())
            dial();
        return;
    case Qt::Key_Escape:
        reject();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace contacts::ui
