#include "documentspage.h"

#include "documents/savefile.h"
#include "platform/prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace documents::ui {
namespace {

const QString ProduceTitle = QStringLiteral("Produce document");

QCheckBox* box(QGroupBox* group, const QString& caption, const QString& hint = {},
               bool checked = false)
{
    auto* check = new QCheckBox(caption, group);
    check->setToolTip(hint);
    check->setChecked(checked);
    return check;
}

// The boxes of a frame, five to a row.
void layOut(QGroupBox* frame, const std::vector<QCheckBox*>& boxes)
{
    auto* grid = new QGridLayout(frame);
    for (size_t i = 0; i < boxes.size(); ++i)
        grid->addWidget(boxes[i], int(i) / 5, int(i) % 5);
}

} // namespace

DocumentsPage::DocumentsPage(store::Database& database, platform::Prompter& prompter,
                             DocumentSources sources, QWidget* parent)
    : QTabWidget(parent), m_database(database), m_prompter(prompter), m_sources(std::move(sources))
{
    setObjectName(QStringLiteral("PageControlDocuments"));
    addTab(buildTasks(), QStringLiteral("Tasks"));
    addTab(buildSections(), QStringLiteral("O Y M W"));
    addTab(buildWeek(), QStringLiteral("Week"));
    addTab(buildContacts(), QStringLiteral("Contacts"));
    addTab(buildToDo(), QStringLiteral("To Do"));
}

void DocumentsPage::setHintsVisible(bool visible)
{
    for (QToolButton* hint : findChildren<QToolButton*>(QStringLiteral("SpeedButtonHintDocument")))
        hint->setVisible(visible);
}

bool DocumentsPage::save(const ProducedDocument& document)
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QString path = m_prompter.saveFileName(
        ProduceTitle,
        QDir(desktop).filePath(fileNameOf(document.fileName) + QStringLiteral(".rtf")),
        DocumentFilters);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".rtf");
    if (QFileInfo::exists(path) &&
        !m_prompter.ask(QStringLiteral("Overwrite \"") + QFileInfo(path).fileName() +
                        QStringLiteral("\"?")))
        return false;
    const QFont font = this->font();
    const QString failure =
        writeWholeFile(path, documentBytes(document.lines, formatFor(QString(), path),
                                           font.family(), qMax(1, font.pointSize())));
    if (failure.isEmpty())
        return true;
    m_prompter.tell(QStringLiteral("I could not write the file \"") +
                        QDir::toNativeSeparators(path) + QStringLiteral("\":\r") + failure,
                    platform::Prompter::Kind::Warning);
    return false;
}

namespace {

QPushButton* produceButton(QWidget* parent)
{
    auto* button = new QPushButton(ProduceTitle, parent);
    button->setObjectName(QStringLiteral("SpeedButtonProduce"));
    button->setToolTip(QStringLiteral("Generate the document and asks where to save"));
    return button;
}

QToolButton* hintButton(QWidget* parent, platform::Prompter& prompter, const QString& text)
{
    auto* button = new QToolButton(parent);
    button->setText(QStringLiteral("?"));
    button->setObjectName(QStringLiteral("SpeedButtonHintDocument"));
    QObject::connect(button, &QToolButton::clicked, parent, [&prompter, text] {
        prompter.tell(text, platform::Prompter::Kind::Information);
    });
    return button;
}

QWidget* page(QWidget* parent, QWidget* content, QPushButton* produce, QToolButton* hint = nullptr)
{
    auto* widget = new QWidget(parent);
    auto* layout = new QVBoxLayout(widget);
    content->setParent(widget);
    layout->addWidget(content);
    auto* buttons = new QHBoxLayout;
    if (hint)
        buttons->addWidget(hint);
    buttons->addStretch();
    produce->setParent(widget);
    buttons->addWidget(produce);
    layout->addLayout(buttons);
    layout->addStretch();
    return widget;
}

} // namespace

QWidget* DocumentsPage::buildTasks()
{
    auto* content = new QWidget(this);
    auto* grid = new QGridLayout(content);
    m_from = new QDateEdit(m_sources.today(), content);
    m_to = new QDateEdit(m_sources.today(), content);
    m_from->setCalendarPopup(true);
    m_to->setCalendarPopup(true);
    m_from->setObjectName(QStringLiteral("DateTimePickerDocFrom"));
    m_to->setObjectName(QStringLiteral("DateTimePickerDocTo"));
    grid->addWidget(new QLabel(QStringLiteral("Produce plan from this date..."), content), 0, 0);
    grid->addWidget(m_from, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("... to this date"), content), 1, 0);
    grid->addWidget(m_to, 1, 1);
    auto* include = new QGroupBox(QStringLiteral("  Include  "), content);
    m_free =
        box(include, QStringLiteral("Free"), QStringLiteral("Include free days in the document"));
    m_taskNotes =
        box(include, QStringLiteral("Note"), QStringLiteral("Include note in the document"));
    m_taskSuspended = box(include, QStringLiteral("Suspend"),
                          QStringLiteral("Include suspended tasks in the document"));
    m_taskChecked = box(include, QStringLiteral("Checked"),
                        QStringLiteral("Include checked tasks in the document"));
    const QString kinds[] = {QStringLiteral("O"), QStringLiteral("Y"), QStringLiteral("M"),
                             QStringLiteral("W")};
    for (int i = 0; i < 4; ++i)
        m_kinds[i] = box(include, kinds[i], SectionDocumentNames.at(i), true);
    layOut(include, {m_free, m_taskNotes, m_taskSuspended, m_taskChecked, m_kinds[0], m_kinds[1],
                     m_kinds[2], m_kinds[3]});
    grid->addWidget(include, 2, 0, 1, 2);

    auto* produce = produceButton(this);
    connect(produce, &QPushButton::clicked, this, [this] {
        TasksDocumentOptions options;
        options.from = m_from->date();
        options.to = m_to->date();
        options.freeDays = m_free->isChecked();
        options.notes = m_taskNotes->isChecked();
        options.suspended = m_taskSuspended->isChecked();
        options.checked = m_taskChecked->isChecked();
        options.kinds.clear();
        for (QCheckBox* kind : m_kinds)
            if (kind->isChecked())
                options.kinds += kind->text();
        save(tasksDocument(m_database, options, m_sources.patterns()));
    });
    return page(this, content, produce);
}

QWidget* DocumentsPage::buildSections()
{
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    m_section = new QComboBox(content);
    m_section->setObjectName(QStringLiteral("ComboBoxSection"));
    m_section->addItems(SectionDocumentNames);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Section"), content));
    row->addWidget(m_section, 1);
    layout->addLayout(row);
    auto* include = new QGroupBox(QStringLiteral("  Includi  "), content);
    m_sectionChecked = box(include, QStringLiteral("Checked"));
    m_sectionNotes = box(include, QStringLiteral("Note"));
    m_sectionSuspended = box(include, QStringLiteral("Suspend"));
    layOut(include, {m_sectionChecked, m_sectionNotes, m_sectionSuspended});
    layout->addWidget(include);

    auto* produce = produceButton(this);
    connect(produce, &QPushButton::clicked, this, [this] {
        const QChar kind = QStringLiteral("OYMW").at(qMax(0, m_section->currentIndex()));
        SectionDocumentOptions options;
        options.checked = m_sectionChecked->isChecked();
        options.notes = m_sectionNotes->isChecked();
        options.suspended = m_sectionSuspended->isChecked();
        save(sectionDocument(m_sources.sectionRows(kind), kind, options, m_sources.patterns()));
    });
    return page(this, content, produce,
                hintButton(this, m_prompter,
                           QStringLiteral("The document will list the tasks that are visible at "
                                          "this time in the section chosen.")));
}

QWidget* DocumentsPage::buildWeek()
{
    auto* include = new QGroupBox(QStringLiteral("  Include  "), this);
    const QString names[] = {QStringLiteral("Mon"), QStringLiteral("Teu"), QStringLiteral("Wed"),
                             QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                             QStringLiteral("Sun")};
    std::vector<QCheckBox*> boxes;
    for (int d = 0; d < 7; ++d)
        boxes.push_back(m_days[d] = box(include, names[d], {}, d < 6));
    boxes.push_back(m_weekNotes = box(include, QStringLiteral("Note")));
    layOut(include, boxes);

    auto* produce = produceButton(this);
    connect(produce, &QPushButton::clicked, this, [this] {
        std::array<bool, 7> days{};
        for (int d = 0; d < 7; ++d)
            days[size_t(d)] = m_days[d]->isChecked();
        save(weekDocument(m_database, m_sources.shownDay(), days, m_weekNotes->isChecked(),
                          m_sources.patterns().locale));
    });
    return page(this, include, produce,
                hintButton(this, m_prompter,
                           QStringLiteral("The document will list only the tasks in the the week "
                                          "that contains the selected day in the today section.")));
}

QWidget* DocumentsPage::buildContacts()
{
    auto* include = new QGroupBox(QStringLiteral("  Include  "), this);
    const QString names[] = {QStringLiteral("Company"), QStringLiteral("Phone"),
                             QStringLiteral("Mobile"),  QStringLiteral("E-mail"),
                             QStringLiteral("Fax"),     QStringLiteral("Address"),
                             QStringLiteral("Group"),   QStringLiteral("Note"),
                             QStringLiteral("Skype"),   QStringLiteral("Web")};
    std::vector<QCheckBox*> boxes;
    for (int i = 0; i < 10; ++i)
        boxes.push_back(m_contactFields[i] = box(include, names[i]));
    layOut(include, boxes);

    auto* produce = produceButton(this);
    connect(produce, &QPushButton::clicked, this, [this] {
        ContactFields fields;
        bool* order[] = {&fields.company, &fields.phone,   &fields.mobile, &fields.email,
                         &fields.fax,     &fields.address, &fields.group,  &fields.note,
                         &fields.skype,   &fields.web};
        for (int i = 0; i < 10; ++i)
            *order[i] = m_contactFields[i]->isChecked();
        save(contactsDocument(m_sources.contactRows(), m_sources.contactGroup(), fields,
                              m_sources.today(), m_sources.patterns().locale));
        if (m_sources.contactsToFirstRow)
            m_sources.contactsToFirstRow();
    });
    return page(this, include, produce,
                hintButton(this, m_prompter,
                           QStringLiteral("The document will list the contact that are visible "
                                          "at this time in the contacts tab.")));
}

QWidget* DocumentsPage::buildToDo()
{
    auto* content = new QWidget(this);
    auto* layout = new QHBoxLayout(content);
    auto* indicates = new QGroupBox(QStringLiteral("  Indicates  "), content);
    m_priority = box(indicates, QStringLiteral("Priority"));
    m_percentage = box(indicates, QStringLiteral("Percentage"));
    layOut(indicates, {m_priority, m_percentage});
    auto* include = new QGroupBox(QStringLiteral("  Include  "), content);
    m_toDoChecked = box(include, QStringLiteral("Checked"));
    m_toDoNotes = box(include, QStringLiteral("Note"));
    layOut(include, {m_toDoChecked, m_toDoNotes});
    layout->addWidget(indicates);
    layout->addWidget(include);

    auto* produce = produceButton(this);
    connect(produce, &QPushButton::clicked, this, [this] {
        ToDoDocumentOptions options;
        options.priority = m_priority->isChecked();
        options.percentage = m_percentage->isChecked();
        options.checked = m_toDoChecked->isChecked();
        options.notes = m_toDoNotes->isChecked();
        save(toDoDocument(m_sources.toDoRows(), options, m_sources.today(),
                          m_sources.patterns().locale));
        if (m_sources.toDoToFirstRow)
            m_sources.toDoToFirstRow();
    });
    return page(this, content, produce,
                hintButton(this, m_prompter,
                           QStringLiteral("The document will list the tasks that are visible at "
                                          "this time in the list.")));
}

} // namespace documents::ui
