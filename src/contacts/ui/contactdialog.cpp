#include "contactdialog.h"

#include "calendar/taskdialoglogic.h"
#include "contacts/contactphoto.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace contacts::ui {
namespace {

// The size the dialogs are laid out for at a window scale of 100.
constexpr QSize DesignedSize(640, 560);
// Out of the way of the system's file and folder dialogs while they are open.
constexpr int OutOfSight = 7000;

const QString PhotoCaption = QStringLiteral("Photo");

// A value longer than the field lets one type (imported data) is shown and
// kept whole: the limit grows to it instead of cutting it.
void setWhole(QLineEdit* field, const QString& text, int limit)
{
    field->setMaxLength(std::max<int>(limit, int(text.size())));
    field->setText(text);
}

} // namespace

QString contactHintMessage(ContactDialog::Mode mode)
{
    return calendar::descriptionMessage(
               mode == ContactDialog::Mode::New
                   ? QStringLiteral(
                         "This module allows you to enter a new contact in Address Book.")
                   : QStringLiteral("This module allows you to update contact informations.")) +
           QStringLiteral("\r\r- Skype syntax \"skype:username?call\" to call or "
                          "\"skype:username?chat\" to chat.");
}

ContactDialog::ContactDialog(Mode mode, calendar::ui::TaskDialogDeps& deps,
                             const ContactDialogStart& start, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_mode(mode), m_deps(deps), m_start(start)
{
    setModal(true);
    setWindowTitle(mode == Mode::New ? QStringLiteral("-> New Contact")
                                     : QStringLiteral("-> Modify Contact"));
    const auto rgb =
        themes::parseColourText(deps.settings.sectionColour(store::Settings::Section::Contacts));
    m_sectionColour = QColor::fromRgb(rgb.value_or(0xC0C0C0));
}

ContactDialog::~ContactDialog() = default;

void ContactDialog::setUp(const std::optional<ContactFields>& stored, qint64 codcon,
                          bool enlargedNote)
{
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

    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    dragger->watch(m_buttonBar);
    paint();
    m_codcon = codcon;
    if (stored) {
        refreshBirthday();
        load(*stored);
    } else {
        m_group->setEditText(m_start.currentGroup);
        clearFields();
    }
    updateButtons();
    shared::ui::scaleDialog(this, DesignedSize, m_deps.settings.scalePercent());
    if (enlargedNote)
        toggleNoteArea();
}

void ContactDialog::paint()
{
    const QColor titleText = QColor::fromRgb(m_deps.theme.titleText);
    shared::ui::paintPanel(this, m_sectionColour);
    shared::ui::paintPanel(m_titlePanel, m_sectionColour, titleText);
    shared::ui::paintPanel(m_buttonBar, m_sectionColour);
    // The fields keep the button face, whatever colour the border has.
    shared::ui::paintPanel(m_fieldsPanel, QApplication::palette().color(QPalette::Window));
}

ContactFields ContactDialog::fields() const
{
    ContactFields f;
    f.name = m_name->text();
    f.company = m_company->text();
    f.phone = m_phone->text();
    f.mobile = m_mobile->text();
    f.skype = m_skype->text();
    f.fax = m_fax->text();
    f.email = m_email->text();
    f.site = m_site->text();
    f.address = m_address->toPlainText();
    f.note = m_note->toPlainText();
    f.group = m_group->currentText();
    f.attachment1 = m_attachments[0]->text();
    f.attachment2 = m_attachments[1]->text();
    f.attachment3 = m_attachments[2]->text();
    f.photo = m_photoPath;
    return f;
}

void ContactDialog::clearFields()
{
    for (const auto& [field, limit] : std::as_const(m_limited)) {
        if (field != m_group->lineEdit()) {
            field->clear();
            field->setMaxLength(limit);
        }
    }
    m_address->clear();
    m_note->clear();
    m_photoPath.clear();
    showPhoto(QImage());
    m_name->setFocus();
}

void ContactDialog::load(const ContactFields& s)
{
    setWhole(m_group->lineEdit(), s.group, limit::Group);
    setWhole(m_name, s.name, limit::Name);
    m_address->setPlainText(s.address);
    setWhole(m_phone, s.phone, limit::Text);
    setWhole(m_fax, s.fax, limit::Text);
    setWhole(m_email, s.email, limit::Text);
    m_note->setPlainText(s.note);
    setWhole(m_site, s.site, limit::Text);
    setWhole(m_company, s.company, limit::Company);
    setWhole(m_mobile, s.mobile, limit::Text);
    setWhole(m_attachments[0], s.attachment1, limit::Text);
    setWhole(m_attachments[1], s.attachment2, limit::Text);
    setWhole(m_attachments[2], s.attachment3, limit::Text);
    setWhole(m_skype, s.skype, limit::Text);
    // A picture that cannot be reached now (a drive not mounted, a path from
    // another system) keeps its stored path: only Delete forgets it. One
    // found in the program's "pics" folder is stored there from now on.
    const QString found = resolveContactPhoto(s.photo, m_deps.state.programFolder);
    m_photoPath = found.isEmpty() ? s.photo : found;
    showPhoto(found.isEmpty() ? QImage() : loadContactPhoto(found));
    m_name->setFocus();
}

void ContactDialog::showPhoto(const QImage& image)
{
    m_photo = image;
    if (image.isNull()) {
        m_photoButton->setIcon(QIcon());
        m_photoButton->setText(PhotoCaption);
        m_photoButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
        return;
    }
    // Centred, its proportions kept.
    const QSize room = m_photoButton->iconSize();
    m_photoButton->setIcon(
        QPixmap::fromImage(image.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    m_photoButton->setText(QString());
    m_photoButton->setToolButtonStyle(Qt::ToolButtonIconOnly);
}

void ContactDialog::updateButtons()
{
    const bool named = !m_name->text().isEmpty();
    for (QPushButton* b : {m_insert, m_insertClose, m_modify})
        if (b)
            b->setEnabled(named);
}

bool ContactDialog::save()
{
    if (m_name->text().isEmpty())
        return false;
    m_name->setText(nameAsShown(m_name->text()));
    ContactWriter writer(m_deps.database);
    if (m_mode == Mode::New) {
        m_codcon = writer.insert(fields());
    } else if (!writer.update(m_codcon, fields())) {
        m_deps.services.prompter.tell(ContactGoneMessage, platform::Prompter::Kind::Warning);
        return false;
    }
    m_savedAny = true;
    emit contactSaved(m_codcon);
    return true;
}

void ContactDialog::insert()
{
    if (!save())
        return;
    if (noteAreaEnlarged())
        toggleNoteArea();
    clearFields();
}

void ContactDialog::insertAndClose()
{
    if (save())
        accept();
}

void ContactDialog::modify()
{
    if (save())
        accept();
}

void ContactDialog::defaultAction()
{
    if (m_mode == Mode::New && m_insertClose->isEnabled())
        insertAndClose();
    else if (m_mode == Mode::Modify && m_modify->isEnabled())
        modify();
}

void ContactDialog::print()
{
    m_deps.printer.printImage(grab().toImage(), windowTitle());
}

void ContactDialog::showHint()
{
    m_deps.services.prompter.tell(contactHintMessage(m_mode),
                                  platform::Prompter::Kind::Information);
}

bool ContactDialog::noteAreaEnlarged() const
{
    return m_area->currentWidget() == m_bigNote;
}

void ContactDialog::toggleNoteArea()
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

void ContactDialog::copyNote(QPlainTextEdit* from, QPlainTextEdit* to)
{
    if (m_copyingNote)
        return;
    m_copyingNote = true;
    to->setPlainText(from->toPlainText());
    m_copyingNote = false;
}

void ContactDialog::openPhoto()
{
    const QString pics = QDir(m_deps.state.programFolder).filePath(QStringLiteral("pics"));
    QString start = QFileInfo(pics).isDir() ? pics : QString();
    if (m_mode == Mode::Modify && !m_photo.isNull())
        start = m_photoPath;
    const QString file = m_deps.services.prompter.openFileName(
        QStringLiteral("Open picture"), start,
        QStringLiteral("Pictures (*.bmp *.jpg *.jpeg *.png *.gif *.ico *.tif *.tiff *.webp *.wmf "
                       "*.emf);;All files (*)"));
    if (file.isEmpty())
        return;
    QString error;
    const QImage image = loadContactPhoto(file, &error);
    if (image.isNull()) {
        // The picture and path the contact had stay.
        m_deps.services.prompter.tell(error, platform::Prompter::Kind::Warning);
        return;
    }
    m_photoPath = QDir::toNativeSeparators(file);
    showPhoto(image);
}

void ContactDialog::deletePhoto()
{
    m_photoPath.clear();
    showPhoto(QImage());
}

void ContactDialog::attachFile(QLineEdit* field)
{
    const QString folder = QFileInfo(field->text()).path();
    const QString start = !field->text().isEmpty() && QFileInfo(folder).isDir()
                              ? folder
                              : QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // The dialog stays on top: it steps aside so the file dialog can be seen.
    const QPoint at = pos();
    move(at - QPoint(OutOfSight, 0));
    const QString file = m_deps.services.prompter.openFileName(QStringLiteral("Allega file"), start,
                                                               QStringLiteral("Tutti i file (*)"));
    move(at);
    if (!file.isEmpty())
        field->setText(QDir::toNativeSeparators(file));
}

void ContactDialog::attachFolder(QLineEdit* field)
{
    const QString current = field->text();
    const QString start =
        !current.isEmpty() && QFileInfo(current).isDir() ? current : QDir::rootPath();
    const QPoint at = pos();
    move(at - QPoint(0, OutOfSight));
    const QString folder =
        m_deps.services.prompter.folderName(QStringLiteral("Allega cartella"), start);
    move(at);
    if (!folder.isEmpty())
        field->setText(QDir::toNativeSeparators(folder));
}

bool ContactDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(watched)) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            defaultAction();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

TAggConForm::TAggConForm(calendar::ui::TaskDialogDeps& deps, const ContactDialogStart& start,
                         QWidget* parent)
    : ContactDialog(Mode::New, deps, start, parent)
{
    setObjectName(QStringLiteral("AggConForm"));
    setUp(std::nullopt, 0, false);
}

TModConForm::TModConForm(calendar::ui::TaskDialogDeps& deps, const ContactDialogStart& start,
                         qint64 codcon, const ContactFields& stored, bool enlargedNote,
                         QWidget* parent)
    : ContactDialog(Mode::Modify, deps, start, parent)
{
    setObjectName(QStringLiteral("ModConForm"));
    setUp(stored, codcon, enlargedNote);
}

} // namespace contacts::ui
