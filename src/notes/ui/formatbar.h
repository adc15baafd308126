#pragma once

#include <QWidget>

#include <vector>

class QActionGroup;
class QFontComboBox;
class QMenu;
class QPlainTextEdit;
class QSpinBox;
class QToolButton;

namespace platform {
class Prompter;
}
namespace store {
class Settings;
}

namespace notes::ui {

// The editor's format bar (`Panel_Format`): font, size, text and page
// colours and the character set. Each control changes the editor at once
// and enables "Save", which stores the appearance in the settings row.
class FormatBar final : public QWidget
{
    Q_OBJECT
public:
    FormatBar(store::Settings& settings, platform::Prompter& prompter, QPlainTextEdit* editor,
              QWidget* parent = nullptr);

    // Puts the stored appearance into the controls and the editor; "Save"
    // ends disabled.
    void showStored();
    int charset() const { return m_charset; }

    // The entries of the character-set menu and their numbers.
    struct Charset
    {
        const char* name;
        int number;
    };
    static const std::vector<Charset>& charsets();

private:
    void changed();
    void applyToEditor();
    void chooseColour(bool text);
    void save();
    void showColours();

    store::Settings& m_settings;
    platform::Prompter& m_prompter;
    QPlainTextEdit* m_editor;
    QString m_fontName;
    unsigned m_textColour = 0x000000;
    unsigned m_pageColour = 0xFFFFFF;
    int m_charset = 0;
    bool m_quiet = false;

    QFontComboBox* m_fonts = nullptr;
    QSpinBox* m_size = nullptr;
    QToolButton* m_fontColour = nullptr;
    QToolButton* m_pageColourButton = nullptr;
    QToolButton* m_charsetButton = nullptr;
    QMenu* m_charsetMenu = nullptr;
    QActionGroup* m_charsetGroup = nullptr;
    QToolButton* m_save = nullptr;
};

} // namespace notes::ui
