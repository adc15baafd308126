#include "desktopscheme.h"

#include <QPalette>

namespace themes::ui {
namespace {

struct SchemeRole
{
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// By system colour index; inactive captions and borders from the inactive
// group, grey text from the disabled one.
constexpr std::array<SchemeRole, SystemColourCount> Roles{{
    {QPalette::Active, QPalette::Button},            // clScrollBar
    {QPalette::Active, QPalette::Dark},              // clBackground
    {QPalette::Active, QPalette::Highlight},         // clActiveCaption
    {QPalette::Inactive, QPalette::Highlight},       // clInactiveCaption
    {QPalette::Active, QPalette::Window},            // clMenu
    {QPalette::Active, QPalette::Base},              // clWindow
    {QPalette::Active, QPalette::Shadow},            // clWindowFrame
    {QPalette::Active, QPalette::WindowText},        // clMenuText
    {QPalette::Active, QPalette::Text},              // clWindowText
    {QPalette::Active, QPalette::HighlightedText},   // clCaptionText
    {QPalette::Active, QPalette::Button},            // clActiveBorder
    {QPalette::Inactive, QPalette::Button},          // clInactiveBorder
    {QPalette::Active, QPalette::Mid},               // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},         // clHighlight
    {QPalette::Active, QPalette::HighlightedText},   // clHighlightText
    {QPalette::Active, QPalette::Button},            // clBtnFace
    {QPalette::Active, QPalette::Dark},              // clBtnShadow
    {QPalette::Disabled, QPalette::WindowText},      // clGrayText
    {QPalette::Active, QPalette::ButtonText},        // clBtnText
    {QPalette::Inactive, QPalette::HighlightedText}, // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},             // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},            // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},          // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},       // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},       // clInfoBk
    {QPalette::Active, QPalette::Button},            // index 25, no name
    {QPalette::Active, QPalette::Link},              // index 26, no name (hot tracking)
    {QPalette::Active, QPalette::Highlight},         // clGradientActiveCaption
    {QPalette::Inactive, QPalette::Highlight},       // clGradientInactiveCaption
}};

} // namespace

DesktopScheme desktopSchemeFrom(const QPalette& palette)
{
    DesktopScheme scheme{};
    for (int i = 0; i < SystemColourCount; ++i)
        scheme[i] = palette.color(Roles[i].group, Roles[i].role).rgb() & 0xFFFFFF;
    return scheme;
}

} // namespace themes::ui
