#pragma once

#include <QColor>
#include <QDialog>

class QCheckBox;

namespace platform {
class Desktop;
class Prompter;
} // namespace platform

namespace app::ui {

// The product's web pages the program offers to open.
QString helpPageAddress();
QString downloadPageAddress();
QString socialPageAddress();

// The one-time notice for users of an earlier version: its archives are not
// read here, a separate program converts them.
class TMigrationInfoForm final : public QDialog
{
    Q_OBJECT
public:
    // `frameColour` (0xRRGGBB): the current section's; `textColour`: the tab
    // strip's text colour, for the title and "Do not show again".
    TMigrationInfoForm(platform::Prompter& prompter, platform::Desktop& desktop,
                       unsigned frameColour, const QColor& textColour, QWidget* parent = nullptr);

    bool doNotShowAgain() const;

    static QString noticeText();

private:
    platform::Prompter& m_prompter;
    platform::Desktop& m_desktop;
    QCheckBox* m_dontShow = nullptr;
};

} // namespace app::ui
