#include "mainwindow.h"

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Corvandine Organizer"));
    resize(670, 592);
}
