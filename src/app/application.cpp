#include "application.h"

#include "platform/prompter.h"
#include "store/sqlerror.h"

namespace app {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const store::SqlError& error) {
        report(error.className() + QStringLiteral(": ") + error.message());
    } catch (const std::exception& error) {
        report(QString::fromLocal8Bit(error.what()));
    }
    return false;
}

void Application::report(const QString& text)
{
    qWarning("corvandine: %s", qPrintable(text));
    // A report while another is open would stack boxes; the log keeps it.
    if (!m_prompter || m_reporting)
        return;
    m_reporting = true;
    m_prompter->tell(text, platform::Prompter::Kind::Warning);
    m_reporting = false;
}

} // namespace app
