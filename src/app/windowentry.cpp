// The window's part of the program, built as a library of its own: the
// program's entry loads it only when the command line asks for no terminal
// answer, so the agenda, --help and --version never load widgets, printing or
// sound.
#include "app/agenda.h"
#include "app/application.h"
#include "app/archivepaths.h"
#include "app/mainwindow.h"
#include "app/reportcommand.h"
#include "platform/clock.h"
#include "platform/handover.h"
#include "platform/qt/localinstance.h"
#include "platform/qt/qtdesktop.h"
#include "platform/qt/qtprompter.h"
#include "platform/windowlibrary.h"
#include "shared/appstate.h"
#include "store/database.h"
#include "themes/ui/desktopscheme.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTextStream>
#include <cstdio>
#include <string_view>

Q_LOGGING_CATEGORY(lcInstance, "corvandine.instance", QtWarningMsg)

static_assert(std::string_view(platform::WindowEntryName) == "corvandine_window_main");

extern "C" Q_DECL_EXPORT int corvandine_window_main(int argc, char* argv[])
{
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (app::isReportCommand(given)) {
        // A report needs fonts but no screen: it runs the same from a
        // scheduled job with no one logged in.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // The job's log gets our one line, not Qt's remarks on a session
        // without a runtime folder.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        QGuiApplication reportApp(argc, argv);
        QTextStream err(stderr);
        return app::runReportCommand(given, err, QDate::currentDate(), app::programFolder());
    }
    app::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvandine Organizer"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANDINE_VERSION));
    QApplication::setQuitOnLastWindowClosed(false);
    // System colours in theme files and settings follow this desktop.
    themes::setDesktopScheme(themes::ui::desktopSchemeFrom(QApplication::palette()));

    const QStringList arguments = QApplication::arguments().mid(1);
    const QString archive = app::archiveOverride(arguments).value_or(QString());

    // One running program: a second start hands its arguments over and ends.
    const QString channel = platform::instanceName(archive);
    if (platform::handOverToRunningInstance(channel, app::programArguments(arguments)) ==
        platform::HandOver::Done)
        return 0;

    platform::QtPrompter prompter;
    platform::SystemClock clock;
    platform::QtDesktop desktop;
    shared::AppState state;
    store::Database database;

    app::TMainForm window(state, shared::Services{prompter, clock, desktop}, database);
    prompter.setParent(&window);
    app.setPrompter(&prompter);
    QObject::connect(&window, &app::TMainForm::quitRequested, &app, &QCoreApplication::exit);

    platform::InstanceServer server(channel);
    QObject::connect(&server, &platform::InstanceServer::showRequested, &window,
                     &app::TMainForm::showRequest);
    QObject::connect(&server, &platform::InstanceServer::argumentsReceived, &window,
                     [](const QStringList& received) {
                         // Arguments of a second start are accepted and, like
                         // those of the first, not acted on.
                         qCInfo(lcInstance, "handed over: %s",
                                qPrintable(received.join(QLatin1String(" | "))));
                     });
    QObject::connect(&server, &platform::InstanceServer::showRequested, &window,
                     [] { qCInfo(lcInstance, "show requested"); });
    platform::Prompter& ask = prompter;
    QObject::connect(&server, &platform::InstanceServer::invalidRecord, &window, [&ask] {
        ask.tell(platform::handover::invalidRecordMessage(), platform::Prompter::Kind::Warning);
    });
    if (!server.listen())
        qCWarning(lcInstance, "another program answers on %s: this one runs on its own",
                  qPrintable(channel));

    if (const auto code = window.formCreate(arguments))
        return *code;
    return QApplication::exec();
}
