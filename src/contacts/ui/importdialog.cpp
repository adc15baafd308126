#include "importdialog.h"

#include "importpreviewmodel.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/groups.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCollator>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace contacts::ui {
namespace {

constexpr QSize DesignedSize(900, 560);
// While importing, window events run this often, so that the report moves
// and Escape is noticed without costing the import its speed.
constexpr qint64 EventsEveryMs = 40;

QString modeDescription(ImportMode mode)
{
    switch (mode) {
    case ImportMode::SkipDuplicates:
        return QStringLiteral("The \"Skip duplicates\" mode import only contacts with files that "
                              "have the same names as existing contacts in the Corvandine "
                              "phonebook.");
    case ImportMode::UpdateExisting:
        return QStringLiteral("The \"Update existing\" mode not import new contacts, but replaces "
                              "the contact's information with the information present of the "
                              "contacts that have the same names.");
    case ImportMode::CreateNew:
        return QStringLiteral("The \"Create new\" mode imports all contacts in the file without "
                              "making any control.");
    case ImportMode::DataIntegration:
        break;
    }
    return QStringLiteral("The \"Data integration\" mode import only contacts with files that "
                          "have the same names as existing contacts in the Corvandine phonebook. "
                          "Any additional information contained in the file will be integrated "
                          "in the empty fields of contacts.");
}

QString reportTitle(ImportMode mode)
{
    switch (mode) {
    case ImportMode::UpdateExisting:
        return QStringLiteral("Contacts updated");
    case ImportMode::DataIntegration:
        return QStringLiteral("Contatti imported e/o updated");
    default:
        return QStringLiteral("Contacts imported");
    }
}

void colourCounter(QLabel* counter, const QColor& background, const QColor& text)
{
    QPalette p = QApplication::palette();
    if (background.isValid()) {
        p.setColor(QPalette::Window, background);
        p.setColor(QPalette::WindowText, text);
    }
    counter->setPalette(p);
}

} // namespace

ImportDialog::ImportDialog(store::Database& db, store::Settings& settings,
                           shared::Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_db(db),
      m_settings(settings), m_services(services)
{
    setObjectName(QStringLiteral("TImportContactForm"));
    setWindowTitle(QStringLiteral("Import contacts"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(buildTitle());
    m_steps = new QStackedWidget(this);
    m_steps->addWidget(buildStepOne());
    m_steps->addWidget(buildStepTwo());
    layout->addWidget(m_steps, 1);
    layout->addWidget(buildButtons());
    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    paint();

    // The contact groups and, chosen, a group for this import's contacts.
    QStringList groups = shared::groups::load(db, u'C');
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(groups.begin(), groups.end(), collator);
    const QString imported = QStringLiteral("Imported-") +
                             services.clock.now().date().toString(QStringLiteral("yyyy-MM-dd"));
    m_group->addItems(groups);
    m_group->addItem(imported);
    m_group->setCurrentIndex(m_group->count() - 1);

    connect(m_delimiter, &QComboBox::activated, this, [this] {
        if (!m_path.isEmpty())
            load(m_path);
    });
    connect(m_mode, &QComboBox::currentIndexChanged, this, &ImportDialog::showMode);
    connect(m_addGroup, &QCheckBox::toggled, m_group, &QWidget::setEnabled);
    connect(m_deleteAll, &QCheckBox::clicked, this, [this](bool on) {
        if (on)
            m_services.prompter.tell(
                QStringLiteral("I guess there is no need to explain that this option is "
                               "irreversible. \rYou will also loose the associations of contacts "
                               "with birthdays."),
                platform::Prompter::Kind::Warning);
    });
    showMode();
    resetReport();
    fillPickers({});
    m_steps->setCurrentWidget(m_stepOne);
    updateButtons();
    shared::ui::scaleDialog(this, DesignedSize, settings.scalePercent());
}

ImportDialog::~ImportDialog() = default;

void ImportDialog::paint()
{
    const auto rgb =
        themes::parseColourText(m_settings.sectionColour(store::Settings::Section::Contacts));
    const QColor colour = QColor::fromRgb(rgb.value_or(0xC0C0C0));
    shared::ui::paintPanel(this, colour);
    shared::ui::paintPanel(m_titlePanel, colour);
    shared::ui::paintPanel(m_buttonBar, colour);
}

QWidget* ImportDialog::currentStep() const
{
    return m_steps->currentWidget();
}

void ImportDialog::chooseFile()
{
    const QString path = m_services.prompter.openFileName(
        QStringLiteral("Import contacts"), QFileInfo(m_path).absolutePath(),
        QStringLiteral("Comma Separated Value (*.csv);;Text file (*.txt);;All files (*)"));
    if (!path.isEmpty())
        load(path);
}

void ImportDialog::load(const QString& path)
{
    m_path = path;
    m_fileName->setText(QDir::toNativeSeparators(path));
    m_status->setText(QStringLiteral("Optimizing file"));
    m_loadGauge->setRange(0, 0);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CsvDocument doc = readCsvFile(path, m_delimiter->currentText().front());
    m_loadGauge->setRange(0, 1);
    m_loadGauge->setValue(doc.ok() ? 1 : 0);
    m_previewModel->setRecords(nullptr);
    m_records = std::move(doc.records);
    if (!doc.ok()) {
        m_status->clear();
        m_previewHint->setVisible(false);
        fillPickers({});
        updateButtons();
        m_services.prompter.tell(doc.error, platform::Prompter::Kind::Warning);
        return;
    }
    const QStringList header = m_records.isEmpty() ? QStringList() : m_records.front().fields;
    fillPickers(header);
    m_status->setText(QStringLiteral("Creating preview"));
    m_previewModel->setRecords(&m_records);
    m_status->setText(QStringLiteral("Contacts in the file: ") + QString::number(m_records.size()));
    m_previewHint->setVisible(true);
    if (isCompleteExportHeader(header)) {
        const ImportMapping complete = completeExportMapping();
        for (int f = 0; f < ImportFieldCount; ++f)
            m_pickers[size_t(f)][0]->setCurrentIndex(complete.columns[size_t(f)][0]);
        m_skipFirst->setChecked(true);
        m_deleteAll->setChecked(false);
        m_mode->setCurrentIndex(int(ImportMode::SkipDuplicates));
    }
    resetReport();
    updateButtons();
}

void ImportDialog::fillPickers(const QStringList& header)
{
    for (auto& parts : m_pickers) {
        for (QComboBox* picker : parts) {
            picker->clear();
            picker->addItems(header);
            picker->addItem(QString()); // not mapped
            picker->setCurrentIndex(picker->count() - 1);
        }
    }
}

ImportMapping ImportDialog::mapping() const
{
    ImportMapping m;
    for (int f = 0; f < ImportFieldCount; ++f) {
        for (int part = 0; part < 3; ++part) {
            const QComboBox* picker = m_pickers[size_t(f)][size_t(part)];
            // The last entry is the empty one, which takes nothing.
            if (picker->currentIndex() >= 0 && picker->currentIndex() < picker->count() - 1)
                m.columns[size_t(f)][size_t(part)] = picker->currentIndex();
        }
    }
    return m;
}

ImportOptions ImportDialog::options() const
{
    ImportOptions o;
    o.mode = ImportMode(m_mode->currentIndex());
    o.skipFirstLine = m_skipFirst->isChecked();
    o.deleteAll = m_deleteAll->isChecked();
    o.addGroup = m_addGroup->isChecked();
    o.assignedGroup = m_group->currentText();
    return o;
}

void ImportDialog::showMode()
{
    m_modeText->setPlainText(modeDescription(ImportMode(m_mode->currentIndex())));
}

void ImportDialog::resetReport()
{
    m_counter->setText(QStringLiteral("0"));
    colourCounter(m_counter, QColor(), QColor());
    m_gauge->setRange(0, std::max<int>(1, int(m_records.size())));
    m_gauge->setValue(0);
    m_reportTitle->setText(QStringLiteral("Contacts inserted / modified"));
}

void ImportDialog::updateButtons()
{
    const bool first = m_steps->currentWidget() == m_stepOne;
    m_next->setVisible(first);
    m_next->setEnabled(!m_records.isEmpty());
    m_back->setVisible(!first);
    m_import->setVisible(!first);
    for (QPushButton* b : {m_close, m_back, m_import})
        b->setEnabled(!m_importing);
}

void ImportDialog::next()
{
    if (m_records.isEmpty())
        return;
    m_steps->setCurrentWidget(m_stepTwo);
    updateButtons();
}

void ImportDialog::back()
{
    m_steps->setCurrentWidget(m_stepOne);
    updateButtons();
}

void ImportDialog::toggleConcatenate()
{
    const bool widen = !m_extraParts.front()->isVisible();
    for (QWidget* w : m_extraParts)
        w->setVisible(widen);
    m_concatenate->setText(widen ? QStringLiteral("<< Concatenate other fields")
                                 : QStringLiteral("Concatenate other fields >>"));
}

bool ImportDialog::importProgress(int record, int written)
{
    m_gauge->setValue(record);
    m_counter->setText(QString::number(written));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastEvents >= EventsEveryMs) {
        m_lastEvents = now;
        QApplication::processEvents();
    }
    return !m_stopRequested;
}

void ImportDialog::runImport()
{
    if (m_importing || m_records.isEmpty())
        return;
    const ImportMapping map = mapping();
    if (!map.maps(ImportField::Name)) {
        m_services.prompter.tell(QStringLiteral("You must associate at least the field "
                                                "\"Name\".\rContacts without a name in the file "
                                                "will not be imported."),
                                 platform::Prompter::Kind::Warning);
        return;
    }
    if (m_imported == m_path &&
        !m_services.prompter.ask(QStringLiteral("Do you want to re-import \"") +
                                 QDir::toNativeSeparators(m_path) + QStringLiteral("\" ?")))
        return;
    m_imported = m_path;
    const ImportOptions opts = options();
    resetReport();
    m_reportTitle->setText(reportTitle(opts.mode));
    m_importing = true;
    m_stopRequested = false;
    m_lastEvents = 0;
    updateButtons();
    // Whatever way the import ends, the dialog can be used again.
    struct Done
    {
        ImportDialog* d;
        ~Done()
        {
            d->m_importing = false;
            d->updateButtons();
        }
    } done{this};
    const ImportResult result =
        importContacts(m_db, m_records, map, opts,
                       [this](int record, int written) { return importProgress(record, written); });
    m_counter->setText(QString::number(result.written));
    if (!result.stopped)
        m_gauge->setValue(m_gauge->maximum());
    colourCounter(m_counter, result.stopped ? QColor(Qt::red) : QColor(0, 128, 0),
                  QColor(Qt::white));
    emit contactsImported(opts.addGroup);
}

void ImportDialog::keyPressEvent(QKeyEvent* event)
{
    const bool escape = event->key() == Qt::Key_Escape;
    if (m_importing) {
        if (escape)
            m_stopRequested = true;
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (m_steps->currentWidget() == m_stepOne && (escape || enter))
        reject();
    // In the mapping step the keys do nothing.
}

void ImportDialog::closeEvent(QCloseEvent* event)
{
    if (m_importing)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

} // namespace contacts::ui
