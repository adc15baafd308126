#pragma once
// What the main window's wiring files share.
#include <QChar>
#include <QSize>
#include <QString>

namespace app {

inline constexpr QSize DefaultWindowSize(670, 592);

// The task tab of a kind letter ("O", "Y", "M", "W"), or -1.
inline int sectionOfKind(QChar kind)
{
    static const QString kinds = QStringLiteral("OYMW");
    return int(kinds.indexOf(kind));
}

} // namespace app
