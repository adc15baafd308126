#include "recordnavigator.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace shared::ui {

RecordNavigator::RecordNavigator(std::function<int()> rowCount, std::function<int()> currentRow,
                                 std::function<void(int)> selectRow, QWidget* parent)
    : QWidget(parent)
{
    auto* moves = new QHBoxLayout(this);
    moves->setContentsMargins(0, 0, 0, 0);
    moves->setSpacing(0);
    struct Move
    {
        const char* hint;
        const char* caption;
        int (*target)(int current, int count);
    };
    static constexpr Move Moves[] = {
        {"First", "|<", [](int, int) { return 0; }},
        {"Prior", "<<", [](int current, int) { return current - 1; }},
        {"Next", ">>", [](int current, int) { return current + 1; }},
        {"Last", ">|", [](int, int count) { return count - 1; }},
    };
    for (const Move& move : Moves) {
        auto* button = new QToolButton(this);
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setToolTip(QLatin1String(move.hint));
        button->setText(QLatin1String(move.caption));
        moves->addWidget(button);
        const auto target = move.target;
        connect(button, &QToolButton::clicked, this, [=] {
            const int count = rowCount();
            if (count > 0)
                selectRow(std::clamp(target(currentRow(), count), 0, count - 1));
        });
    }
}

} // namespace shared::ui
