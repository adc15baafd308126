#include "tododialog.h"

#include "calendar/taskdialoglogic.h"
#include "shared/ui/dialogframe.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/groups.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace todo::ui {
namespace {

constexpr QSize DesignedSize(470, 330);
constexpr int DefaultPriority = 5;
// The dialog stays on top: it steps aside while a file dialog is open.
constexpr int OutOfSight = 7000;

QToolButton* toolButton(QWidget* parent, const char* name, const QString& text,
                        const QString& hint = QString())
{
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hint.isEmpty() ? text : hint);
    return b;
}

QPushButton* pushButton(QWidget* parent, const char* name, const char* text)
{
    auto* b = new QPushButton(QLatin1String(text), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

} // namespace

ToDoDialog::ToDoDialog(Mode mode, ToDoDialogDeps deps, const ToDoEntry& entry, bool enlargedNote,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mode(mode), m_deps(std::move(deps)), m_query(m_deps.database)
{
    setModal(true);
    setObjectName(mode == Mode::New ? QStringLiteral("AggToDoForm")
                                    : QStringLiteral("ModToDoForm"));
    setWindowTitle(mode == Mode::New ? QStringLiteral("-> Add in To-Do List")
                                     : QStringLiteral("-> Modify in To-Do List"));
    const auto rgb =
        themes::parseColourText(m_deps.settings.sectionColour(store::Settings::Section::ToDo));
    m_colour = QColor::fromRgb(rgb.value_or(0xF8DCBA));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(0);
    layout->addWidget(buildTitle());
    m_area = new QStackedWidget(this);
    m_area->addWidget(buildFields());
    m_bigNote = new QPlainTextEdit(m_area);
    m_bigNote->setObjectName(QStringLiteral("Memo_BIG"));
    m_area->addWidget(m_bigNote);
    layout->addWidget(m_area, 1);
    layout->addWidget(buildButtons());

    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    for (QWidget* field : {static_cast<QWidget*>(m_description), static_cast<QWidget*>(m_priority),
                           static_cast<QWidget*>(m_attachment), static_cast<QWidget*>(m_link),
                           static_cast<QWidget*>(m_group)})
        field->installEventFilter(this);

    shared::ui::paintPanel(this, m_colour);
    shared::ui::paintPanel(m_titlePanel, m_colour);
    shared::ui::paintPanel(m_buttonBar, m_colour);
    shared::ui::paintPanel(m_area->widget(0), QApplication::palette().color(QPalette::Window));

    QStringList groups = m_deps.groups;
    groups.sort(Qt::CaseInsensitive);
    m_group->addItems(groups);
    load(entry);
    shared::ui::scaleDialog(this, DesignedSize, m_deps.settings.scalePercent());
    if (enlargedNote)
        toggleNoteArea();
}

ToDoDialog::~ToDoDialog() = default;

QWidget* ToDoDialog::buildTitle()
{
    m_titlePanel = new QWidget(this);
    m_titlePanel->setObjectName(QStringLiteral("Panel_Title"));
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 4, 4, 4);
    auto* title = new QLabel(m_mode == Mode::New ? QStringLiteral("Insert Task")
                                                 : QStringLiteral("Modity Task"),
                             m_titlePanel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* hint =
        toolButton(m_titlePanel, "SpeedButtonHint", QStringLiteral("?"), QStringLiteral("Hint"));
    hint->setAutoRaise(true);
    row->addWidget(title, 1);
    row->addWidget(hint);
    connect(hint, &QToolButton::clicked, this, &ToDoDialog::showHint);
    return m_titlePanel;
}

QWidget* ToDoDialog::buildFields()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setVerticalSpacing(4);
    int row = 0;

    auto* descriptionLabel = new QLabel(QStringLiteral("Description"), panel);
    QFont bold = descriptionLabel->font();
    bold.setBold(true);
    descriptionLabel->setFont(bold);
    m_description = new QLineEdit(panel);
    m_description->setObjectName(QStringLiteral("Edit_id"));
    m_description->setMaxLength(255);
    grid->addWidget(descriptionLabel, row, 0);
    grid->addWidget(m_description, row++, 1, 1, 4);

    m_note = new QPlainTextEdit(panel);
    m_note->setObjectName(QStringLiteral("Memo"));
    m_noteToggle = toolButton(panel, "SpeedButtonBigNote", QStringLiteral("+"),
                              QStringLiteral("Area note grande/normale"));
    auto* noteLabel = new QVBoxLayout;
    noteLabel->addWidget(new QLabel(QStringLiteral("Note"), panel));
    noteLabel->addWidget(m_noteToggle);
    noteLabel->addStretch(1);
    grid->addLayout(noteLabel, row, 0);
    grid->addWidget(m_note, row++, 1, 1, 4);

    m_priority = new QSpinBox(panel);
    m_priority->setObjectName(QStringLiteral("SpinEdit_Priority"));
    m_priority->setRange(1, 99);
    m_priority->setValue(DefaultPriority);
    grid->addWidget(new QLabel(QStringLiteral("Priority"), panel), row, 0);
    grid->addWidget(m_priority, row, 1);
    if (m_mode == Mode::Modify) {
        m_done = new QCheckBox(QStringLiteral("Done"), panel);
        m_done->setObjectName(QStringLiteral("CheckBoxSolved"));
        m_bar = new QSlider(Qt::Horizontal, panel);
        m_bar->setObjectName(QStringLiteral("TrackBarPercento"));
        m_bar->setRange(0, 100);
        m_bar->setSingleStep(1);
        m_bar->setPageStep(10);
        m_percentLabel = new QLabel(QStringLiteral("0%"), panel);
        m_percentLabel->setObjectName(QStringLiteral("Label_Percentage"));
        m_percentLabel->setMinimumWidth(36);
        grid->addWidget(m_done, row, 2);
        grid->addWidget(m_bar, row, 3);
        grid->addWidget(m_percentLabel, row, 4);
        connect(m_bar, &QSlider::valueChanged, this, &ToDoDialog::barMoved);
        // Only the user's click moves the bar: the bar's own ticking must not.
        connect(m_done, &QCheckBox::clicked, this, &ToDoDialog::doneClicked);
    }
    ++row;

    m_attachment = new QLineEdit(panel);
    m_attachment->setObjectName(QStringLiteral("Edit_Allegato"));
    m_attachment->setMaxLength(255);
    auto* attachFile = toolButton(panel, "SpeedButtonAttachFile", QStringLiteral("Attach file"));
    auto* attachFolder =
        toolButton(panel, "SpeedButtonAttachFolder", QStringLiteral("Attach folder"));
    m_clearAttachment = toolButton(panel, "SpeedButtonClearAllegato", QStringLiteral("Clear"));
    grid->addWidget(new QLabel(QStringLiteral("Attach a file, folder, e-mail or website"), panel),
                    row++, 0, 1, 5);
    auto* attachRow = new QHBoxLayout;
    attachRow->addWidget(m_attachment, 1);
    attachRow->addWidget(attachFile);
    attachRow->addWidget(attachFolder);
    attachRow->addWidget(m_clearAttachment);
    grid->addLayout(attachRow, row++, 0, 1, 5);

    m_link = new QLineEdit(panel);
    m_link->setObjectName(QStringLiteral("Edit_Ricerca"));
    m_link->setMaxLength(50);
    m_clearLink = toolButton(panel, "SpeedButtonClearRicerca", QStringLiteral("Clear"));
    grid->addWidget(new QLabel(QStringLiteral("Link to a contact, company or group"), panel), row++,
                    0, 1, 5);
    auto* linkRow = new QHBoxLayout;
    linkRow->addWidget(m_link, 1);
    linkRow->addWidget(m_clearLink);
    grid->addLayout(linkRow, row++, 0, 1, 5);

    m_group = new QComboBox(panel);
    m_group->setObjectName(QStringLiteral("ComboBox_List_Group"));
    m_group->setEditable(true);
    m_group->setInsertPolicy(QComboBox::InsertAlphabetically);
    m_group->lineEdit()->setMaxLength(50);
    grid->addWidget(new QLabel(QStringLiteral("Group"), panel), row, 0);
    grid->addWidget(m_group, row++, 1, 1, 4);
    grid->setColumnStretch(3, 1);

    connect(m_description, &QLineEdit::textChanged, this, &ToDoDialog::descriptionEdited);
    connect(m_attachment, &QLineEdit::textChanged, this, &ToDoDialog::attachmentEdited);
    connect(m_link, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_clearLink->setEnabled(!text.isEmpty()); });
    connect(m_noteToggle, &QToolButton::clicked, this, &ToDoDialog::toggleNoteArea);
    connect(attachFile, &QToolButton::clicked, this, &ToDoDialog::attachFile);
    connect(attachFolder, &QToolButton::clicked, this, &ToDoDialog::attachFolder);
    connect(m_clearAttachment, &QToolButton::clicked, m_attachment, &QLineEdit::clear);
    connect(m_clearLink, &QToolButton::clicked, m_link, &QLineEdit::clear);
    return panel;
}

QWidget* ToDoDialog::buildButtons()
{
    m_buttonBar = new QWidget(this);
    m_buttonBar->setObjectName(QStringLiteral("Panel_Buttons"));
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(6, 6, 6, 6);
    row->addStretch(1);
    if (m_mode == Mode::New) {
        m_insert = pushButton(m_buttonBar, "BitBtnInsert", "Insert");
        m_insertClose = pushButton(m_buttonBar, "BitBtnInsertClose", "Insert and close");
        row->addWidget(m_insert);
        row->addWidget(m_insertClose);
        connect(m_insert, &QPushButton::clicked, this, &ToDoDialog::insert);
        connect(m_insertClose, &QPushButton::clicked, this, &ToDoDialog::insertAndClose);
    } else {
        m_modify = pushButton(m_buttonBar, "BitBtnModify", "Modify");
        row->addWidget(m_modify);
        connect(m_modify, &QPushButton::clicked, this, &ToDoDialog::modify);
    }
    auto* close = pushButton(m_buttonBar, "BitBtnClose", "Close");
    row->addWidget(close);
    connect(close, &QPushButton::clicked, this, &ToDoDialog::reject);
    if (m_mode == Mode::Modify && m_deps.printer) {
        auto* print = pushButton(m_buttonBar, "BitBtnPrint", "Print");
        row->addWidget(print);
        connect(print, &QPushButton::clicked, this,
                [this] { m_deps.printer->printImage(grab().toImage(), windowTitle()); });
    }
    return m_buttonBar;
}

void ToDoDialog::load(const ToDoEntry& entry)
{
    m_codtod = entry.codtod;
    m_flag = entry.flag;
    if (m_mode == Mode::Modify) {
        m_bar->setValue(entry.percento);
        barMoved(entry.percento);
        m_priority->setValue(entry.priority);
        m_done->setChecked(entry.done);
        m_completion.done = entry.done;
    }
    m_description->setText(entry.id);
    m_note->setPlainText(entry.note);
    m_attachment->setText(entry.allegato);
    m_link->setText(entry.ricerca);
    m_group->setEditText(entry.gruppo);
    attachmentEdited(m_attachment->text());
    m_clearLink->setEnabled(!m_link->text().isEmpty());
    descriptionEdited();
    m_description->setFocus();
}

void ToDoDialog::barMoved(int position)
{
    m_completion.moveBar(position);
    m_percentLabel->setText(QString::number(position) + u'%');
    const QSignalBlocker blocker(m_done);
    m_done->setChecked(m_completion.done);
}

void ToDoDialog::doneClicked(bool ticked)
{
    m_completion.clickDone(ticked);
    m_bar->setValue(m_completion.percent);
}

void ToDoDialog::descriptionEdited()
{
    const bool any = !m_description->text().isEmpty();
    for (QPushButton* b : {m_insert, m_insertClose, m_modify}) {
        if (b)
            b->setEnabled(any);
    }
}

void ToDoDialog::attachmentEdited(const QString& text)
{
    m_attachment->setToolTip(text);
    m_clearAttachment->setEnabled(!text.isEmpty());
    const QString relative = calendar::withoutAttachmentFolders(text, m_deps.state.programFolder);
    if (relative != text)
        m_attachment->setText(relative);
}

bool ToDoDialog::noteAreaEnlarged() const
{
    return m_area->currentWidget() == m_bigNote;
}

void ToDoDialog::toggleNoteArea()
{
    const bool enlarge = !noteAreaEnlarged();
    QPlainTextEdit* from = enlarge ? m_note : m_bigNote;
    QPlainTextEdit* to = enlarge ? m_bigNote : m_note;
    to->setPlainText(from->toPlainText());
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(
        std::min(from->textCursor().position(), to->document()->characterCount() - 1));
    m_area->setCurrentWidget(enlarge ? static_cast<QWidget*>(m_bigNote) : m_area->widget(0));
    m_noteToggle->setText(enlarge ? QStringLiteral("-") : QStringLiteral("+"));
    to->setTextCursor(cursor);
    to->setFocus();
}

bool ToDoDialog::save()
{
    if (m_description->text().isEmpty())
        return false;
    ToDoEntry entry;
    entry.codtod = m_codtod;
    entry.id = savedDescription(m_description->text());
    entry.note = (noteAreaEnlarged() ? m_bigNote : m_note)->toPlainText();
    entry.priority = m_priority->value();
    entry.allegato = m_attachment->text();
    entry.ricerca = m_link->text();
    entry.gruppo = m_group->currentText();
    if (m_mode == Mode::New) {
        m_codtod = insertEntry(m_query, entry);
    } else {
        entry.done = m_done->isChecked();
        entry.percento = m_bar->value();
        updateEntry(m_query, entry);
    }
    if (!entry.gruppo.isEmpty())
        shared::groups::ensure(m_deps.database, u'L', entry.gruppo);
    m_savedAny = true;
    emit saved(m_codtod, entry.gruppo);
    return true;
}

void ToDoDialog::clearForNext()
{
    if (noteAreaEnlarged())
        toggleNoteArea();
    m_priority->setValue(DefaultPriority);
    m_description->clear();
    m_note->clear();
    m_bigNote->clear();
    m_attachment->clear();
    m_link->clear();
    m_description->setFocus();
}

void ToDoDialog::insert()
{
    if (save())
        clearForNext();
}

void ToDoDialog::insertAndClose()
{
    if (save())
        accept();
}

void ToDoDialog::modify()
{
    if (save())
        accept();
}

void ToDoDialog::defaultAction()
{
    if (m_mode == Mode::New && m_insert->isEnabled())
        insertAndClose();
    else if (m_mode == Mode::Modify && m_modify->isEnabled())
        modify();
}

void ToDoDialog::attachFile()
{
    const QString folder = QFileInfo(m_attachment->text()).path();
    const QString start = !m_attachment->text().isEmpty() && QFileInfo(folder).isDir()
                              ? folder
                              : QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const QPoint at = pos();
    move(at - QPoint(OutOfSight, 0));
    const QString file = m_deps.services.prompter.openFileName(QStringLiteral("Allega file"), start,
                                                               QStringLiteral("Tutti i file (*)"));
    move(at);
    if (!file.isEmpty())
        m_attachment->setText(QDir::toNativeSeparators(file));
}

void ToDoDialog::attachFolder()
{
    const QString current = m_attachment->text();
    const QString start =
        !current.isEmpty() && QFileInfo(current).isDir() ? current : QDir::rootPath();
    const QPoint at = pos();
    move(at - QPoint(0, OutOfSight));
    const QString folder =
        m_deps.services.prompter.folderName(QStringLiteral("Allega cartella"), start);
    move(at);
    if (!folder.isEmpty())
        m_attachment->setText(QDir::toNativeSeparators(folder));
}

void ToDoDialog::showHint()
{
    m_deps.services.prompter.tell(
        calendar::descriptionMessage(
            m_mode == Mode::New
                ? QStringLiteral("This module allows you to add a task in the to-do list.")
                : QStringLiteral(
                      "This module allows you to update the status of a task in the to-do list.")),
        platform::Prompter::Kind::Information);
}

bool ToDoDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            defaultAction();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace todo::ui
