#pragma once

#include "reminders/popupmotion.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QObject>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

class QLabel;

namespace platform {
class WorkArea;
}

namespace reminders::ui {

// The values a notification window is made from. The component keeps one
// set; every show copies it, so a caller may change it for the next show
// without touching the windows already open.
struct MSNPopUpProperties
{
    enum class Alignment
    {
        Left,
        Right,
        Center
    };
    enum class Orientation
    {
        mbHorizontal,
        mbVertical
    };
    enum class DrawMethod
    {
        dmActualSize,
        dmTile,
        dmFit
    };
    enum Option
    {
        msnAutoOpenURL = 0x1,
        msnSystemFont = 0x2,
        msnCascadePopups = 0x4,
        msnAllowScroll = 0x8,
        msnAllowHyperlink = 0x10,
    };

    MSNPopUpProperties();

    QString Title;
    QString Text;
    int Width = 480;
    int Height = 96;
    int TimeOut = 0; // seconds after sliding in; 0 stays until clicked
    Alignment TextAlignment = Alignment::Center;
    QFont Font;
    QFont TitleFont;
    QFont HoverFont;
    QColor GradientColor1;
    QColor GradientColor2;
    Orientation GradientOrientation = Orientation::mbVertical;
    int ScrollSpeed = 9; // pixels per slide step, 0..255
    QPixmap IconBitmap;
    int IconLeft = 8;
    int IconTop = 8;
    int Options = msnAllowScroll;
    int PopupStartX = 16;
    int PopupStartY = 2;
    int PopupMarge = 2;
    QString URL; // only with hyperlink behaviour, which the program does not use
    QPixmap BackgroundImage;
    DrawMethod BackgroundDrawMethod = DrawMethod::dmActualSize;
    QCursor TextCursor;

    PopupLayout layout() const;
};

// One notification window: slides out of the taskbar side, stays on top
// without taking the focus, slides back after its time-out, and closes when
// clicked.
class TfrmMSNPopUp final : public QWidget
{
    Q_OBJECT
public:
    TfrmMSNPopUp(const MSNPopUpProperties& properties, platform::TaskbarEdge edge,
                 const QRect& full);

    const PopupMotion& motion() const { return m_motion; }
    // One step of the slide or the end of the time-out; the window's timer
    // calls it, tests may call it directly.
    void advance();

signals:
    void clicked();
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void applyGeometry();
    void schedule();
    bool overBody(const QPointF& pos) const;
    void paintBackground(QPainter& painter);

    MSNPopUpProperties m_properties;
    PopupMotion m_motion;
    QRect m_full;
    QTimer m_timer;
    QWidget* m_content = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_body = nullptr;
    bool m_clicked = false;
    bool m_closed = false;
    bool m_leftPressOnBody = false;
};

// The notification component of the main window (MSNPopUp_Anticipo).
class TMSNPopUp final : public QObject
{
    Q_OBJECT
public:
    explicit TMSNPopUp(platform::WorkArea& workArea, QObject* parent = nullptr);

    MSNPopUpProperties& properties() { return m_properties; }

    // Opens a window from the current properties; false when none fits.
    bool showPopUp();
    // Closes every notification window of the program.
    void closeAll();
    int openCount() const { return m_stack.openCount(); }

signals:
    // The user clicked one of the windows; it closes by itself.
    void OnClick();

private:
    platform::WorkArea& m_workArea;
    MSNPopUpProperties m_properties;
    PopupStack m_stack;
};

// The program's small picture in the corner of every notification.
QPixmap defaultPopupIcon();

} // namespace reminders::ui
