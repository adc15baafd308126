#include "app/ui/advancedpanel.h"

#include "platform/prompter.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace app::ui {

namespace {

const QString closeCaption = QStringLiteral("Close special menu");
const QString confirmCaption = QStringLiteral("Confirm PASSWORD");

template <typename W>
W* named(W* widget, const QString& objectName, const QString& hint = QString())
{
    widget->setObjectName(objectName);
    if (!hint.isEmpty())
        widget->setToolTip(hint);
    return widget;
}

// A typed count above the top is set back to the top at once; a plain
// spin box refuses the key instead, so a typed 400 would become 40.
class DayCountBox final : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;

protected:
    QValidator::State validate(QString& input, int& pos) const override
    {
        bool isNumber = false;
        const int typed = input.toInt(&isNumber);
        if (isNumber && typed > maximum()) {
            input = QString::number(maximum());
            pos = int(input.size());
            return QValidator::Acceptable;
        }
        return QSpinBox::validate(input, pos);
    }
};

// The start-tab codes "0" to "7" are the entries of this list; "8", the
// Options tab itself, has no entry.
const QStringList& sectionNames()
{
    static const QStringList names = {QStringLiteral("One Shot"), QStringLiteral("Yearly"),
                                      QStringLiteral("Monthly"),  QStringLiteral("Weekly"),
                                      QStringLiteral("Today"),    QStringLiteral("Contacts"),
                                      QStringLiteral("Note"),     QStringLiteral("To-Do")};
    return names;
}

} // namespace

SpecialPanel::SpecialPanel(store::Settings& settings, platform::Prompter& prompter, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_prompter(prompter),
      m_passwordSetting(settings, prompter)
{
    setObjectName(QStringLiteral("Panel_special"));

    m_documents =
        named(new QGroupBox(QStringLiteral("Document"), this), QStringLiteral("Panel_Documents"));
    new QVBoxLayout(m_documents);
    m_documents->setEnabled(false); // the document producers fill it

    m_close = named(new QPushButton(closeCaption, this), QStringLiteral("SpeedButtonCloseSpecial"),
                    QStringLiteral("Esce dal menu speciale"));
    connect(m_close, &QPushButton::clicked, this, &SpecialPanel::closePanel);

    auto* grid = new QGridLayout(this);
    grid->addWidget(buildPassword(), 0, 0);
    grid->addWidget(buildCustomize(), 0, 1);
    grid->addWidget(buildImportantTasks(), 1, 0);
    grid->addWidget(buildMiscellanea(), 1, 1);
    grid->addWidget(m_documents, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(m_close);
    grid->addLayout(bottom, 3, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QWidget* SpecialPanel::buildPassword()
{
    auto* box = new QGroupBox(QStringLiteral("Password"), this);
    m_passwordBox = box;
    m_password = named(new QLineEdit(box), QStringLiteral("Edit_ImpostaPSW"),
                       QStringLiteral("The secret word which allows access to your data"));
    m_password->setMaxLength(30);
    m_password->setEchoMode(QLineEdit::Password);
    m_clear =
        named(new QToolButton(box), QStringLiteral("SpeedButtonClearPSW"), QStringLiteral("Clear"));
    m_clear->setText(QStringLiteral("X"));
    m_mask = named(new QCheckBox(QStringLiteral("Mask characters"), box),
                   QStringLiteral("CheckBoxMaskPSW"), QStringLiteral("Obfuscates the password"));
    m_mask->setChecked(true);
    m_lockOnStartup =
        named(new QCheckBox(QStringLiteral("Lock on startup"), box),
              QStringLiteral("CheckBoxBlocco"), QStringLiteral("Ask for the password at startup"));
    m_lock = named(new QPushButton(QStringLiteral("Lock"), box), QStringLiteral("SpeedButton_PSW"),
                   QStringLiteral("Mi metto subito in modalità di attesa password"));
    m_readOnly =
        named(new QCheckBox(QStringLiteral("Read"), box), QStringLiteral("CheckBoxSolaLettura"),
              QStringLiteral("Enable the access in read-only mode"));

    // Only the user's edits count: the field is also filled from the row.
    connect(m_password, &QLineEdit::textEdited, this, &SpecialPanel::passwordEdited);
    connect(m_clear, &QToolButton::clicked, this, [this] { passwordEdited(QString()); });
    // The placeholder is not text to edit: no menu to paste into it and no
    // drop onto it.
    m_password->setContextMenuPolicy(Qt::NoContextMenu);
    m_password->setAcceptDrops(false);
    m_password->installEventFilter(this);
    connect(m_mask, &QCheckBox::toggled, this, [this](bool masked) {
        m_password->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    });
    // Stored at once, like every other option: a click that only changed the
    // box would be undone by the next reload.
    connect(m_lockOnStartup, &QCheckBox::clicked, this, &SpecialPanel::optionsChanged);
    connect(m_lock, &QPushButton::clicked, this, &SpecialPanel::lockRequested);
    connect(m_readOnly, &QCheckBox::clicked, this,
            [this](bool on) { m_settings.writeReadOnlyOffered(on); });

    auto* grid = new QGridLayout(box);
    auto* field = new QHBoxLayout;
    field->addWidget(m_password, 1);
    field->addWidget(m_clear);
    grid->addLayout(field, 0, 0, 1, 2);
    grid->addWidget(m_mask, 1, 0);
    grid->addWidget(m_lockOnStartup, 1, 1);
    grid->addWidget(m_lock, 2, 0);
    grid->addWidget(m_readOnly, 2, 1);
    return box;
}

QWidget* SpecialPanel::buildCustomize()
{
    auto* box = new QGroupBox(QStringLiteral("Customize"), this);
    m_startTab = named(new QComboBox(box), QStringLiteral("ComboBox_Startab"),
                       QStringLiteral("Change the default section Corvandine show on startup "
                                      "(when there are no commitments)"));
    m_startTab->addItems(sectionNames());
    m_ampm = named(new QCheckBox(QStringLiteral("Am/Pm"), box), QStringLiteral("CheckBoxAmPm"),
                   QStringLiteral("Click this box to use the AM/PM stlyle of time rather than "
                                  "Military time. "));
    m_hideTips =
        named(new QCheckBox(QStringLiteral("Hide hints"), box), QStringLiteral("CheckBoxHideTips"),
              QStringLiteral("Elimina i bottoni con i suggerimenti dall'intarfaccia "
                             "principale"));

    connect(m_startTab, &QComboBox::activated, this, &SpecialPanel::optionsChanged);
    connect(m_ampm, &QCheckBox::clicked, this, [this](bool on) { m_settings.writeAmpm(on); });
    connect(m_hideTips, &QCheckBox::clicked, this, [this](bool on) {
        m_settings.writeHideTips(on);
        m_settings.load();
    });

    auto* grid = new QGridLayout(box);
    auto* label = new QLabel(QStringLiteral("Default section"), box);
    label->setBuddy(m_startTab);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_startTab, 0, 1);
    grid->addWidget(m_ampm, 1, 0);
    grid->addWidget(m_hideTips, 1, 1);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SpecialPanel::buildImportantTasks()
{
    auto* box = new QGroupBox(QStringLiteral("Important tasks"), this);
    m_future = named(new QCheckBox(QStringLiteral("Important task notification"), box),
                     QStringLiteral("CheckBoxFuturo"),
                     QStringLiteral("All'avvio ti segnalerò gli impegni più importanti dei "
                                    "prossimi giorni"));
    m_futureDays = named(new DayCountBox(box), QStringLiteral("SpinEditFuturo"),
                         QStringLiteral("Scegli quanti giorni prima vuoi essere avvertito"));
    m_futureDays->setRange(1, 366);
    m_futureCheck = named(new QPushButton(QStringLiteral("Check for important tasks"), box),
                          QStringLiteral("SpeedButtonAnticipo"),
                          QStringLiteral("Controlla adesso la presenza di impegni importanti"));

    connect(m_future, &QCheckBox::clicked, this, [this](bool on) {
        m_settings.writeFutureFlag(on);
        m_futureDays->setEnabled(on);
        refreshPendingButtons();
        emit importantTasksOptionChanged();
    });
    connect(m_futureDays, &QSpinBox::valueChanged, this, [this](int days) {
        if (!m_applying)
            m_settings.writeFutureDays(days);
    });
    connect(m_futureCheck, &QPushButton::clicked, this,
            &SpecialPanel::importantTasksCheckRequested);

    auto* grid = new QGridLayout(box);
    grid->addWidget(m_future, 0, 0, 1, 2);
    grid->addWidget(m_futureDays, 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("days before"), box), 1, 1);
    grid->addWidget(m_futureCheck, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QWidget* SpecialPanel::buildMiscellanea()
{
    auto* box = new QGroupBox(QStringLiteral("Miscellanea"), this);
    m_repository = named(new QPushButton(QStringLiteral("One Shot repository"), box),
                         QStringLiteral("SpeedButtonRepository"),
                         QStringLiteral("Improve my performances storing old one shot tasks"));
    m_calculator = named(new QPushButton(QStringLiteral("Time Duration Calculator"), box),
                         QStringLiteral("SpeedButton_CalcTempo"),
                         QStringLiteral("Calculate duration between 2 dates or 2 times"));
    connect(m_repository, &QPushButton::clicked, this, &SpecialPanel::repositoryRequested);
    connect(m_calculator, &QPushButton::clicked, this, &SpecialPanel::timeCalculatorRequested);

    auto* layout = new QVBoxLayout(box);
    layout->addWidget(m_repository);
    layout->addWidget(m_calculator);
    layout->addStretch();
    return box;
}

void SpecialPanel::applySettings()
{
    m_applying = true;
    // A new password being typed survives the reload another option causes.
    if (!m_passwordSetting.pending()) {
        m_passwordSetting.reset();
        showPasswordField();
    }
    m_lockOnStartup->setChecked(m_settings.lockOnStartup());
    bool isNumber = false;
    const int tab = m_settings.startTab().toInt(&isNumber);
    m_startTab->setCurrentIndex(isNumber && tab >= 0 && tab < m_startTab->count() ? tab : -1);
    m_ampm->setChecked(m_settings.ampm());
    m_hideTips->setChecked(m_settings.hideTips());
    m_future->setChecked(m_settings.futureFlag());
    m_futureDays->setValue(m_settings.futureDays());
    m_futureDays->setEnabled(m_settings.futureFlag());
    m_readOnly->setChecked(m_settings.readOnlyOffered());
    m_applying = false;
    updatePasswordControls();
    refreshPendingButtons();
}

void SpecialPanel::fillOptions(store::OptionValues& values) const
{
    values.lockOnStartup = m_lockOnStartup->isChecked();
    // With no entry chosen (an older code such as "8") the stored code stays.
    if (m_startTab->currentIndex() >= 0)
        values.startTab = QString::number(m_startTab->currentIndex());
}

void SpecialPanel::showPasswordField()
{
    const bool applying = m_applying;
    m_applying = true;
    m_password->setText(m_passwordSetting.fieldText());
    m_applying = applying;
}

bool SpecialPanel::eventFilter(QObject* watched, QEvent* event)
{
    // The first key that edits the field replaces the placeholder as a
    // whole: a character starts the new password, an erasing key empties
    // the field (which removes the stored password).
    if (watched == m_password && event->type() == QEvent::KeyPress &&
        m_passwordSetting.placeholderShown()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool erases = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete ||
                            key->matches(QKeySequence::Cut) ||
                            key->matches(QKeySequence::DeleteStartOfWord) ||
                            key->matches(QKeySequence::DeleteEndOfWord) ||
                            key->matches(QKeySequence::DeleteEndOfLine);
        const bool types = key->matches(QKeySequence::Paste) ||
                           (!key->text().isEmpty() && key->text().at(0).isPrint() &&
                            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)));
        if (erases) {
            passwordEdited(QString());
            return true;
        }
        if (types) {
            m_applying = true;
            m_password->clear();
            m_applying = false;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SpecialPanel::passwordEdited(const QString& text)
{
    if (m_applying)
        return;
    QString typed = text;
    // An edit that reached the field some other way keeps only what was typed.
    if (m_passwordSetting.placeholderShown())
        typed.remove(lock::PasswordSetting::placeholder().at(0));
    const bool removed = m_passwordSetting.edit(typed);
    if (typed != m_password->text()) {
        m_applying = true;
        m_password->setText(typed);
        m_applying = false;
    }
    if (removed)
        emit optionsChanged(); // emptying the field removes the password at once
    updatePasswordControls();
}

void SpecialPanel::updatePasswordControls()
{
    const bool filled = m_passwordSetting.filled();
    m_lock->setEnabled(filled &&
                       isSignalConnected(QMetaMethod::fromSignal(&SpecialPanel::lockRequested)));
    m_clear->setEnabled(filled);
    m_readOnly->setEnabled(filled);
    m_close->setText(m_passwordSetting.pending() ? confirmCaption : closeCaption);
}

void SpecialPanel::closePanel()
{
    m_close->setText(closeCaption);
    if (m_passwordSetting.close())
        emit optionsChanged();
    showPasswordField();
    updatePasswordControls();
    hide();
    emit closed();
}

void SpecialPanel::refreshPendingButtons()
{
    // A button whose work belongs to a section not yet in the program stays
    // disabled until the window connects that section to it.
    const auto connectedTo = [this](auto signal) {
        return isSignalConnected(QMetaMethod::fromSignal(signal));
    };
    // A password nothing asks for would only promise protection: the
    // password controls wait for the lock.
    m_passwordBox->setEnabled(connectedTo(&SpecialPanel::lockRequested));
    m_futureCheck->setEnabled(m_future->isChecked() &&
                              connectedTo(&SpecialPanel::importantTasksCheckRequested));
    m_repository->setEnabled(connectedTo(&SpecialPanel::repositoryRequested));
    m_calculator->setEnabled(connectedTo(&SpecialPanel::timeCalculatorRequested));
}

} // namespace app::ui
