#include "printmenu.h"

#include <QMenu>
#include <QToolButton>

namespace shared::ui {

QMenu* attachPrintMenu(QToolButton* button, std::function<void(bool preview)> print)
{
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("PopupMenu_STAMPA"));
    menu->addAction(QStringLiteral("Preview"), button, [print] { print(true); });
    menu->addAction(QStringLiteral("Print"), button, [print] { print(false); });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Cancel"));
    QObject::connect(button, &QToolButton::clicked, menu, [button, menu] {
        menu->popup(button->mapToGlobal(QPoint(0, button->height())));
    });
    return menu;
}

} // namespace shared::ui
