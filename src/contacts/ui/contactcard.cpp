#include "contactcard.h"

#include "contacts/contactcardlinks.h"
#include "shared/textutils.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace contacts::ui {
namespace {

// The fields stand above the note: the note area starts this far down the
// card, and grows to all but this margin of it when enlarged.
constexpr int NoteTop = 248;
constexpr int EnlargedNoteTop = 8;

QToolButton* cardButton(QWidget* parent, const char* name, const QString& hint,
                        const QString& caption)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(hint);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// What the open-selection button accepts: an address of the web or of a
// mail or call program, an existing file or folder, or an e-mail address.
bool openable(const QString& selection)
{
    static const char* const Prefixes[] = {"WWW",    "HTTP://", "HTTPS://",
                                           "SKYPE:", "MAILTO:", "CALLTO:"};
    for (const char* prefix : Prefixes) {
        if (selection.startsWith(QLatin1String(prefix), Qt::CaseInsensitive))
            return true;
    }
    return QFileInfo::exists(selection) || !shared::isNotEmailAddress(selection);
}

} // namespace

ContactCard::ContactCard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_Border"));
    setAutoFillBackground(true);

    auto* titleBar = m_titleBar = new QWidget(this);
    titleBar->setObjectName(QStringLiteral("Panel_Card_Title"));
    auto* titleRow = new QHBoxLayout(titleBar);
    titleRow->setContentsMargins(4, 2, 2, 2);
    m_title = new QLabel(titleBar);
    m_title->setObjectName(QStringLiteral("Label_Card_Name"));
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_spy = cardButton(titleBar, "SpeedButton_spy", QStringLiteral("Search the contact on Google"),
                       QStringLiteral("Web"));
    m_quickTask =
        cardButton(titleBar, "SpeedButton_AppRapido",
                   QStringLiteral("Insert task with selected contact"), QStringLiteral("Task"));
    m_close = cardButton(titleBar, "SpeedButton_close_card", QStringLiteral("Hide contact card"),
                         QStringLiteral("x"));
    titleRow->addWidget(m_title, 1);
    titleRow->addWidget(m_spy);
    titleRow->addWidget(m_quickTask);
    titleRow->addWidget(m_close);

    m_fieldsArea = new QWidget(this);
    auto* beside = new QHBoxLayout(m_fieldsArea);
    beside->setContentsMargins(4, 2, 4, 2);
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(1);
    m_company = addField(grid, 0, "Company", "DBEdit_Card_company");
    m_phone = addField(grid, 1, "Phone", "DBEdit_Card_tel");
    m_mobile = addField(grid, 2, "Mobile", "DBEdit_Card_mobile");
    m_skype = addField(grid, 3, "Skype", "DBEdit_Card_skype");
    m_fax = addField(grid, 4, "Fax", "DBEdit_Card_fax");
    m_email = addField(grid, 5, "E-mail", "DBEdit_Card_email");
    m_web = addField(grid, 6, "Web", "DBEdit_Card_site");
    m_group = addField(grid, 7, "Group", "DBEdit_Card_gruppo");
    auto* addressLabel = new QLabel(QStringLiteral("Address"), m_fieldsArea);
    m_address = new QPlainTextEdit(m_fieldsArea);
    m_address->setObjectName(QStringLiteral("DBMemo_Card_indirizzo"));
    m_address->setReadOnly(true);
    m_address->setFixedHeight(m_address->fontMetrics().lineSpacing() * 3 + 8);
    m_address->viewport()->installEventFilter(this);
    grid->addWidget(addressLabel, 8, 0, Qt::AlignTop);
    grid->addWidget(m_address, 8, 1);
    beside->addLayout(grid, 1);

    auto* pictureColumn = new QVBoxLayout;
    m_picture = new QLabel(m_fieldsArea);
    m_picture->setObjectName(QStringLiteral("Image_Contact"));
    m_picture->setFixedSize(96, 120);
    m_picture->setAlignment(Qt::AlignCenter);
    m_picture->installEventFilter(this);
    m_birthdayBox = new QWidget(m_fieldsArea);
    m_birthdayBox->setObjectName(QStringLiteral("Panel_Birthday"));
    auto* birthdayRow = new QVBoxLayout(m_birthdayBox);
    birthdayRow->setContentsMargins(0, 0, 0, 0);
    auto* cake = new QLabel(QStringLiteral("Birthday"), m_birthdayBox);
    m_birthday = new QLabel(m_birthdayBox);
    m_birthday->setObjectName(QStringLiteral("Label_Birthday"));
    birthdayRow->addWidget(cake);
    birthdayRow->addWidget(m_birthday);
    m_birthdayBox->installEventFilter(this);
    pictureColumn->addWidget(m_picture);
    pictureColumn->addWidget(m_birthdayBox);
    pictureColumn->addStretch(1);
    beside->addLayout(pictureColumn);

    m_noteArea = new QWidget(this);
    m_noteArea->setObjectName(QStringLiteral("Panel_Card_Note"));
    m_noteArea->setAutoFillBackground(true);
    auto* noteBox = new QVBoxLayout(m_noteArea);
    noteBox->setContentsMargins(4, 2, 4, 4);
    auto* noteBar = new QHBoxLayout;
    noteBar->addWidget(new QLabel(QStringLiteral("Note"), m_noteArea));
    noteBar->addStretch(1);
    m_rocket = cardButton(m_noteArea, "SpeedButtonRocket_Contact",
                          QStringLiteral("Open selected e-mail/URL"), QStringLiteral("Open"));
    m_rocket->setEnabled(false);
    m_stop = cardButton(m_noteArea, "SpeedButtonStop_Contact",
                        QStringLiteral("Automatically open selected e-mail/URL"),
                        QStringLiteral("Auto"));
    m_stop->setCheckable(true);
    m_zoom = cardButton(m_noteArea, "SpeedButtonZoomNote",
                        QStringLiteral("Expand / Collapse edit notes area"), QStringLiteral("+"));
    noteBar->addWidget(m_rocket);
    noteBar->addWidget(m_stop);
    noteBar->addWidget(m_zoom);
    m_note = new QPlainTextEdit(m_noteArea);
    m_note->setObjectName(QStringLiteral("DBMemoContact"));
    m_note->setReadOnly(true);
    m_note->viewport()->installEventFilter(this);
    noteBox->addLayout(noteBar);
    noteBox->addWidget(m_note, 1);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(titleBar);
    outer->addWidget(m_fieldsArea);
    outer->addStretch(1);
    titleBar->installEventFilter(this);
    m_title->installEventFilter(this);

    m_quickMenu = new QMenu(this);
    m_quickMenu->setObjectName(QStringLiteral("PopupMenuAppRapido"));
    for (const auto& [caption, kind] : {std::pair{"One Shot", u'O'}, std::pair{"Yearly", u'Y'},
                                        std::pair{"Monthly", u'M'}, std::pair{"Weekly", u'W'}}) {
        const QChar letter(kind);
        m_quickMenu->addAction(QLatin1String(caption), this,
                               [this, letter] { emit quickTaskRequested(letter); });
    }
    m_quickMenu->addSeparator();
    m_quickMenu->addAction(QStringLiteral("Cancel"));

    connect(m_close, &QToolButton::clicked, this, &ContactCard::hideRequested);
    connect(m_spy, &QToolButton::clicked, this, &ContactCard::webSearchRequested);
    connect(m_quickTask, &QToolButton::clicked, this, [this] {
        m_quickMenu->popup(m_quickTask->mapToGlobal(QPoint(0, m_quickTask->height())));
    });
    connect(m_rocket, &QToolButton::clicked, this, &ContactCard::openSelection);
    connect(m_stop, &QToolButton::toggled, this, [this](bool down) {
        if (down && m_rocket->isEnabled())
            openSelection();
    });
    connect(m_zoom, &QToolButton::clicked, this, [this] {
        m_zoom->setText(noteEnlarged() ? QStringLiteral("+") : QStringLiteral("-"));
        layoutNote();
    });
    show(Content{});
}

QLineEdit* ContactCard::addField(QGridLayout* grid, int row, const char* label, const char* name)
{
    auto* caption = new QLabel(QLatin1String(label), m_fieldsArea);
    auto* field = new QLineEdit(m_fieldsArea);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setFrame(false);
    field->installEventFilter(this);
    grid->addWidget(caption, row, 0);
    grid->addWidget(field, row, 1);
    return field;
}

void ContactCard::show(const Content& content)
{
    m_content = content;
    const ListedContact& c = content.contact;
    m_spy->setEnabled(content.any);
    m_quickTask->setEnabled(content.any);
    m_title->setText(content.any ? cardTitle(c.ragsoc) : QString());
    const std::pair<QLineEdit*, const QString*> fields[] = {
        {m_company, &c.company}, {m_phone, &c.tel},   {m_mobile, &c.mobile}, {m_skype, &c.skype},
        {m_fax, &c.fax},         {m_email, &c.email}, {m_web, &c.site},      {m_group, &c.gruppo}};
    for (const auto& [field, value] : fields) {
        // A long value is shown from its start, not scrolled to its end.
        field->setText(*value);
        field->setCursorPosition(0);
    }
    m_address->setPlainText(c.indirizzo);
    m_address->setVerticalScrollBarPolicy(c.indirizzo.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                                : Qt::ScrollBarAsNeeded);
    m_note->setPlainText(c.note);
    m_note->setVerticalScrollBarPolicy(c.note.isEmpty() ? Qt::ScrollBarAlwaysOff
                                                        : Qt::ScrollBarAsNeeded);
    m_birthdayBox->setVisible(content.any && !content.birthday.isEmpty());
    m_birthday->setText(content.birthday);
    // Without a picture the fields take its width.
    const bool picture = content.any && !content.picture.isNull();
    if (picture)
        m_picture->setPixmap(QPixmap::fromImage(content.picture.scaled(
            m_picture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    else
        m_picture->clear();
    m_picture->setVisible(picture);
    checkNoteSelection();
}

QString ContactCard::noteSelection() const
{
    return m_note->textCursor().selectedText();
}

void ContactCard::checkNoteSelection(bool clearSelection)
{
    if (clearSelection) {
        QTextCursor cursor = m_note->textCursor();
        cursor.clearSelection();
        m_note->setTextCursor(cursor);
    }
    m_rocket->setEnabled(false);
    m_rocket->setToolTip(QStringLiteral("Open selected e-mail/URL"));
    const QString selection = noteSelection();
    if (selection.isEmpty() || !openable(selection))
        return;
    m_rocket->setEnabled(true);
    m_rocket->setToolTip(selection);
    if (m_stop->isChecked())
        openSelection();
}

void ContactCard::openSelection()
{
    if (m_note->toPlainText().isEmpty())
        return;
    const QString target = openTarget(noteSelection());
    if (!target.isEmpty())
        emit openRequested(target);
}

bool ContactCard::noteEnlarged() const
{
    return m_zoom->text() == QStringLiteral("-");
}

void ContactCard::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_quickTask->setVisible(!readOnly);
}

void ContactCard::layoutNote()
{
    const int fieldsBottom = m_titleBar->sizeHint().height() + m_fieldsArea->sizeHint().height();
    const int top = noteEnlarged() ? EnlargedNoteTop : std::max(NoteTop, fieldsBottom);
    m_noteArea->setGeometry(0, top, width(), std::max(0, height() - top));
    m_noteArea->raise();
}

void ContactCard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutNote();
}

bool ContactCard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease && watched == m_note->viewport()) {
        checkNoteSelection();
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == m_note->viewport()) {
            // A note with text is for reading and selecting; an empty one
            // invites writing it.
            if (m_note->toPlainText().isEmpty() && m_content.any)
                emit modifyRequested();
            return true;
        }
        if (m_content.any)
            emit modifyRequested();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace contacts::ui
