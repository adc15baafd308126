#include "app/ui/migrationinfoform.h"

#include "platform/desktop.h"
#include "platform/prompter.h"
#include "shared/ui/dialogframe.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::ui {

QString helpPageAddress()
{
    return QStringLiteral("https://www.corvandine.org/organizer/help");
}

QString downloadPageAddress()
{
    return QStringLiteral("https://www.corvandine.org/organizer/download");
}

QString socialPageAddress()
{
    return QStringLiteral("https://www.facebook.com/corvandine.organizer");
}

QString TMigrationInfoForm::noticeText()
{
    return QStringLiteral(
        "Beloved,\n\n"
        "I found traces of an installation of an earlier version of Corvandine Organizer on "
        "this computer.\n\n"
        "This version neither reads nor converts the archives of the previous versions: your "
        "old tasks, contacts and notes are still where they were, untouched.\n\n"
        "To bring them here, download \"Corvandine Migrator\" from the Corvandine Organizer web "
        "site. It is a separate program that converts the old archive files to the new format "
        "with a few mouse clicks.\n\n"
        "Good migration!");
}

TMigrationInfoForm::TMigrationInfoForm(platform::Prompter& prompter, platform::Desktop& desktop,
                                       unsigned frameColour, const QColor& textColour,
                                       QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_prompter(prompter),
      m_desktop(desktop)
{
    setObjectName(QStringLiteral("TMigrationInfoForm"));
    setWindowTitle(QStringLiteral("Important information about this upgrade"));
    setModal(true);
    const QColor frame = QColor::fromRgb(frameColour);

    auto* title = new QLabel(QStringLiteral("Important information about this upgrade"), this);
    title->setObjectName(QStringLiteral("Panel_Title"));
    title->setContentsMargins(6, 4, 6, 4);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    shared::ui::paintPanel(title, frame, textColour);

    auto* text = new QPlainTextEdit(noticeText(), this);
    text->setObjectName(QStringLiteral("Memo_Info"));
    text->setReadOnly(true);

    auto* buttons = new QWidget(this);
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(6, 6, 6, 6);
    auto* download = new QPushButton(QStringLiteral("Download Corvandine Migrator"), buttons);
    download->setObjectName(QStringLiteral("ButtonDownload"));
    download->setAutoDefault(false);
    m_dontShow = new QCheckBox(QStringLiteral("Do not show again"), buttons);
    m_dontShow->setObjectName(QStringLiteral("CheckBoxNonMostrare"));
    QPalette boxPalette = m_dontShow->palette();
    boxPalette.setColor(QPalette::WindowText, textColour);
    m_dontShow->setPalette(boxPalette);
    auto* close = new QPushButton(QStringLiteral("Close"), buttons);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setDefault(true);
    row->addWidget(download);
    row->addStretch(1);
    row->addWidget(m_dontShow);
    row->addWidget(close);
    shared::ui::paintPanel(buttons, frame);

    connect(download, &QPushButton::clicked, this, [this] {
        // Anything but "No" opens the page; the question has no other answer.
        if (m_prompter.ask(QStringLiteral("Vuoi visitare il sito di Corvandine Organizer?")))
            m_desktop.openUrl(downloadPageAddress());
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 3, 3, 3);
    layout->setSpacing(0);
    layout->addWidget(title);
    layout->addWidget(text, 1);
    layout->addWidget(buttons);
    shared::ui::paintPanel(this, frame);

    auto* dragger = new shared::ui::FrameDragger(this);
    dragger->watch(title);
    resize(520, 340);
    shared::ui::placeOverParent(this);
}

bool TMigrationInfoForm::doNotShowAgain() const
{
    return m_dontShow->isChecked();
}

} // namespace app::ui
