#include "calendar/deleteconfirmation.h"
#include "platform/testing/scriptedprompter.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace calendar;

namespace {
const QString Italian = "\", sei a conoscenza delle conseguenze?";
const QString AnotherChance = "\", can you give him another chance?";
const QStringList Doubled = {
    "\", can you assures to me that after you will not cry?",
    "\", sure that's a good idea?",
    "\", are you sure?",
    "\", can you live after this?",
    "\", you know the consequences?",
};
} // namespace

class TestDeleteConfirmation final : public QObject
{
    Q_OBJECT
private slots:
    void endingsFollowTheirWeights()
    {
        QRandomGenerator generator(20260611);
        QHash<QString, int> counts;
        const int draws = 28000;
        for (int i = 0; i < draws; ++i)
            ++counts[deleteConfirmationSuffix(generator)];

        QCOMPARE(counts.size(), 7);
        const double italian = counts.value(Italian);
        QVERIFY(italian > 0);
        for (const QString& ending : Doubled) {
            const double ratio = italian / counts.value(ending);
            QVERIFY2(ratio > 0.42 && ratio < 0.58, qPrintable(ending + " " + QString::number(ratio)));
        }
        const double thrice = counts.value(AnotherChance) / italian;
        QVERIFY2(thrice > 2.6 && thrice < 3.4, qPrintable(QString::number(thrice)));
    }

    void aSeedRepeatsItsEndings()
    {
        QRandomGenerator a(7), b(7);
        QStringList first, second;
        for (int i = 0; i < 50; ++i) {
            first << deleteConfirmationSuffix(a);
            second << deleteConfirmationSuffix(b);
        }
        QCOMPARE(first, second);
        QVERIFY(QSet<QString>(first.begin(), first.end()).size() > 3);
    }

    void questionQuotesTheDescription()
    {
        QRandomGenerator generator(3);
        const QString q = deleteConfirmationQuestion("Call \"Bob\"", generator);
        const QString head = " You are in order to eliminate \"Call \"Bob\"";
        QVERIFY(q.startsWith(head));
        const QString ending = q.mid(head.size());
        QVERIFY2(Doubled.contains(ending) || ending == Italian || ending == AnotherChance,
                 qPrintable(ending));
    }

    void confirmAsksAYesNoQuestion_data()
    {
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("confirmed");
        QTest::newRow("yes") << QList<bool>{true} << true;
        QTest::newRow("no") << QList<bool>{false} << false;
        QTest::newRow("closed without answer") << QList<bool>{} << false;
    }
    void confirmAsksAYesNoQuestion()
    {
        QFETCH(QList<bool>, answers);
        QFETCH(bool, confirmed);
        platform::ScriptedPrompter prompter;
        for (bool a : answers)
            prompter.answers.enqueue(a);
        QRandomGenerator generator(11);
        QCOMPARE(confirmDelete(prompter, "Dentist", generator), confirmed);
        QCOMPARE(prompter.shown.size(), 1);
        QCOMPARE(prompter.shown[0].kind, platform::Prompter::Kind::Question);
        QCOMPARE(prompter.shown[0].caption, QString("Corvandine Organizer"));
        QVERIFY(prompter.shown[0].text.startsWith(" You are in order to eliminate \"Dentist\""));
    }
};

QTEST_GUILESS_MAIN(TestDeleteConfirmation)
#include "tst_deleteconfirmation.moc"
