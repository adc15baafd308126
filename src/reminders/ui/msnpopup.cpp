#include "msnpopup.h"

#include "platform/workarea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <qdrawutil.h>

namespace reminders::ui {
namespace {

QFont pixelFont(const QString& family, int pixels, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

Qt::Alignment qtAlignment(MSNPopUpProperties::Alignment alignment)
{
    switch (alignment) {
    case MSNPopUpProperties::Alignment::Left:
        return Qt::AlignLeft;
    case MSNPopUpProperties::Alignment::Right:
        return Qt::AlignRight;
    case MSNPopUpProperties::Alignment::Center:
        break;
    }
    return Qt::AlignHCenter;
}

QColor channelsBetween(const QColor& a, const QColor& b, int pos, int extent)
{
    return QColor(gradientChannel(a.red(), b.red(), pos, extent),
                  gradientChannel(a.green(), b.green(), pos, extent),
                  gradientChannel(a.blue(), b.blue(), pos, extent));
}

} // namespace

MSNPopUpProperties::MSNPopUpProperties()
    : Font(pixelFont(QStringLiteral("MS Sans Serif"), 13)),
      TitleFont(pixelFont(QStringLiteral("Arial"), 13, true)),
      HoverFont(pixelFont(QStringLiteral("MS Sans Serif"), 11)), GradientColor1(0x9D, 0x9D, 0xCE),
      GradientColor2(Qt::white), IconBitmap(defaultPopupIcon())
{
    HoverFont.setUnderline(true);
}

PopupLayout MSNPopUpProperties::layout() const
{
    return {Width, Height, PopupStartX, PopupStartY, PopupMarge, (Options & msnCascadePopups) != 0};
}

QPixmap defaultPopupIcon()
{
    // A small closed envelope: the notification brings news.
    QPixmap icon(31, 22);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x3A, 0x4E, 0x8C), 1.5));
    p.setBrush(QColor(0xFF, 0xF4, 0xD6));
    p.drawRoundedRect(QRectF(1.5, 1.5, 28, 19), 2, 2);
    QPainterPath flap;
    flap.moveTo(2, 3);
    flap.lineTo(15.5, 13);
    flap.lineTo(29, 3);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    return icon;
}

TfrmMSNPopUp::TfrmMSNPopUp(const MSNPopUpProperties& properties, platform::TaskbarEdge edge,
                           const QRect& full)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_properties(properties),
      m_motion(edge, full, properties.ScrollSpeed,
               (properties.Options & MSNPopUpProperties::msnAllowScroll) != 0, properties.TimeOut),
      m_full(full)
{
    setObjectName(QStringLiteral("TfrmMSNPopUP"));
    // The focus stays where the user was typing.
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);

    // The contents are laid out for the full size and stay put on the screen
    // while the window slides over them, uncovering the taskbar side first.
    m_content = new QWidget(this);
    m_content->setFixedSize(full.size());
    m_content->setAttribute(Qt::WA_TransparentForMouseEvents);

    const bool icon = !m_properties.IconBitmap.isNull();
    m_title = new QLabel(m_properties.Title, m_content);
    m_title->setObjectName(QStringLiteral("Title"));
    m_title->setTextFormat(Qt::PlainText);
    m_title->setFont(m_properties.TitleFont);
    m_title->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_title->move(icon ? 48 : 8, 8);
    m_title->adjustSize();

    // Carriage returns in the texts break lines.
    QString text = m_properties.Text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    m_body = new QLabel(text, m_content);
    m_body->setObjectName(QStringLiteral("Body"));
    m_body->setTextFormat(Qt::PlainText);
    m_body->setWordWrap(true);
    m_body->setFont(m_properties.Font);
    m_body->setAlignment(qtAlignment(m_properties.TextAlignment) | Qt::AlignTop);
    m_body->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_body->setCursor(m_properties.TextCursor);
    const int bodyWidth = std::max(1, full.width() - 15);
    m_body->setFixedWidth(bodyWidth);
    const int bodyHeight = m_body->heightForWidth(bodyWidth);
    m_body->setFixedHeight(std::max(0, bodyHeight));
    m_body->move(int(std::lround((full.width() - bodyWidth) / 2.0)),
                 int(std::lround((full.height() - bodyHeight) / 2.0)));

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TfrmMSNPopUp::advance);
    applyGeometry();
    schedule();
}

void TfrmMSNPopUp::applyGeometry()
{
    const QRect rect = m_motion.rect();
    setGeometry(rect);
    m_content->move(m_full.topLeft() - rect.topLeft());
}

void TfrmMSNPopUp::schedule()
{
    if (const auto delay = m_motion.nextDelay())
        m_timer.start(*delay);
}

void TfrmMSNPopUp::advance()
{
    m_motion.step();
    if (m_motion.phase() == PopupMotion::Phase::Closed) {
        close();
        return;
    }
    applyGeometry();
    schedule();
}

void TfrmMSNPopUp::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.translate(m_content->pos());
    paintBackground(painter);
    if (!m_properties.IconBitmap.isNull())
        painter.drawPixmap(m_properties.IconLeft, m_properties.IconTop, m_properties.IconBitmap);
    qDrawWinPanel(&painter, QRect(QPoint(0, 0), m_full.size()), palette(), true);
}

void TfrmMSNPopUp::paintBackground(QPainter& painter)
{
    const int w = m_full.width();
    const int h = m_full.height();
    const QPixmap& image = m_properties.BackgroundImage;
    if (!image.isNull()) {
        using Method = MSNPopUpProperties::DrawMethod;
        if (m_properties.BackgroundDrawMethod == Method::dmTile)
            painter.drawTiledPixmap(0, 0, w, h, image);
        else if (m_properties.BackgroundDrawMethod == Method::dmFit)
            painter.drawPixmap(QRect(0, 0, w, h), image);
        else
            painter.drawPixmap(0, 0, image);
        return;
    }
    const QColor& c1 = m_properties.GradientColor1;
    const QColor& c2 = m_properties.GradientColor2;
    if (m_properties.GradientOrientation == MSNPopUpProperties::Orientation::mbVertical) {
        for (int y = 0; y < h; ++y)
            painter.fillRect(0, y, w, 1, channelsBetween(c1, c2, y, h));
    } else {
        for (int x = 0; x < w; ++x)
            painter.fillRect(x, 0, 1, h, channelsBetween(c1, c2, x, w));
    }
    // The strip along the bottom edge, in the gradient's deeper tone.
    QLinearGradient strip(5, 0, w - 5, 0);
    strip.setColorAt(0, c1.darker(115));
    strip.setColorAt(0.5, c1.darker(140));
    strip.setColorAt(1, c1.darker(115));
    painter.fillRect(5, h - 6, w - 10, 3, strip);
}

bool TfrmMSNPopUp::overBody(const QPointF& pos) const
{
    return m_body->geometry().translated(m_content->pos()).contains(pos.toPoint());
}

void TfrmMSNPopUp::mousePressEvent(QMouseEvent* event)
{
    m_leftPressOnBody = event->button() == Qt::LeftButton && overBody(event->position());
}

void TfrmMSNPopUp::mouseReleaseEvent(QMouseEvent* event)
{
    // Any button released over the icon, the title or the background
    // clicks; the text only takes a whole left click or a right release, so
    // a middle button or a drag into it does nothing.
    const QPointF pos = event->position();
    const bool leftClickOnBody =
        std::exchange(m_leftPressOnBody, false) && event->button() == Qt::LeftButton;
    if (m_clicked || !rect().contains(pos.toPoint()))
        return;
    if (overBody(pos) && !leftClickOnBody && event->button() != Qt::RightButton)
        return;
    m_clicked = true;
    emit clicked();
    close();
}

void TfrmMSNPopUp::closeEvent(QCloseEvent* event)
{
    m_timer.stop();
    if (!m_closed) {
        m_closed = true;
        emit closed();
    }
    event->accept();
}

TMSNPopUp::TMSNPopUp(platform::WorkArea& workArea, QObject* parent)
    : QObject(parent), m_workArea(workArea)
{
}

bool TMSNPopUp::showPopUp()
{
    const platform::TaskbarEdge edge = m_workArea.taskbarEdge();
    const auto full = m_stack.place(edge, m_workArea.workArea(), m_properties.layout());
    if (!full)
        return false;
    auto* window = new TfrmMSNPopUp(m_properties, edge, *full);
    connect(window, &TfrmMSNPopUp::clicked, this, &TMSNPopUp::OnClick);
    connect(window, &TfrmMSNPopUp::closed, this, [this] { m_stack.closed(); });
    window->show();
    return true;
}

void TMSNPopUp::closeAll()
{
    // Every notification window of the program, whichever component made it.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* widget : windows) {
        if (auto* popup = qobject_cast<TfrmMSNPopUp*>(widget); popup && popup->isVisible())
            popup->close();
    }
}

} // namespace reminders::ui
