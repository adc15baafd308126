#include "taskdialog.h"

#include "platform/clock.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "themes/colourtext.h"
#include "timefield.h"
#include "tselectform.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace calendar::ui {

using shared::ui::FrameDragger;
using shared::ui::paintPanel;
using shared::ui::placeBelow;
using shared::ui::scaleDialog;
namespace {

// The size the dialogs are laid out for at a window scale of 100.
constexpr QSize DesignedSize(520, 500);
// Out of the way of the system's file and folder dialogs while they are open.
constexpr int OutOfSight = 7000;

store::Settings::Section sectionOf(const QString& kind)
{
    if (kind == kind::Yearly)
        return store::Settings::Section::Yearly;
    if (kind == kind::Monthly)
        return store::Settings::Section::Monthly;
    if (kind == kind::Weekly)
        return store::Settings::Section::Weekly;
    return store::Settings::Section::OneShot;
}

} // namespace

TaskDialog::TaskDialog(const QString& kind, DialogMode mode, TaskDialogDeps& deps, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_kind(kind), m_mode(mode), m_texts(taskDialogTexts(kind, mode)), m_deps(deps),
      m_query(deps.database)
{
    setModal(true);
    setWindowTitle(m_texts.windowCaption);
    const auto rgb = themes::parseColourText(deps.settings.sectionColour(sectionOf(kind)));
    m_sectionColour = QColor::fromRgb(rgb.value_or(0xC0C0C0));
}

TaskDialog::~TaskDialog() = default;

void TaskDialog::setUp(const StoredTask* stored, bool enlargedNote)
{
    // Built here rather than in the constructor, so that the kind's own
    // options are asked for by a fully made object.
    auto* layout = new QVBoxLayout(this);
    // The border: the dialog's own background shows around the panels.
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

    connect(m_note, &QPlainTextEdit::textChanged, this, [this] { copyNote(m_note, m_bigNote); });
    connect(m_bigNote, &QPlainTextEdit::textChanged, this, [this] { copyNote(m_bigNote, m_note); });

    auto* dragger = new FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    for (QWidget* field : {static_cast<QWidget*>(m_description), static_cast<QWidget*>(m_from),
                           static_cast<QWidget*>(m_to), static_cast<QWidget*>(m_search),
                           static_cast<QWidget*>(m_attachment)})
        field->installEventFilter(this);
    paint();
    paintKind();
    if (stored)
        load(*stored);
    else
        startNew();
    updateOptions();
    scaleDialog(this, DesignedSize, m_deps.settings.scalePercent());
    if (enlargedNote)
        toggleNoteArea();
}

void TaskDialog::paint()
{
    const GridTheme& theme = m_deps.theme;
    paintPanel(this, m_sectionColour);
    paintPanel(m_titlePanel, m_sectionColour, QColor::fromRgb(theme.titleText));
    paintPanel(m_buttonBar, m_sectionColour);
    // The fields keep the button face, whatever colour the border has.
    paintPanel(m_fieldsPanel, QApplication::palette().color(QPalette::Window));
    const bool strong = theme.style == GridStyle::Coloratissime;
    paintPanel(m_suspend, strong ? m_sectionColour : QColor(), QColor::fromRgb(theme.suspended));
}

QDate TaskDialog::shownDate() const
{
    return m_deps.shownDate ? m_deps.shownDate() : today();
}

QDate TaskDialog::today() const
{
    return m_deps.services.clock.today();
}

QDate TaskDialog::taskDate() const
{
    return m_deps.dialogState.taskDialogDate();
}

void TaskDialog::startNew()
{
    m_deps.dialogState.setTaskDialogDate(shownDate(), locale());
    clearFields();
    m_expiry->setDate(taskDate());
    refreshDate();
    startKind();
}

void TaskDialog::clearFields()
{
    m_from->clearTime();
    m_to->clearTime();
    m_description->clear();
    m_note->clear();
    m_search->clear();
    m_attachment->clear();
    m_description->setFocus();
    const QString contact = m_deps.activeContactName ? m_deps.activeContactName() : QString();
    if (!contact.isEmpty()) {
        m_description->setText(contact);
        m_search->setText(contact);
    }
}

void TaskDialog::load(const StoredTask& stored)
{
    const TaskDraft& d = stored.draft;
    m_codimp = stored.codimp;
    m_storedDate = d.date;
    m_storedDone = stored.done;
    m_deps.dialogState.setTaskDialogDate(d.date, locale());
    m_from->setTimeText(reloadedTimeText(locale(), d.from));
    m_to->setTimeText(reloadedTimeText(locale(), d.to));
    m_description->setText(d.description);
    m_note->setPlainText(d.note);
    m_search->setText(d.searchKey);
    m_attachment->setText(d.attachment);
    m_remember->setChecked(d.remindInAdvance);
    m_suspend->setChecked(d.suspended);
    loadKind(stored);
    m_expiration->setChecked(d.expires);
    m_expiry->setMinimumDate(taskDate());
    m_expiry->setDate(loadedExpiry(stored.storedExpiry, today(), taskDate()));
    m_done->setText(doneLine(stored.done, locale()));
    refreshDate();
    m_description->setFocus();
}

void TaskDialog::addKindOptions(QGridLayout*, int&) {}

QDate TaskDialog::chooserStart() const
{
    return taskDate();
}

void TaskDialog::fillKind(TaskDraft&) const {}

void TaskDialog::loadKind(const StoredTask&) {}

void TaskDialog::refreshDate()
{
    m_dateLabel->setText(dateText());
    // The picker refuses earlier days from now on, typed or picked, and an
    // expiry already earlier is raised.
    m_expiry->setMinimumDate(taskDate());
    m_expiry->setDate(raisedExpiry(m_expiry->date(), taskDate()));
}

void TaskDialog::updateOptions()
{
    const bool describable = !m_description->text().isEmpty();
    for (QPushButton* b : {m_insert, m_insertClose, m_modify})
        if (b)
            b->setEnabled(describable);
    m_remember->setText(rememberCaption(m_deps.settings.futureDays()));
    m_remember->setEnabled(m_deps.settings.futureFlag());
    m_expiration->setEnabled(expirationAllowed() || m_expiration->isChecked());
    m_expiry->setEnabled(m_expiration->isChecked());
    enableKindOptions();
}

bool TaskDialog::timesAccepted()
{
    const auto problem = timeProblem(m_from->timeText(), m_to->timeText(), locale());
    if (problem)
        m_deps.services.prompter.tell(*problem, platform::Prompter::Kind::Warning);
    return !problem;
}

void TaskDialog::capitalizeFields()
{
    m_description->setText(capitalizedFirst(m_description->text()));
    m_search->setText(capitalizedFirst(m_search->text()));
}

TaskDraft TaskDialog::draft()
{
    // A date still being typed counts as it reads; the floor holds either way.
    m_expiry->interpretText();
    TaskDraft d;
    d.description = m_description->text();
    d.note = m_note->toPlainText();
    d.from = m_from->timeText();
    d.to = m_to->timeText();
    d.searchKey = m_search->text();
    d.attachment = m_attachment->text();
    d.remindInAdvance = m_remember->isChecked();
    d.suspended = m_suspend->isChecked();
    d.expires = m_expiration->isChecked();
    d.date = taskDate();
    d.expiry = raisedExpiry(m_expiry->date(), d.date);
    fillKind(d);
    return d;
}

bool TaskDialog::saveNew()
{
    if (m_description->text().isEmpty() || !timesAccepted())
        return false;
    capitalizeFields();
    m_codimp = TaskWriter(m_query, locale()).insert(m_kind, draft(), shownDate());
    m_savedAny = true;
    emit taskSaved(m_kind, m_codimp);
    return true;
}

void TaskDialog::insert()
{
    if (!saveNew())
        return;
    if (noteAreaEnlarged())
        toggleNoteArea();
    // The date, the options and the expiry stay for the next task.
    clearFields();
}

void TaskDialog::insertAndClose()
{
    if (saveNew())
        accept();
}

void TaskDialog::modify()
{
    if (m_description->text().isEmpty() || !timesAccepted())
        return;
    capitalizeFields();
    if (!TaskWriter(m_query, locale())
             .update(m_kind, m_codimp, draft(), m_storedDate, m_storedDone, shownDate())) {
        m_deps.services.prompter.tell(TaskGoneMessage, platform::Prompter::Kind::Warning);
        return;
    }
    m_savedAny = true;
    emit taskSaved(m_kind, m_codimp);
    accept();
}

void TaskDialog::defaultAction()
{
    if (m_mode == DialogMode::New && m_insertClose->isEnabled())
        insertAndClose();
    else if (m_mode == DialogMode::Modify && m_modify->isEnabled())
        modify();
}

void TaskDialog::print()
{
    m_deps.printer.printImage(grab().toImage(), windowTitle());
}

TSelectForm& TaskDialog::chooser()
{
    if (!m_chooser)
        m_chooser = new TSelectForm(m_deps.dialogState, m_deps.services.prompter, locale(), this);
    return *m_chooser;
}

void TaskDialog::chooseDate()
{
    stepAside();
    TSelectForm& c = chooser();
    c.setTitle(m_texts.chooserTitle);
    c.setColours(m_sectionColour, QColor::fromRgb(m_deps.theme.titleText));
    c.setMode(m_texts.chooserMode);
    c.setStartDate(chooserStart());
    c.setScalePercent(m_deps.settings.scalePercent());
    placeBelow(&c, m_dateLabel);
    if (c.exec() != QDialog::Accepted)
        return;
    refreshDate();
    dateChosen();
}

void TaskDialog::showHint()
{
    stepAside();
    m_deps.services.prompter.tell(descriptionMessage(m_texts.kindSentence),
                                  platform::Prompter::Kind::Information);
}

bool TaskDialog::noteAreaEnlarged() const
{
    return m_area->currentWidget() == m_bigNote;
}

void TaskDialog::toggleNoteArea()
{
    const bool enlarge = !noteAreaEnlarged();
    QPlainTextEdit* from = enlarge ? m_note : m_bigNote;
    QPlainTextEdit* to = enlarge ? m_bigNote : m_note;
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(
        std::min(from->textCursor().position(), to->document()->characterCount() - 1));
    m_area->setCurrentWidget(enlarge ? static_cast<QWidget*>(m_bigNote) : m_fieldsPanel);
    m_noteButton->setText(enlarge ? QStringLiteral("-") : QStringLiteral("+"));
    to->setTextCursor(cursor);
    to->ensureCursorVisible();
    to->setFocus();
}

void TaskDialog::copyNote(QPlainTextEdit* from, QPlainTextEdit* to)
{
    if (m_copyingNote)
        return;
    m_copyingNote = true;
    to->setPlainText(from->toPlainText());
    m_copyingNote = false;
}

void TaskDialog::attachmentEdited(const QString& text)
{
    m_attachment->setToolTip(text);
    m_clearAttachment->setEnabled(!text.isEmpty());
    const QString relative = withoutAttachmentFolders(text, m_deps.state.programFolder);
    if (relative != text)
        m_attachment->setText(relative);
}

void TaskDialog::attachFile()
{
    const QString folder = QFileInfo(m_attachment->text()).path();
    const QString start = !m_attachment->text().isEmpty() && QFileInfo(folder).isDir()
                              ? folder
                              : QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // The dialog stays on top: it steps aside so the file dialog can be seen.
    const QPoint at = pos();
    move(at - QPoint(OutOfSight, 0));
    const QString file = m_deps.services.prompter.openFileName(QStringLiteral("Allega file"), start,
                                                               QStringLiteral("Tutti i file (*)"));
    move(at);
    if (!file.isEmpty())
        m_attachment->setText(QDir::toNativeSeparators(file));
}

void TaskDialog::attachFolder()
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

bool TaskDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_dateLabel && event->type() == QEvent::MouseButtonRelease) {
        chooseDate();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            defaultAction();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace calendar::ui
