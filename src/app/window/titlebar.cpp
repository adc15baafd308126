#include "titlebar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace app {

TitleBar::TitleBar(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PanelTitolo"));
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);

    const auto icon = [this](QStyle::StandardPixmap which) { return style()->standardIcon(which); };

    connect(addButton("SpeedButtonAbout", QStringLiteral("About"),
                      icon(QStyle::SP_MessageBoxInformation)),
            &QToolButton::clicked, this, &TitleBar::aboutClicked);
    m_pin = addButton("SpeedButtonPin", QStringLiteral("Pin"), icon(QStyle::SP_TitleBarShadeButton));
    m_pin->setCheckable(true);
    connect(m_pin, &QToolButton::toggled, this, &TitleBar::pinToggled);
    m_refreshAll = addButton("SpeedButtonAggiornaTutto", QStringLiteral("Refresh all"),
                             icon(QStyle::SP_BrowserReload));
    connect(m_refreshAll, &QToolButton::clicked, this, &TitleBar::refreshAllClicked);
    m_message = addButton("SpeedButtonMessage", QStringLiteral("Message"),
                          icon(QStyle::SP_MessageBoxWarning));
    m_message->hide();
    connect(m_message, &QToolButton::clicked, this, &TitleBar::messageClicked);

    m_caption = new QLabel(QStringLiteral("Corvandine Organizer"), this);
    m_caption->setObjectName(QStringLiteral("LabelCaption"));
    m_caption->setAlignment(Qt::AlignCenter);
    QFont captionFont = m_caption->font();
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    // Presses on the caption move the window like the bar itself.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout->addWidget(m_caption, 1);

    connect(addButton("SpeedButtonIconize", QStringLiteral("Iconize"),
                      icon(QStyle::SP_TitleBarUnshadeButton)),
            &QToolButton::clicked, this, &TitleBar::iconizeClicked);
    connect(addButton("SpeedButtonMinimize", QStringLiteral("Minimize"),
                      icon(QStyle::SP_TitleBarMinButton)),
            &QToolButton::clicked, this, &TitleBar::minimizeClicked);
    m_maximize = addButton("SpeedButtonMaximize", QStringLiteral("Maximize/Restore"),
                           icon(QStyle::SP_TitleBarMaxButton));
    connect(m_maximize, &QToolButton::clicked, this, &TitleBar::maximizeClicked);
    connect(addButton("SpeedButtonEXIT", QStringLiteral("Terminate"),
                      icon(QStyle::SP_TitleBarCloseButton)),
            &QToolButton::clicked, this, &TitleBar::terminateClicked);
}

QToolButton* TitleBar::addButton(const char* objectName, const QString& hint, const QIcon& icon)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(hint);
    button->setIcon(icon);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    layout()->addWidget(button);
    return button;
}

void TitleBar::setMaximized(bool maximized)
{
    m_maximize->setIcon(style()->standardIcon(maximized ? QStyle::SP_TitleBarNormalButton
                                                        : QStyle::SP_TitleBarMaxButton));
}

void TitleBar::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    if (event->button() == Qt::LeftButton && !window()->isMaximized()) {
        // The window system moves the window: this works on X11, Wayland and Windows alike.
        if (QWindow* handle = window()->windowHandle())
            handle->startSystemMove();
    }
    QFrame::mousePressEvent(event);
}

void TitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit maximizeClicked();
    QFrame::mouseDoubleClickEvent(event);
}

} // namespace app
