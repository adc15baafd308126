#pragma once

#include <QApplication>

namespace platform {
class Prompter;
}

namespace app {

// The event loop's error report: an engine error that nobody caught stops the
// operation that raised it and is told to the user, instead of ending the
// program.
class Application final : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    void setPrompter(platform::Prompter* prompter) { m_prompter = prompter; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    void report(const QString& text);
    platform::Prompter* m_prompter = nullptr;
    bool m_reporting = false;
};

} // namespace app
