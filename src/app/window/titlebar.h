#pragma once

#include <QFrame>

class QLabel;
class QToolButton;

namespace app {

// The main window's own title bar: the window has no system frame. Pressing
// on the bar moves the window, a double click toggles maximized.
class TitleBar final : public QFrame
{
    Q_OBJECT
public:
    explicit TitleBar(QWidget* parent = nullptr);

    QToolButton* pinButton() const { return m_pin; }
    QToolButton* refreshAllButton() const { return m_refreshAll; }
    QToolButton* messageButton() const { return m_message; }
    void setMaximized(bool maximized);

signals:
    void aboutClicked();
    void pinToggled(bool pinned);
    void refreshAllClicked();
    void messageClicked();
    void iconizeClicked();
    void minimizeClicked();
    void maximizeClicked();
    void terminateClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QToolButton* addButton(const char* objectName, const QString& hint, const QIcon& icon);

    QToolButton* m_pin = nullptr;
    QToolButton* m_refreshAll = nullptr;
    QToolButton* m_message = nullptr;
    QToolButton* m_maximize = nullptr;
    QLabel* m_caption = nullptr;
};

} // namespace app
