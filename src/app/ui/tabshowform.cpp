#include "app/ui/tabshowform.h"

#include "platform/prompter.h"
#include "shared/ui/dialogframe.h"
#include "store/settings.h"
#include "store/tabvisibility.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::ui {

namespace {

struct TabBox
{
    const char* objectName;
    const char* caption;
};

constexpr std::array<TabBox, 8> Boxes{{
    {"CheckBoxShot", "One Shot"},
    {"CheckBoxYear", "Yearly"},
    {"CheckBoxMonth", "Monthly"},
    {"CheckBoxWeek", "Weekly"},
    {"CheckBoxToday", "Today"},
    {"CheckBoxContacts", "Contacts"},
    {"CheckBoxNotes", "Note"},
    {"CheckBoxToDo", "To-Do"},
}};

const QSize Designed(300, 260);

} // namespace

TTabShowForm::TTabShowForm(store::Database& database, store::Settings& settings,
                           platform::Prompter& prompter, unsigned frameColour,
                           const QColor& titleColour, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_db(database), m_prompter(prompter)
{
    setObjectName(QStringLiteral("TTabShowForm"));
    setWindowTitle(QStringLiteral("Visible tabs"));
    setModal(true);
    const QColor frame = QColor::fromRgb(frameColour);

    auto* title = new QLabel(QStringLiteral("Visible tabs"), this);
    title->setObjectName(QStringLiteral("Panel_Title"));
    title->setContentsMargins(6, 4, 6, 4);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    shared::ui::paintPanel(title, frame, titleColour);

    // Inside the coloured frame the boxes stand on the desktop's own colours.
    auto* body = new QWidget(this);
    QPalette plain = body->palette();
    for (const QPalette::ColorRole role : {QPalette::Window, QPalette::WindowText})
        plain.setColor(role, QApplication::palette().color(role));
    body->setPalette(plain);
    body->setAutoFillBackground(true);
    auto* grid = new QGridLayout(body);
    for (int i = 0; i < int(Boxes.size()); ++i) {
        auto* box = new QCheckBox(QLatin1String(Boxes[size_t(i)].caption), body);
        box->setObjectName(QLatin1String(Boxes[size_t(i)].objectName));
        box->setChecked(settings.tabVisible(store::Settings::Section(i)));
        grid->addWidget(box, i % 4, i / 4);
        m_boxes[size_t(i)] = box;
    }

    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(6, 6, 6, 6);
    auto* hint = new QPushButton(QStringLiteral("?"), buttons);
    hint->setObjectName(QStringLiteral("SpeedButtonHint"));
    hint->setToolTip(QStringLiteral("Hint"));
    hint->setAutoDefault(false);
    auto* applyButton = new QPushButton(QStringLiteral("Apply"), buttons);
    applyButton->setObjectName(QStringLiteral("ButtonApply"));
    applyButton->setDefault(true); // Enter applies; Escape closes
    auto* close = new QPushButton(QStringLiteral("Close"), buttons);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setAutoDefault(false);
    row->addWidget(hint);
    row->addStretch(1);
    row->addWidget(applyButton);
    row->addWidget(close);
    shared::ui::paintPanel(buttons, frame);

    connect(applyButton, &QPushButton::clicked, this, &TTabShowForm::apply);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(hint, &QPushButton::clicked, this, [this] {
        m_prompter.tell(QStringLiteral("In this module you can choose which sections of the "
                                       "program are visible."),
                        platform::Prompter::Kind::Information);
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(body, 1);
    layout->addWidget(buttons);
    shared::ui::paintPanel(this, frame);

    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(title);
    shared::ui::scaleDialog(this, Designed, settings.scalePercent());
    shared::ui::placeOverParent(this);
}

void TTabShowForm::apply()
{
    std::array<bool, 8> visible{};
    for (size_t i = 0; i < visible.size(); ++i)
        visible[i] = m_boxes[i]->isChecked();
    store::saveTabVisibility(m_db, visible);
    m_prompter.tell(
        QStringLiteral("The changes will take effect the next time you start the program."),
        platform::Prompter::Kind::Information);
    accept();
}

} // namespace app::ui
