#pragma once

#include "platform/prompter.h"

class QWidget;

namespace platform {

// Message boxes and dialogs of Qt. Each opens on top of the dialog the user
// is working in, or of the main window when given.
class QtPrompter final : public Prompter
{
public:
    explicit QtPrompter(QWidget* parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget* parent) { m_parent = parent; }

    void tell(const QString& text, Kind kind, const QString& caption) override;
    bool ask(const QString& text, Kind kind, const QString& caption) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial, bool hidden) override;
    QString openFileName(const QString& title, const QString& folder,
                         const QString& filter) override;
    QString saveFileName(const QString& title, const QString& proposedPath,
                         const QString& filter) override;
    QString folderName(const QString& title, const QString& folder) override;
    std::optional<unsigned> colour(unsigned initial) override;

private:
    QWidget* m_parent;
};

} // namespace platform
