#include "notedialog.h"

#include "notes/noterecord.h"
#include "platform/clock.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "shared/groups.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace notes::ui {
namespace {

constexpr QSize DesignedSize(430, 360);

QPushButton* button(QWidget* parent, const char* name, const char* caption)
{
    auto* b = new QPushButton(QLatin1String(caption), parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// Carries the text and the cursor from one text area to the other.
void mirror(QPlainTextEdit* from, QPlainTextEdit* to)
{
    const int position = from->textCursor().position();
    if (to->toPlainText() != from->toPlainText())
        to->setPlainText(from->toPlainText());
    QTextCursor cursor = to->textCursor();
    cursor.setPosition(std::min(position, to->document()->characterCount() - 1));
    to->setTextCursor(cursor);
}

} // namespace

NoteDialog::NoteDialog(Mode mode, NoteDialogDeps deps, const QStringList& groups, const Note& note,
                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_mode(mode),
      m_deps(std::move(deps)), m_codnot(note.codnot)
{
    const bool isNew = mode == Mode::New;
    setObjectName(isNew ? QStringLiteral("TAggNoteForm") : QStringLiteral("TModNoteForm"));
    setWindowTitle(isNew ? QStringLiteral("-> New Note") : QStringLiteral("-> Modify Note"));
    setModal(true);

    m_titlePanel = new QLabel(isNew ? QStringLiteral("Insert note") : QStringLiteral("Modify note"),
                              this);
    m_titlePanel->setObjectName(QStringLiteral("Panel_Titolo"));
    QFont bold = m_titlePanel->font();
    bold.setBold(true);
    m_titlePanel->setFont(bold);
    m_titlePanel->setContentsMargins(6, 4, 6, 4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(m_titlePanel);
    layout->addWidget(buildFields(), 1);
    layout->addWidget(buildButtons());

    m_title->setText(note.title);
    m_text->setPlainText(editorText(note.text));
    m_group->addItems(groups);
    m_group->setEditText(note.group);
    m_title->setFocus();

    const unsigned colour =
        themes::parseColourText(m_deps.settings.sectionColour(store::Settings::Section::Notes))
            .value_or(0xFFFFE0);
    const QColor background = QColor::fromRgb(QRgb(0xFF000000u | colour));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, background);
    setPalette(pal);
    setAutoFillBackground(true);
    shared::ui::paintPanel(m_titlePanel, background.darker(115));
    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(m_titlePanel);
    shared::ui::scaleDialog(this, DesignedSize, m_deps.settings.scalePercent());
    shared::ui::placeOverParent(this);
}

QWidget* NoteDialog::buildFields()
{
    m_pages = new QStackedWidget(this);
    auto* fields = new QWidget(m_pages);
    fields->setObjectName(QStringLiteral("Panel_Campi"));
    auto* titleLabel = new QLabel(QStringLiteral("Title"), fields);
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    m_title = new QLineEdit(fields);
    m_title->setObjectName(QStringLiteral("Edit_nomefile"));
    m_title->setMaxLength(200);
    m_text = new QPlainTextEdit(fields);
    m_text->setObjectName(QStringLiteral("editor"));
    m_group = new QComboBox(fields);
    m_group->setObjectName(QStringLiteral("ComboBox_Note_Group"));
    m_group->setEditable(true);
    m_group->setInsertPolicy(QComboBox::InsertAlphabetically);
    m_group->lineEdit()->setMaxLength(50);
    m_enlarge = new QToolButton(fields);
    m_enlarge->setObjectName(QStringLiteral("SpeedButtonNoteGrande"));
    m_enlarge->setToolTip(QStringLiteral("Area note grande/normale"));
    m_enlarge->setText(QStringLiteral("+"));

    auto* grid = new QVBoxLayout(fields);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(titleLabel);
    grid->addWidget(m_title);
    auto* textRow = new QHBoxLayout;
    textRow->addWidget(new QLabel(QStringLiteral("Text"), fields), 1);
    textRow->addWidget(m_enlarge);
    grid->addLayout(textRow);
    grid->addWidget(m_text, 1);
    grid->addWidget(new QLabel(QStringLiteral("Group"), fields));
    grid->addWidget(m_group);

    auto* large = new QWidget(m_pages);
    m_large = new QPlainTextEdit(large);
    m_large->setObjectName(QStringLiteral("editor_grande"));
    auto* shrink = new QToolButton(large);
    shrink->setObjectName(QStringLiteral("SpeedButtonNoteNormale"));
    shrink->setToolTip(QStringLiteral("Area note grande/normale"));
    shrink->setText(QStringLiteral("-"));
    auto* largeBox = new QVBoxLayout(large);
    largeBox->setContentsMargins(0, 0, 0, 0);
    largeBox->addWidget(shrink, 0, Qt::AlignRight);
    largeBox->addWidget(m_large, 1);

    m_pages->addWidget(fields);
    m_pages->addWidget(large);
    connect(m_enlarge, &QToolButton::clicked, this, &NoteDialog::toggleEnlarged);
    connect(shrink, &QToolButton::clicked, this, &NoteDialog::toggleEnlarged);
    // Enter in the title or the group acts as the dialog's main button.
    const auto enter = [this] { save(true); };
    connect(m_title, &QLineEdit::returnPressed, this, enter);
    connect(m_group->lineEdit(), &QLineEdit::returnPressed, this, enter);
    return m_pages;
}

QWidget* NoteDialog::buildButtons()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    auto* hint = new QToolButton(bar);
    hint->setObjectName(QStringLiteral("SpeedButtonHint"));
    hint->setToolTip(QStringLiteral("Hint"));
    hint->setText(QStringLiteral("?"));
    hint->setVisible(!m_deps.settings.hideTips());
    row->addWidget(hint);
    row->addStretch(1);
    connect(hint, &QToolButton::clicked, this, [this] {
        m_deps.services.prompter.tell(hintText(), platform::Prompter::Kind::Information);
    });
    if (m_mode == Mode::New) {
        QPushButton* insert = button(bar, "BitBtnInsert", "Insert");
        QPushButton* insertClose = button(bar, "BitBtnInsertClose", "Insert and close");
        row->addWidget(insert);
        row->addWidget(insertClose);
        connect(insert, &QPushButton::clicked, this, [this] { save(false); });
        connect(insertClose, &QPushButton::clicked, this, [this] { save(true); });
    } else {
        QPushButton* modify = button(bar, "BitBtnModify", "Modify");
        QPushButton* print = button(bar, "BitBtnPrint", "Print");
        row->addWidget(modify);
        row->addWidget(print);
        print->setEnabled(m_deps.printer != nullptr);
        connect(modify, &QPushButton::clicked, this, [this] { save(true); });
        connect(print, &QPushButton::clicked, this, [this] {
            if (m_deps.printer)
                m_deps.printer->printImage(grab().toImage(), windowTitle());
        });
    }
    QPushButton* close = button(bar, "BitBtnClose", "Close");
    row->addWidget(close);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

QString NoteDialog::hintText() const
{
    return m_mode == Mode::New
               ? QStringLiteral("DESCRIPTION:\r\rThis module allows you to enter a new note.")
               : QStringLiteral("DESCRIPTION:\r\rThis module allows you to update a new note.");
}

void NoteDialog::showEnlarged()
{
    if (m_pages->currentIndex() == 0)
        toggleEnlarged();
}

void NoteDialog::toggleEnlarged()
{
    if (m_pages->currentIndex() == 0) {
        mirror(m_text, m_large);
        m_pages->setCurrentIndex(1);
        m_large->setFocus();
    } else {
        mirror(m_large, m_text);
        m_pages->setCurrentIndex(0);
        m_text->setFocus();
    }
}

void NoteDialog::save(bool close)
{
    // The enlarged area is the text while it is open.
    if (m_pages->currentIndex() == 1)
        mirror(m_large, m_text);
    const NoteFields fields{m_title->text(), storedText(m_text->toPlainText()),
                            m_group->currentText()};
    const QDateTime now = m_deps.services.clock.now();
    const QString title = m_mode == Mode::New
                              ? insertNote(m_deps.general, fields, now)
                              : notes::updateNote(m_deps.general, m_codnot, fields, now);
    m_title->setText(title);
    if (!fields.group.isEmpty())
        shared::groups::ensure(m_deps.database, u'N', fields.group);
    m_saved = true;
    if (m_deps.saved)
        m_deps.saved(fields.group);
    if (close || m_mode == Mode::Modify) {
        accept();
        return;
    }
    if (m_pages->currentIndex() == 1)
        toggleEnlarged();
    m_title->clear();
    m_text->clear();
    m_large->clear();
    m_title->setFocus();
}

} // namespace notes::ui
