#include "app/ui/lockpanel.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace app::ui {

LockPanel::LockPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Panel_PSW"));
    setAutoFillBackground(true);

    auto* label = new QLabel(QStringLiteral("Enter the password"), this);
    label->setObjectName(QStringLiteral("Label_PSW"));
    QFont big = label->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label->setFont(big);
    label->setAlignment(Qt::AlignCenter);

    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("Edit_PSW"));
    m_field->setMaxLength(30);
    m_field->setEchoMode(QLineEdit::Password);
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setMinimumWidth(220);
    // Masked with "*", as the special panel's field.
    m_field->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    label->setBuddy(m_field);

    m_mask = new QCheckBox(QStringLiteral("Mask characters"), this);
    m_mask->setObjectName(QStringLiteral("CheckBoxMaskLock"));
    m_mask->setChecked(true);

    m_readOnly = new QPushButton(QStringLiteral("Read Only"), this);
    m_readOnly->setObjectName(QStringLiteral("SpeedButton_SolaLettura"));
    m_readOnly->setToolTip(QStringLiteral("Access in read-only mode"));
    m_readOnly->hide();

    connect(m_field, &QLineEdit::textChanged, this, &LockPanel::typed);
    connect(m_mask, &QCheckBox::toggled, this, [this](bool masked) {
        m_field->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
        m_field->setFocus();
    });
    connect(m_readOnly, &QPushButton::clicked, this, &LockPanel::readOnlyRequested);
    // The field stays where the keys go: a key released on the other
    // controls of the panel sends the focus back.
    m_mask->installEventFilter(this);
    m_readOnly->installEventFilter(this);

    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    column->addWidget(label);
    column->addWidget(m_field, 0, Qt::AlignHCenter);
    column->addWidget(m_mask, 0, Qt::AlignHCenter);
    column->addWidget(m_readOnly, 0, Qt::AlignHCenter);
    auto* outer = new QGridLayout(this);
    outer->setRowStretch(0, 1);
    outer->setRowStretch(2, 2);
    outer->setColumnStretch(0, 1);
    outer->setColumnStretch(2, 1);
    outer->addLayout(column, 1, 1);
}

void LockPanel::prepare(bool offerReadOnly)
{
    clearField();
    m_field->setEchoMode(m_mask->isChecked() ? QLineEdit::Password : QLineEdit::Normal);
    m_readOnly->setVisible(offerReadOnly);
}

void LockPanel::focusField(unsigned sectionColour)
{
    if (sectionColour != m_colour) {
        m_colour = sectionColour;
        QPalette pal = m_field->palette();
        pal.setColor(QPalette::Base, QColor::fromRgb(sectionColour));
        m_field->setPalette(pal);
    }
    m_field->setFocus();
}

void LockPanel::clearField()
{
    const QSignalBlocker quiet(m_field);
    m_field->clear();
}

bool LockPanel::eventFilter(QObject* watched, QEvent* event)
{
    // After the control has seen the release (a click happens on it).
    if (event->type() == QEvent::KeyRelease && (watched == m_mask || watched == m_readOnly))
        QTimer::singleShot(0, m_field, [field = m_field] { field->setFocus(); });
    return QWidget::eventFilter(watched, event);
}

} // namespace app::ui
