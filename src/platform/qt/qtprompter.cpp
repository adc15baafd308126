#include "qtprompter.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {
namespace {

// The program writes line breaks as "\r" in its messages; Qt wants "\n".
QString displayText(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    return text;
}

QMessageBox::Icon iconOf(Prompter::Kind kind)
{
    switch (kind) {
    case Prompter::Kind::Warning:
    case Prompter::Kind::WarningQuestion:
        return QMessageBox::Warning;
    case Prompter::Kind::Information:
        return QMessageBox::Information;
    case Prompter::Kind::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

void QtPrompter::tell(const QString& text, Kind kind, const QString& caption)
{
    QMessageBox box(iconOf(kind), caption.isEmpty() ? applicationTitle() : caption,
                    displayText(text), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::PlainText); // a task description is never markup
    box.exec();
}

bool QtPrompter::ask(const QString& text, Kind kind, const QString& caption)
{
    QMessageBox box(iconOf(kind), caption.isEmpty() ? applicationTitle() : caption,
                    displayText(text), QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::inputText(const QString& title, const QString& prompt,
                                             const QString& initial, bool hidden)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, displayText(prompt),
                                               hidden ? QLineEdit::Password : QLineEdit::Normal,
                                               initial, &ok);
    return ok ? std::optional<QString>(text) : std::nullopt;
}

QString QtPrompter::openFileName(const QString& title, const QString& folder,
                                 const QString& filter)
{
    return QFileDialog::getOpenFileName(m_parent, title, folder, filter);
}

QString QtPrompter::saveFileName(const QString& title, const QString& proposedPath,
                                 const QString& filter)
{
    // The program asks about overwriting itself, in its own words.
    return QFileDialog::getSaveFileName(m_parent, title, proposedPath, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompter::folderName(const QString& title, const QString& folder)
{
    return QFileDialog::getExistingDirectory(m_parent, title, folder);
}

std::optional<unsigned> QtPrompter::colour(unsigned initial)
{
    const QColor chosen = QColorDialog::getColor(QColor::fromRgb(initial), m_parent);
    return chosen.isValid() ? std::optional<unsigned>(chosen.rgb() & 0xFFFFFF) : std::nullopt;
}

} // namespace platform
