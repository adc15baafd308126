#include "qtprompter.h"

#include "dialogowner.h"

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
                    displayText(text), QMessageBox::Ok, dialogOwner(m_parent));
    box.setTextFormat(Qt::PlainText); // a task description is never markup
    keepAboveOwner(box);
    box.exec();
}

bool QtPrompter::ask(const QString& text, Kind kind, const QString& caption)
{
    QMessageBox box(iconOf(kind), caption.isEmpty() ? applicationTitle() : caption,
                    displayText(text), QMessageBox::Yes | QMessageBox::No, dialogOwner(m_parent));
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    keepAboveOwner(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtPrompter::inputText(const QString& title, const QString& prompt,
                                             const QString& initial, bool hidden)
{
    QInputDialog dialog(dialogOwner(m_parent));
    dialog.setWindowTitle(title);
    dialog.setLabelText(displayText(prompt));
    dialog.setTextEchoMode(hidden ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(initial);
    keepAboveOwner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

namespace {

QString chosenFile(QFileDialog& dialog)
{
    keepAboveOwner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

} // namespace

QString QtPrompter::openFileName(const QString& title, const QString& folder,
                                 const QString& filter)
{
    QFileDialog dialog(dialogOwner(m_parent), title, startFolder(folder), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenFile(dialog);
}

QString QtPrompter::saveFileName(const QString& title, const QString& proposedPath,
                                 const QString& filter)
{
    QFileDialog dialog(dialogOwner(m_parent), title, startPath(proposedPath), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks about overwriting itself, in its own words.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return chosenFile(dialog);
}

QString QtPrompter::folderName(const QString& title, const QString& folder)
{
    QFileDialog dialog(dialogOwner(m_parent), title, startFolder(folder));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenFile(dialog);
}

std::optional<unsigned> QtPrompter::colour(unsigned initial)
{
    QColorDialog dialog(QColor::fromRgb(initial), dialogOwner(m_parent));
    keepAboveOwner(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor().rgb() & 0xFFFFFF;
}

} // namespace platform
