// The tray icon, the window's timers and the ways the window goes away
// (to the tray or to the taskbar) and comes back.
#include "app/lock/passwordlock.h"
#include "app/ui/optionstab.h"
#include "app/window/titlebar.h"
#include "mainwindow.h"
#include "platform/desktop.h"
#include "platform/prompter.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QPainter>
#include <QWindowStateChangeEvent>

namespace app {

QIcon TMainForm::trayImage(int index) const
{
    // Five images: the plain icon and four frames of the "something waits"
    // animation; the last one is shown while the program starts.
    static const QColor frames[5] = {QColor(0x4e, 0x7a, 0xb5), QColor(0xe0, 0x6c, 0x3a),
                                     QColor(0xf0, 0xb4, 0x2a), QColor(0xe0, 0x6c, 0x3a),
                                     QColor(0x9a, 0x9a, 0x9a)};
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(frames[index % 5]);
    p.setPen(QPen(frames[index % 5].darker(150), 1.5));
    p.drawRoundedRect(QRectF(3, 5, 26, 24), 4, 4);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(7, 13, 18, 12));
    p.setBrush(frames[index % 5].darker(130));
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            p.drawRect(QRectF(9 + col * 5.5, 15 + row * 5, 3.5, 3));
    return QIcon(pixmap);
}

void TMainForm::buildTray()
{
    m_tray = new QSystemTrayIcon(trayImage(4), this);
    m_tray->setObjectName(QStringLiteral("CoolTrayIcon"));
    m_tray->setToolTip(platform::applicationTitle());
    m_trayMenu = new QMenu(this);
    QAction* open = m_trayMenu->addAction(QStringLiteral("Open Corvandine Organizer"));
    connect(open, &QAction::triggered, this, &TMainForm::open1Click);
    m_trayMenu->addSeparator();
    m_trayTerminate = m_trayMenu->addAction(QStringLiteral("Terminate"));
    connect(m_trayTerminate, &QAction::triggered, this, &TMainForm::speedButtonEXITClick);
    m_tray->setContextMenu(m_trayMenu);
    connect(m_tray, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
                    trayClick();
            });
    setWindowIcon(trayImage(0));
    if (m_services.desktop.hasSystemTray())
        m_tray->show();
}

void TMainForm::buildTimers()
{
    m_timerRitorna.setObjectName(QStringLiteral("TimerRitorna"));
    m_timerRitorna.setInterval(1);
    connect(&m_timerRitorna, &QTimer::timeout, this, &TMainForm::timerRitornaTimer);

    m_timerAppari.setObjectName(QStringLiteral("TimerAppari"));
    m_timerAppari.setInterval(1);
    connect(&m_timerAppari, &QTimer::timeout, this, &TMainForm::timerAppariTimer);

    m_timerOrologio.setObjectName(QStringLiteral("TimerOrologio"));
    m_timerOrologio.setInterval(1000);
    m_timerContolloOrario.setObjectName(QStringLiteral("TimerContolloOrario"));
    m_timerContolloOrario.setInterval(1000);
    m_timerFlashTempo.setObjectName(QStringLiteral("TimerFlashTempo"));
    m_timerFlashTempo.setInterval(1000);

    m_trayAnimation.setInterval(300);
    connect(&m_trayAnimation, &QTimer::timeout, this, [this] {
        m_trayImage = (m_trayImage + 1) % 5;
        m_tray->setIcon(trayImage(m_trayImage));
    });
}

void TMainForm::startTrayAnimation()
{
    m_trayAnimation.start();
}

void TMainForm::stopTrayAnimation()
{
    m_trayAnimation.stop();
    m_trayImage = 0;
    m_tray->setIcon(trayImage(0));
}

// ---- Showing the window ------------------------------------------------------------

void TMainForm::showRequest()
{
    if (m_state.restoreBlocked)
        return;
    raise();
    if (!isPinned() || m_state.windowMinimized)
        m_timerAppari.start();
}

void TMainForm::trayClick()
{
    if (m_state.restoreBlocked)
        return;
    activateWindow();
    open1Click();
}

void TMainForm::open1Click()
{
    if (m_state.restoreBlocked)
        return;
    if (!isPinned() || m_state.windowMinimized)
        m_timerAppari.start();
}

void TMainForm::iconize()
{
    // Whoever finds the window in the tray meets the lock.
    if (lock::locksAtAppearance(*m_settings))
        speedButtonPSWClick();
    m_state.windowMinimized = true;
    if (m_tray->isVisible())
        hide();
    else
        showMinimized(); // no tray on this desktop: the taskbar keeps the window
}

void TMainForm::minimizeToTaskbar()
{
    // The one way away that keeps the taskbar button, until the window is back.
    m_keepOnTaskbar = true;
    m_state.windowMinimized = true;
    showMinimized();
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange) {
        m_titleBar->setMaximized(isMaximized());
        if (m_options)
            m_options->setWindowSize(size(), isMaximized());
        const bool wasMinimized =
            static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
        if (isMinimized()) {
            m_state.windowMinimized = true;
            // The window manager's button or key minimizes like Iconize.
            if (!m_keepOnTaskbar && m_tray->isVisible())
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (isMinimized())
                            hide();
                    },
                    Qt::QueuedConnection);
        } else if (wasMinimized) {
            m_keepOnTaskbar = false;
            // Back from the taskbar: the window comes up as from the tray.
            if (m_state.windowMinimized && isVisible())
                m_timerAppari.start();
        }
    }
    QWidget::changeEvent(event);
}

} // namespace app
