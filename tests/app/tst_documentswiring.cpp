// The documents page on the real window: each "Produce document" reads what
// the tabs show, the save dialog's file type decides the format, and the
// plan leaves the Today tab on its day.
#include "app/mainwindow.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "calendar/ui/today/todayview.h"
#include "mainwindowrig.h"

#include <QAbstractButton>
#include <QDateEdit>
#include <QFile>
#include <QTabWidget>

using app::TMainForm;

namespace {

QTabWidget* documentsPage(TMainForm& w)
{
    return w.options()->specialPanel()->documentPages()->findChild<QTabWidget*>(
        "PageControlDocuments");
}

void produce(QTabWidget* pages, int tab)
{
    pages->setCurrentIndex(tab);
    auto* button = pages->widget(tab)->findChild<QAbstractButton*>("SpeedButtonProduce");
    QVERIFY(button && button->isEnabled());
    button->click();
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestDocumentsWiring final : public QObject
{
    Q_OBJECT
private slots:
    void thePlanReadsItsOwnDaysAndLeavesTodayAlone()
    {
        MainWindowRig r;
        TMainForm& w = r.shown(QStringLiteral("minimized = \"N\""), QStringLiteral("Dentist"));
        const QDate day = r.clock.today();
        QTabWidget* pages = documentsPage(w);
        QVERIFY(pages);
        QVERIFY(w.options()->specialPanel()->documentPages()->isEnabled());
        // The Today tab looks at another day; the document covers today.
        w.today()->setShownDate(day.addDays(5));
        auto* from = pages->widget(0)->findChild<QDateEdit*>("DateTimePickerDocFrom");
        auto* to = pages->widget(0)->findChild<QDateEdit*>("DateTimePickerDocTo");
        QCOMPARE(from->date(), day);
        to->setDate(day.addDays(1));

        const QString path = r.dir.filePath("plan.txt");
        r.prompter.files.enqueue(path);
        produce(pages, 0);
        QCOMPARE(r.prompter.saveDialogs.size(), 1);
        QCOMPARE(r.prompter.saveDialogs.first().title, "Produce document");
        QCOMPARE(QFileInfo(r.prompter.saveDialogs.first().proposedPath).fileName(),
                 "Tasks from " + day.toString("d-MM-yyyy") + " to " +
                     day.addDays(1).toString("d-MM-yyyy") + ".rtf");
        const QByteArray text = contents(path);
        QVERIFY2(text.startsWith("TASKS FROM "), text.constData());
        QVERIFY(text.contains("\r\n10:00 - "));
        QVERIFY(text.contains("Dentist\r\n"));
        QCOMPARE(w.today()->shownDate(), day.addDays(5));
    }

    void theFileTypeChoosesRichText()
    {
        MainWindowRig r;
        TMainForm& w = r.shown();
        const QString path = r.dir.filePath("list.rtf");
        r.prompter.files.enqueue(path);
        produce(documentsPage(w), 4);
        QVERIFY(QFileInfo(r.prompter.saveDialogs.first().proposedPath)
                    .fileName()
                    .startsWith("To-Do list updated at "));
        QVERIFY(contents(path).startsWith("{\\rtf1"));
        QVERIFY(contents(path).contains("\\qc\\plain\\f0"));
    }

    void aCancelledDialogWritesNothingAndAFailedWriteIsTold()
    {
        MainWindowRig r;
        TMainForm& w = r.shown();
        QTabWidget* pages = documentsPage(w);
        produce(pages, 3); // no queued answer: cancelled
        QCOMPARE(r.prompter.saveDialogs.size(), 1);
        QVERIFY(r.prompter.shown.isEmpty());

        r.prompter.files.enqueue(r.dir.filePath("missing/book.rtf"));
        produce(pages, 3);
        QCOMPARE(r.prompter.shown.size(), 1);
        QVERIFY(r.prompter.shown.first().text.startsWith("I could not write the file"));
        QVERIFY(!QFile::exists(r.dir.filePath("missing/book.rtf")));
    }
};

QTEST_MAIN(TestDocumentsWiring)
#include "tst_documentswiring.moc"
