#include "app/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvandine Organizer"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANDINE_VERSION));
    TMainForm window;
    window.show();
    return QApplication::exec();
}
