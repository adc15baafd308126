#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace app::ui {

// The panel that covers the window below the title bar while the program is
// locked: "Enter the password", the masked field, "Mask characters" and,
// when the read-only access is offered, "Read Only". It only reports what
// is typed; whether that opens the lock is decided elsewhere.
class LockPanel final : public QWidget
{
    Q_OBJECT
public:
    explicit LockPanel(QWidget* parent = nullptr);

    // Ready for a new lock: the field empty and masked as the box says,
    // "Read Only" shown or not.
    void prepare(bool offerReadOnly);
    // The field takes the keyboard and the section colour (0xRRGGBB).
    void focusField(unsigned sectionColour);
    void clearField();
    QLineEdit* field() const { return m_field; }

signals:
    // Every change of the field's text.
    void typed(const QString& text);
    void readOnlyRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_field = nullptr;
    QCheckBox* m_mask = nullptr;
    QPushButton* m_readOnly = nullptr;
    unsigned m_colour = 0xFFFFFF;
};

} // namespace app::ui
