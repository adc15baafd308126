#pragma once

#include <QWidget>
#include <functional>

namespace shared::ui {

// The four buttons that move a list's selection to its first, previous, next
// or last row ("|<", "<<", ">>", ">|").
class RecordNavigator final : public QWidget
{
    Q_OBJECT
public:
    // `rowCount` and `currentRow` read the list; `selectRow` moves it.
    RecordNavigator(std::function<int()> rowCount, std::function<int()> currentRow,
                    std::function<void(int)> selectRow, QWidget* parent = nullptr);
};

} // namespace shared::ui
