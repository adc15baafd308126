#pragma once

#include <QColor>
#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;

namespace platform {
class Prompter;
}
namespace store {
class Database;
class Settings;
} // namespace store

namespace app::ui {

// "Visible tabs": which of the eight section tabs the window shows from its
// next start. The Options tab is always shown.
class TTabShowForm final : public QDialog
{
    Q_OBJECT
public:
    // `frameColour` (0xRRGGBB) is the Options section's colour, `titleColour`
    // the colour of the tab strip's text.
    TTabShowForm(store::Database& database, store::Settings& settings, platform::Prompter& prompter,
                 unsigned frameColour, const QColor& titleColour, QWidget* parent = nullptr);

    // "Apply" (and Enter): writes the eight boxes, tells when they apply and closes.
    void apply();

private:
    store::Database& m_db;
    platform::Prompter& m_prompter;
    std::array<QCheckBox*, 8> m_boxes{};
};

} // namespace app::ui
