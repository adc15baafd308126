// Read-only access refuses every change of data, whatever reaches for it:
// every button of every section (hidden ones pressed all the same), the
// keys and double clicks of the lists, the context menus and the notes
// editor. The archive's data tables stay as they were, row for row, and no
// dialog that could write opens. The same walk with full access does change
// the archive, so the walk reaches the write paths it claims to.
#include "app/lock/passwordhash.h"
#include "app/mainwindow.h"
#include "app/ui/lockpanel.h"
#include "mainwindowrig.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using app::TMainForm;

namespace {

// The dialogs that insert, modify or import records.
bool isEditingDialog(const QObject* dialog)
{
    static const char* editing[] = {"TaskDialog", "ContactDialog", "ImportDialog",
                                    "NoteDialog", "ToDoDialog",    "TArcShotForm"};
    for (const QMetaObject* m = dialog->metaObject(); m; m = m->superClass())
        for (const char* name : editing)
            if (QByteArray(m->className()).endsWith(name))
                return true;
    return false;
}

} // namespace

class TestReadOnly final : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindowRig> r;

    // Every data table, row by row, every column as text.
    QString dump()
    {
        QString out;
        for (const char* table :
             {"CRarc66", "CRshot80", "CRcon63", "CRnot80", "CRtod63", "CRcat80"}) {
            store::Query q(r->db);
            q.setSql({QStringLiteral("SELECT * FROM ") + QLatin1String(table)});
            q.open();
            const store::ResultSet& rows = q.rows();
            out += QLatin1String(table) + u':' + QString::number(rows.rowCount()) + u'\n';
            for (int row = 0; row < rows.rowCount(); ++row) {
                for (int c = 0; c < rows.columnCount(); ++c)
                    out += rows.text(row, c) + u'|';
                out += u'\n';
            }
        }
        return out;
    }

    TMainForm& start(bool readOnly)
    {
        const QString today = r->clock.today().toString(Qt::ISODate);
        const QString never = r->clock.today().addDays(-150000).toString(Qt::ISODate);
        QStringList sql;
        for (const char* kind : {"O", "W", "M", "Y"})
            sql << QStringLiteral("INSERT INTO CRarc66 (id, ricerca, flag, datefull, orario, "
                                  "sospeso, flagscad, flagfatto, fatto, dayofweek, dayofmonth, "
                                  "data) VALUES (\"Task ") +
                       QLatin1String(kind) + QStringLiteral("\", \"\", \"") + QLatin1String(kind) +
                       QStringLiteral("\", \"") + today +
                       QStringLiteral("\", \"10:00\", \"N\", \"N\", \"N\", \"") + never +
                       QStringLiteral("\", \"Monday\", \"01\", \"01/01\")");
        sql << "INSERT INTO CRcon63 (ragsoc, company, gruppo, tel) VALUES (\"Anna Rossi\", "
               "\"Acme\", \"Friends\", \"123\")"
            << "INSERT INTO CRnot80 (id, note, gruppo) VALUES (\"Shopping\", \"milk\", \"Home\")"
            << "INSERT INTO CRtod63 (id, priority, flag, percento, ricerca, note) VALUES "
               "(\"Call Ann\", 5, \"No\", 10, \"Anna\", \"soon\")"
            << "INSERT INTO CRcat80 (id, sezione) VALUES (\"Friends\", \"C\")"
            << "INSERT INTO CRcat80 (id, sezione) VALUES (\"Home\", \"N\")"
            << "UPDATE CRset63 SET minimized = \"N\", blocco = \"Y\", solalettura = true, psw = "
               "\"" +
                   app::lock::hashPassword("pw") + "\"";
        r->preset(sql);
        TMainForm& w = r->make();
        [&] { QVERIFY(!w.formCreate({})); }();
        [&] { QTRY_VERIFY(w.isVisible()); }();
        if (readOnly)
            w.lockPanel()->findChild<QPushButton*>("SpeedButton_SolaLettura")->click();
        else
            QTest::keyClicks(w.lockPanel()->findChild<QWidget*>("Edit_PSW"), "pw");
        return w;
    }

    // Everything that asks is answered in the way that would write most.
    void answerEverything()
    {
        for (int i = 0; i < 500; ++i) {
            r->prompter.answers.enqueue(true);
            r->prompter.texts.enqueue(QStringLiteral("New group"));
            r->prompter.files.enqueue(r->dir.filePath("elsewhere.txt"));
        }
    }

    // Walks the sections as a user with every key and every button would;
    // returns the dialogs that opened and could have written.
    QStringList walk(TMainForm& w)
    {
        QStringList dialogs;
        QTimer closer;
        closer.setInterval(5);
        connect(&closer, &QTimer::timeout, this, [&dialogs] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            if (QWidget* modal = QApplication::activeModalWidget()) {
                if (isEditingDialog(modal))
                    dialogs << QString::fromLatin1(modal->metaObject()->className());
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
        });
        closer.start();
        const auto settle = [] { QTest::qWait(1); };

        for (int tab = TMainForm::Shot; tab <= TMainForm::ToDo; ++tab) {
            w.pageControl()->setCurrentIndex(tab);
            settle();
            QWidget* page = w.pageControl()->widget(tab);
            // The lists: keys, a double click and the context menu on the first row.
            for (QAbstractItemView* list : page->findChildren<QAbstractItemView*>()) {
                if (!list->model() || list->model()->rowCount() == 0)
                    continue;
                list->setCurrentIndex(list->model()->index(0, 0));
                for (const Qt::Key key :
                     {Qt::Key_Return, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_F2, Qt::Key_Space}) {
                    QTest::keyClick(list, key);
                    settle();
                }
                const QPoint cell = list->visualRect(list->model()->index(0, 0)).center();
                QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, cell);
                settle();
                QContextMenuEvent menu(QContextMenuEvent::Mouse, cell,
                                       list->viewport()->mapToGlobal(cell));
                QApplication::sendEvent(list->viewport(), &menu);
                settle();
            }
            // The notes editor takes no typing.
            for (QPlainTextEdit* editor : page->findChildren<QPlainTextEdit*>()) {
                if (editor->isReadOnly() && editor->objectName() != QLatin1String("Editor"))
                    continue;
                QTest::keyClicks(editor, "typed");
                settle();
            }
            // Every button the section has, shown or hidden.
            for (QAbstractButton* button : page->findChildren<QAbstractButton*>()) {
                if (!button->isEnabled())
                    continue;
                button->click();
                settle();
            }
            // Moving away from a note settles what was typed in it.
            w.pageControl()->setCurrentIndex(TMainForm::Today);
            settle();
        }
        closer.stop();
        return dialogs;
    }

private slots:
    void init() { r = std::make_unique<MainWindowRig>(); }
    void cleanup() { r.reset(); }

    void everyWritePathIsRefused()
    {
        TMainForm& w = start(true);
        QVERIFY(w.isReadOnly());
        QVERIFY(!w.isLocked());
        QVERIFY(!w.pageControl()->isTabVisible(TMainForm::Setup));
        const QString before = dump();
        answerEverything();
        const QStringList editing = walk(w);
        QVERIFY2(editing.isEmpty(), qPrintable(editing.join(", ")));
        QCOMPARE(dump(), before);
        // The section tool bars are out of sight, the notes editor is read-only.
        for (const char* name :
             {"SpeedButtonAddShot", "SpeedButtonAddToday", "SpeedButton_AddContact",
              "SpeedButton_NuovaNota", "SpeedButtonAggToDo"}) {
            auto* button = w.findChild<QWidget*>(QLatin1String(name));
            QVERIFY2(button && !button->isVisibleTo(w.pageControl()), name);
        }
        QVERIFY(w.findChild<QPlainTextEdit*>("Editor")->isReadOnly());
    }

    // The same walk with full access changes the archive: the walk reaches
    // the write paths that read-only access has to refuse.
    void theWalkReachesTheWritePaths()
    {
        TMainForm& w = start(false);
        QVERIFY(!w.isReadOnly());
        const QString before = dump();
        answerEverything();
        QVERIFY(!walk(w).isEmpty());
        QVERIFY(dump() != before);
    }
};

QTEST_MAIN(TestReadOnly)
#include "tst_readonly.moc"
