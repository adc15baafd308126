#include "formatbar.h"

#include "platform/prompter.h"
#include "store/settings.h"
#include "themes/colourtext.h"

#include <QActionGroup>
#include <QFontComboBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace notes::ui {
namespace {

QToolButton* panelButton(QWidget* parent, const char* name, const char* hint, const char* text)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(QLatin1String(hint));
    button->setText(QLatin1String(text));
    button->setAutoRaise(true);
    return button;
}

QString swatchStyle(unsigned rgb)
{
    const QColor colour = QColor::fromRgb(QRgb(0xFF000000u | rgb));
    const QColor ink = colour.lightness() < 128 ? Qt::white : Qt::black;
    return QStringLiteral("QToolButton { background: %1; color: %2; border: 1px solid #808080; "
                          "padding: 1px 6px; }")
        .arg(colour.name(), ink.name());
}

} // namespace

const std::vector<FormatBar::Charset>& FormatBar::charsets()
{
    static const std::vector<Charset> list{
        {"ANSI", 0},
        {"DEFAULT", 1},
        {"SYMBOL", 2},
        {"MAC", 77},
        {"Korean (Wansung)", 129},
        {"Japanese shift-jis", 128},
        {"Chinese (Simplified)", 134},
        {"Chinese (Traditional) ", 136},
        {"Korean (Johab)", 130},
        {"Turkish", 162},
        {"Greek", 161},
        {"Vietnamese", 163},
        {"Arabic", 178},
        {"Hebrew", 177},
        {"Baltic", 186},
        {"Cyrillic", 204},
        {"EASTEUROPE", 238},
        {"Thai", 222},
        {"OEM", 255},
    };
    return list;
}

FormatBar::FormatBar(store::Settings& settings, platform::Prompter& prompter,
                     QPlainTextEdit* editor, QWidget* parent)
    : QWidget(parent), m_settings(settings), m_prompter(prompter), m_editor(editor)
{
    setObjectName(QStringLiteral("Panel_Format"));
    m_fonts = new QFontComboBox(this);
    m_fonts->setObjectName(QStringLiteral("ComboBox_Fonts"));
    m_fonts->setToolTip(QStringLiteral("Fonts"));
    m_fonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_fonts->setMinimumContentsLength(10);
    m_size = new QSpinBox(this);
    m_size->setObjectName(QStringLiteral("SpinEdit_Size"));
    m_size->setToolTip(QStringLiteral("Size"));
    m_size->setRange(8, 72);
    m_fontColour = panelButton(this, "Panel_Font_Color", "Font color", "Text");
    m_pageColourButton = panelButton(this, "Panel_Editor_Color", "Page color", "Page");
    m_charsetButton = panelButton(this, "Panel_CharSet", "Charset", "ANSI");
    m_save = panelButton(this, "SpeedButton_Aggiorna_Editor_Setup", "Save", "Save");
    m_save->setEnabled(false);

    m_charsetMenu = new QMenu(this);
    m_charsetMenu->setObjectName(QStringLiteral("PopupMenu_CharSet"));
    m_charsetGroup = new QActionGroup(this);
    for (const Charset& entry : charsets()) {
        QAction* action = m_charsetMenu->addAction(QLatin1String(entry.name));
        action->setCheckable(true);
        action->setData(entry.number);
        m_charsetGroup->addAction(action);
    }

    auto* rows = new QVBoxLayout(this);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(2);
    auto* font = new QHBoxLayout;
    font->setSpacing(3);
    font->addWidget(m_fonts, 1);
    font->addWidget(m_size);
    rows->addLayout(font);
    auto* row = new QHBoxLayout;
    row->setSpacing(3);
    rows->addLayout(row);
    row->addWidget(m_fontColour);
    row->addWidget(m_pageColourButton);
    row->addWidget(m_charsetButton);
    row->addStretch(1);
    row->addWidget(m_save);

    // Only the user's choice counts: the list may settle on a face of its own
    // when the stored one is not installed.
    connect(m_fonts, &QFontComboBox::activated, this, [this] {
        m_fontName = m_fonts->currentFont().family();
        changed();
    });
    connect(m_size, &QSpinBox::valueChanged, this, &FormatBar::changed);
    connect(m_fontColour, &QToolButton::clicked, this, [this] { chooseColour(true); });
    connect(m_pageColourButton, &QToolButton::clicked, this, [this] { chooseColour(false); });
    connect(m_charsetButton, &QToolButton::clicked, this, [this] {
        // Opening the menu counts as a change, as it always has.
        m_save->setEnabled(true);
        m_charsetMenu->popup(m_charsetButton->mapToGlobal(QPoint(0, m_charsetButton->height())));
    });
    connect(m_charsetGroup, &QActionGroup::triggered, this, [this](QAction* action) {
        m_charset = action->data().toInt();
        m_charsetButton->setText(action->text().trimmed());
        m_save->setEnabled(true);
    });
    connect(m_save, &QToolButton::clicked, this, &FormatBar::save);
}

void FormatBar::showStored()
{
    m_quiet = true;
    {
        const QSignalBlocker fonts(m_fonts);
        const QSignalBlocker size(m_size);
        m_fontName = m_settings.fontName();
        m_fonts->setCurrentFont(QFont(m_fontName));
        m_size->setValue(std::clamp(m_settings.fontSize(), 8, 72));
    }
    m_textColour = themes::parseColourText(m_settings.fontColour()).value_or(0x000000);
    m_pageColour = themes::parseColourText(m_settings.backColour()).value_or(0xFFFFFF);
    // The stored number is kept whatever it is; the menu marks it when it
    // offers it.
    m_charset = m_settings.charset();
    m_charsetButton->setText(QString::number(m_charset));
    for (QAction* action : m_charsetGroup->actions()) {
        const bool mine = action->data().toInt() == m_charset;
        action->setChecked(mine);
        if (mine)
            m_charsetButton->setText(action->text().trimmed());
    }
    m_quiet = false;
    applyToEditor();
    m_save->setEnabled(false);
}

void FormatBar::changed()
{
    if (m_quiet)
        return;
    applyToEditor();
    m_save->setEnabled(true);
}

void FormatBar::applyToEditor()
{
    // The stored font name may be one this desktop lacks; the editor keeps
    // the name and the system picks the nearest face.
    QFont font(m_fontName);
    font.setPointSize(m_size->value());
    font.setStyleHint(QFont::TypeWriter, QFont::PreferDefault);
    m_editor->setFont(font);
    QPalette pal = m_editor->palette();
    pal.setColor(QPalette::Text, QColor::fromRgb(QRgb(0xFF000000u | m_textColour)));
    pal.setColor(QPalette::Base, QColor::fromRgb(QRgb(0xFF000000u | m_pageColour)));
    m_editor->setPalette(pal);
    showColours();
}

void FormatBar::showColours()
{
    m_fontColour->setStyleSheet(swatchStyle(m_textColour));
    m_pageColourButton->setStyleSheet(swatchStyle(m_pageColour));
}

void FormatBar::chooseColour(bool text)
{
    unsigned& colour = text ? m_textColour : m_pageColour;
    const std::optional<unsigned> chosen = m_prompter.colour(colour);
    if (!chosen)
        return;
    colour = *chosen & 0xFFFFFF;
    changed();
}

void FormatBar::save()
{
    m_settings.saveEditorSettings(m_fontName, themes::colourText(m_textColour),
                                  m_size->value(), m_charset, themes::colourText(m_pageColour));
    m_save->setEnabled(false);
}

} // namespace notes::ui
