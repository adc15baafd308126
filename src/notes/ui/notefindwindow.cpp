#include "notefindwindow.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace notes::ui {

NoteFindWindow::NoteFindWindow(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("FindDialog_Note"));
    setWindowTitle(QStringLiteral("Find"));
    auto* label = new QLabel(QStringLiteral("Find what:"), this);
    m_text = new QLineEdit(this);
    m_text->setObjectName(QStringLiteral("Edit_FindText"));
    label->setBuddy(m_text);
    m_next = new QPushButton(QStringLiteral("Find next"), this);
    m_next->setObjectName(QStringLiteral("Button_FindNext"));
    m_next->setDefault(true);
    auto* close = new QPushButton(QStringLiteral("Cancel"), this);
    close->setObjectName(QStringLiteral("Button_FindCancel"));

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_text, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_next);
    buttons->addWidget(close);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(row, 1);
    layout->addLayout(buttons);

    m_next->setEnabled(false);
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_next->setEnabled(!text.isEmpty()); });
    connect(m_text, &QLineEdit::returnPressed, this, [this] {
        if (!m_text->text().isEmpty())
            emit findNext(m_text->text());
    });
    connect(m_next, &QPushButton::clicked, this, [this] { emit findNext(m_text->text()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    resize(360, 90);
}

QString NoteFindWindow::searched() const
{
    return m_text->text();
}

void NoteFindWindow::setSearched(const QString& text)
{
    m_text->setText(text);
    m_text->selectAll();
}

void NoteFindWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace notes::ui
