#include "noteeditor.h"

#include "formatbar.h"
#include "notefindwindow.h"
#include "noteprint.h"
#include "notes/noterecord.h"
#include "platform/printer.h"
#include "platform/prompter.h"
#include "shared/appstate.h"
#include "store/settings.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>
#include <QVBoxLayout>

namespace notes::ui {
namespace {

QToolButton* toolButton(QWidget* parent, const char* name, const char* hint, const char* caption)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    button->setText(QLatin1String(caption));
    button->setAutoRaise(true);
    return button;
}

// Watches the editor's mouse releases, after which the open-selection button
// decides whether the selection is something to open.
class ReleaseWatcher final : public QObject
{
public:
    ReleaseWatcher(QObject* parent, std::function<void()> released)
        : QObject(parent), m_released(std::move(released))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            m_released();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> m_released;
};

} // namespace

NoteEditor::NoteEditor(store::Settings& settings, shared::Services& services, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_services(services)
{
    setObjectName(QStringLiteral("Panel_Editor"));
    m_titleBar = new QLabel(this);
    m_titleBar->setObjectName(QStringLiteral("Panel_nomeCompleto"));
    QFont bold = m_titleBar->font();
    bold.setBold(true);
    m_titleBar->setFont(bold);

    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("Editor"));
    m_editor->setTabChangesFocus(false);
    m_editor->setEnabled(false);
    m_format = new FormatBar(settings, services.prompter, m_editor, this);
    m_format->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(buildTools());
    layout->addWidget(m_titleBar);
    layout->addWidget(m_format);
    layout->addWidget(m_editor, 1);
    buildMenus();

    connect(m_editor, &QPlainTextEdit::textChanged, this, &NoteEditor::textEdited);
    m_editor->viewport()->installEventFilter(
        new ReleaseWatcher(this, [this] { selectionReleased(); }));
    connect(&m_settings, &store::Settings::loaded, this, &NoteEditor::applySettings);
    connect(&m_settings, &store::Settings::editorLoaded, this, &NoteEditor::applyEditorSettings);
    if (m_settings.isRead())
        applySettings();
    clearNote();
}

NoteEditor::~NoteEditor() = default;

QWidget* NoteEditor::buildTools()
{
    auto* bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("Panel_EditorTools"));
    // Rows of a few buttons each: the editor's side is narrow in the
    // window's default size.
    auto* rows = new QVBoxLayout(bar);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    const auto newRow = [rows] {
        auto* row = new QHBoxLayout;
        row->setSpacing(1);
        rows->addLayout(row);
        return row;
    };
    m_showList = toolButton(bar, "SpeedButtonOpen", "Show / hide note's list", "List");
    m_showList->setCheckable(true);
    m_update = toolButton(bar, "SpeedButtonUpdate", "Update file", "Update");
    m_undo = toolButton(bar, "SpeedButtonRestoreNote", "Undo / redo", "Undo");
    m_breakLine = toolButton(bar, "SpeedButton_Breakline", "Break lines ", "Wrap");
    m_breakLine->setCheckable(true);
    m_formatToggle = toolButton(bar, "SpeedButton_Formatbar", "Editor properties ", "Format");
    m_formatToggle->setCheckable(true);
    m_findButton = toolButton(bar, "SpeedButtonFind", "Find ", "Find");
    m_stats = toolButton(bar, "SpeedButtonStat", "Stats ", "Stats");
    m_date = toolButton(bar, "SpeedButtonAggData", "Insert date & time", "Date");
    m_export = toolButton(bar, "SpeedButtonSaveAs", "Export", "Export");
    m_import = toolButton(bar, "SpeedButtonImportText", "Import", "Import");
    m_print = toolButton(bar, "SpeedButtonPrintNote", "Print ", "Print");
    m_charMap = toolButton(bar, "SpeedButton_CharMap", "Char map ", "Chars");
    m_calc = toolButton(bar, "SpeedButton_Calc", "Calculator ", "Calc");
    m_open = toolButton(bar, "SpeedButtonRocket_Note", "Open selected e-mail/URL", "Open");
    m_autoOpen = toolButton(bar, "SpeedButtonStop_Note", "Automatically open selected e-mail/URL",
                            "Auto");
    m_autoOpen->setCheckable(true);
    m_hint = toolButton(bar, "SpeedButtonHelpNote", "Hint", "?");
    const std::initializer_list<std::initializer_list<QToolButton*>> layout{
        {m_showList, m_update, m_undo, m_findButton, m_stats, m_date, m_hint},
        {m_breakLine, m_formatToggle, m_export, m_import, m_print},
        {m_open, m_autoOpen, m_charMap, m_calc},
    };
    for (const auto& buttons : layout) {
        QHBoxLayout* row = newRow();
        for (QToolButton* b : buttons)
            row->addWidget(b);
        row->addStretch(1);
    }

    m_update->setEnabled(false);
    m_undo->setEnabled(false);
    m_open->setEnabled(false);
    // The character map and calculator wait for the desktop's tools, print
    // for a printer: until the window gives them these offer nothing.
    m_print->setEnabled(false);
    m_charMap->setEnabled(false);
    m_calc->setEnabled(false);

    connect(m_update, &QToolButton::clicked, this, &NoteEditor::updateRequested);
    connect(m_import, &QToolButton::clicked, this, &NoteEditor::importRequested);
    connect(m_charMap, &QToolButton::clicked, this, &NoteEditor::characterMapRequested);
    connect(m_calc, &QToolButton::clicked, this, &NoteEditor::calculatorRequested);
    connect(m_showList, &QToolButton::toggled, this, &NoteEditor::listHidden);
    connect(m_undo, &QToolButton::clicked, this, &NoteEditor::toggleUndo);
    connect(m_findButton, &QToolButton::clicked, this, &NoteEditor::showFind);
    connect(m_date, &QToolButton::clicked, this, &NoteEditor::insertDateTime);
    connect(m_export, &QToolButton::clicked, this, &NoteEditor::exportNote);
    connect(m_print, &QToolButton::clicked, this, &NoteEditor::printNote);
    connect(m_open, &QToolButton::clicked, this, &NoteEditor::openSelection);
    connect(m_breakLine, &QToolButton::clicked, this, [this](bool down) {
        auto options = m_settings.currentOptions();
        options.breakLine = down;
        m_settings.saveOptions(options);
        m_settings.load();
    });
    connect(m_formatToggle, &QToolButton::clicked, this, [this](bool down) {
        auto options = m_settings.currentOptions();
        options.formatBar = down;
        m_settings.saveOptions(options);
        m_settings.load();
    });
    connect(m_hint, &QToolButton::clicked, this, [this] {
        m_services.prompter.tell(
            QStringLiteral("Notes is text function in Corvandine that can be used on its own or as "
                           "an attachment to other files on your computer."),
            platform::Prompter::Kind::Information);
    });
    return bar;
}

void NoteEditor::buildMenus()
{
    m_statsMenu = new QMenu(this);
    m_statsMenu->setObjectName(QStringLiteral("PopupMenu_Stats"));
    m_statsMenu->addAction(QStringLiteral("Fast stats"), this, &NoteEditor::fastStats);
    m_statsMenu->addAction(QStringLiteral("Advanced stats"), this, &NoteEditor::advancedStats);
    connect(m_stats, &QToolButton::clicked, this, [this] {
        m_statsMenu->popup(m_stats->mapToGlobal(QPoint(0, m_stats->height())));
    });
}

void NoteEditor::applySettings()
{
    m_breakLine->setChecked(m_settings.breakLine());
    m_editor->setLineWrapMode(m_settings.breakLine() ? QPlainTextEdit::WidgetWidth
                                                     : QPlainTextEdit::NoWrap);
    m_editor->setHorizontalScrollBarPolicy(m_settings.breakLine() ? Qt::ScrollBarAlwaysOff
                                                                  : Qt::ScrollBarAsNeeded);
    m_formatToggle->setChecked(m_settings.formatBar());
    m_format->setVisible(m_settings.formatBar() && !m_readOnly);
    m_hint->setVisible(!m_settings.hideTips());
    applyEditorSettings();
}

void NoteEditor::applyEditorSettings()
{
    m_format->showStored();
}

int NoteEditor::charset() const
{
    return m_format->charset();
}

// ---- The note in the editor ------------------------------------------------------

void NoteEditor::loadNote(qint64 codnot, const QString& title, const QString& stored)
{
    m_codnot = codnot;
    m_title = title;
    m_titleBar->setText(titleBarText(title));
    m_editor->setEnabled(true);
    m_storedPlain = editorText(stored);
    m_loading = true;
    m_editor->setPlainText(m_storedPlain);
    m_loading = false;
    m_lastWasUndo = false;
    m_undo->setEnabled(false);
    m_update->setEnabled(false);
}

void NoteEditor::clearNote()
{
    m_codnot = 0;
    m_title.clear();
    m_titleBar->clear();
    m_storedPlain.clear();
    m_loading = true;
    m_editor->clear();
    m_loading = false;
    m_editor->setEnabled(false);
    m_undo->setEnabled(false);
    m_update->setEnabled(false);
}

bool NoteEditor::hasPendingChanges() const
{
    return m_update->isEnabled();
}

NoteEditor::EditedNote NoteEditor::editedNote() const
{
    return {m_codnot, m_title, storedText()};
}

void NoteEditor::discardPendingChanges()
{
    m_update->setEnabled(false);
}

QString NoteEditor::plainText() const
{
    // The document's own text keeps what toPlainText() would change (no-break
    // spaces); only its paragraph marks become line feeds.
    QString text = m_editor->document()->toRawText();
    return text.replace(QChar::ParagraphSeparator, u'\n');
}

QString NoteEditor::storedText() const
{
    return notes::storedText(plainText());
}

void NoteEditor::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_editor->setReadOnly(readOnly);
    for (QToolButton* b : {m_update, m_undo, m_import, m_date, m_formatToggle})
        b->setVisible(!readOnly);
    m_format->setVisible(m_settings.formatBar() && !readOnly);
    if (readOnly)
        discardPendingChanges();
}

void NoteEditor::textEdited()
{
    if (m_loading || m_readOnly)
        return;
    const bool differs = plainText() != m_storedPlain;
    m_undo->setEnabled(differs);
    m_update->setEnabled(differs);
}

void NoteEditor::setDesktopToolsAvailable(bool available)
{
    m_charMap->setEnabled(available);
    m_calc->setEnabled(available);
}

void NoteEditor::setToolsEnabled(bool any)
{
    m_toolsEnabled = any;
    for (QToolButton* b : {m_findButton, m_export, m_date, m_stats})
        b->setEnabled(any);
    m_print->setEnabled(any && m_printer);
}

void NoteEditor::setPrinter(platform::Printer* printer)
{
    m_printer = printer;
    m_print->setEnabled(m_toolsEnabled && m_printer);
}

void NoteEditor::printNote()
{
    if (!m_printer)
        return;
    const QString text = m_editor->toPlainText();
    const QFont font = m_editor->font();
    m_printer->printDocument(
        m_title.isEmpty() ? QStringLiteral("Note") : m_title, notePageLayout(),
        [&text, &font](QPagedPaintDevice& device) { return paintNoteText(text, font, device); });
}

} // namespace notes::ui
