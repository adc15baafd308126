#include "sectiontabbar.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionTab>

namespace app {

SectionTabBar::SectionTabBar(QWidget* parent) : QTabBar(parent)
{
    setObjectName(QStringLiteral("PageControlMenuTabs"));
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(true);
}

void SectionTabBar::setTabColour(int index, unsigned rgb)
{
    setTabData(index, rgb);
    update();
}

void SectionTabBar::setColoured(bool coloured)
{
    m_coloured = coloured;
    update();
}

QSize SectionTabBar::tabSizeHint(int index) const
{
    // Compact tabs: all nine sections fit the narrowest window side by side.
    QFont bold = font();
    bold.setBold(true);
    const int text = QFontMetrics(bold).horizontalAdvance(tabText(index).trimmed());
    return QSize(text + 14, fontMetrics().height() + 10);
}

void SectionTabBar::paintEvent(QPaintEvent* event)
{
    if (!m_coloured) {
        QTabBar::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        const QRect r = tabRect(i).adjusted(1, 2, -1, 0);
        const bool current = i == currentIndex();
        QColor colour = QColor::fromRgb(tabData(i).toUInt());
        if (!current)
            colour = colour.lighter(118);
        QPainterPath path;
        path.addRoundedRect(r.adjusted(0, current ? -2 : 0, 0, 6), 5, 5);
        painter.setClipRect(r.adjusted(-1, -3, 1, 0));
        painter.fillPath(path, colour);
        painter.setPen(colour.darker(140));
        painter.drawPath(path);
        painter.setClipping(false);
        QFont font = painter.font();
        font.setBold(current);
        painter.setFont(font);
        painter.setPen(colour.lightness() < 110 ? Qt::white : Qt::black);
        painter.drawText(r, Qt::AlignCenter, tabText(i));
    }
}

} // namespace app
