// The To Do tab inside the window: an entry's link looks its contacts up in
// the Contacts tab, by name or company first and by group when no name
// holds it; the list menu and the "To-Do" counter open the New dialog.
#include "app/mainwindow.h"
#include "mainwindowrig.h"
#include "todo/ui/todotab.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using app::TMainForm;

class TestToDoWiring final : public QObject
{
    Q_OBJECT
private slots:
    void linkListsItsContacts_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("names") << "Ann" << QStringList{"Anna Rossi", "Annette Bianchi"};
        QTest::newRow("a group when no name holds it")
            << "Clients:Friends" << QStringList{"Anna Rossi", "Carlo Verdi"};
    }

    void linkListsItsContacts()
    {
        QFETCH(QString, link);
        QFETCH(QStringList, listed);
        MainWindowRig r;
        r.preset({"INSERT INTO CRcon63 (ragsoc, company, gruppo) VALUES (\"Anna Rossi\", \"\", "
                  "\"Clients:Friends\")",
                  "INSERT INTO CRcon63 (ragsoc, company, gruppo) VALUES (\"Annette Bianchi\", "
                  "\"\", \"Work\")",
                  "INSERT INTO CRcon63 (ragsoc, company, gruppo) VALUES (\"Carlo Verdi\", \"\", "
                  "\"Clients:Friends\")",
                  "INSERT INTO CRtod63 (id, priority, flag, percento, ricerca) VALUES (\"Call\", "
                  "5, \"No\", 0, \"" +
                      link + "\")"});
        TMainForm& w = r.shown();
        w.pageControl()->setCurrentIndex(TMainForm::ToDo);
        QStringList offered;
        QTimer::singleShot(0, this, [&] {
            auto* menu = w.toDo()->findChild<QMenu*>("PopupMenuAllegatoToDo");
            for (QAction* a : menu->actions()) {
                if (a->isVisible() && !a->isSeparator() && a->text() != "Cancel") {
                    offered << a->text();
                    menu->setActiveAction(a);
                }
            }
            QTest::keyClick(menu, Qt::Key_Return);
        });
        w.toDo()->findChild<QToolButton*>("SpeedButtonAllegatoToDo")->click();
        QCOMPARE(offered, QStringList{link.mid(link.lastIndexOf(':') + 1)});
        QCOMPARE(w.pageControl()->currentIndex(), int(TMainForm::Contacts));
        const QAbstractItemModel* contacts = w.findChild<QTableView*>("DBGrid_Contact")->model();
        QStringList names;
        for (int row = 0; row < contacts->rowCount(); ++row)
            names << contacts->index(row, 0).data().toString();
        QCOMPARE(names, listed);
    }

    void counterOpensTheNewDialog()
    {
        MainWindowRig r;
        TMainForm& w = r.shown();
        QString opened;
        QTimer::singleShot(0, this, [&opened] {
            QWidget* modal = QApplication::activeModalWidget();
            opened = modal ? modal->objectName() : QStringLiteral("nothing");
            if (modal)
                modal->close();
        });
        QWidget* label = w.findChild<QWidget*>("Label_Conteggio_Lista");
        QVERIFY(label && label->isEnabled());
        QTest::mouseClick(label, Qt::LeftButton);
        QTRY_COMPARE(opened, QStringLiteral("AggToDoForm"));
    }
};

QTEST_MAIN(TestToDoWiring)
#include "tst_todowiring.moc"
