#include "../calendar/archivefixture.h"

#include "shared/sectioncounter.h"

using namespace shared;

class TestSectionCounter final : public QObject
{
    Q_OBJECT
private slots:
    void captions_data()
    {
        QTest::addColumn<int>("listed");
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("caption");
        QTest::newRow("all shown") << 12 << 12 << "12   ";
        QTest::newRow("some shown") << 3 << 12 << "3 / 12   ";
        QTest::newRow("none at all") << 0 << 0 << "0   ";
    }
    void captions()
    {
        QFETCH(int, listed);
        QFETCH(int, total);
        QTEST(counterCaption(listed, total), "caption");
    }

    void countsTheSectionsRows()
    {
        ArchiveFixture a;
        for (int i = 0; i < 12; ++i)
            a.add("M", draftOn(QDate(2026, 1, 1 + i)));
        a.add("W", draftOn(QDate(2026, 1, 5)));

        const auto monthly = updateSectionCounter(*a.general, u'M', 3);
        QVERIFY(monthly);
        QCOMPARE(monthly->panelName, QString("Panel_Month"));
        QCOMPARE(monthly->panelCaption, QString("3 / 12   "));
        QCOMPARE(monthly->labelName, QString("Label_Conteggio_Mensili"));
        QCOMPARE(monthly->labelText, QString("Monthly: 12"));

        const auto weekly = updateSectionCounter(*a.general, u'W', 1);
        QCOMPARE(weekly->panelCaption, QString("1   "));
        QCOMPARE(weekly->labelText, QString("Weekly: 1"));

        const auto repository = updateSectionCounter(*a.general, u'D', 0);
        QVERIFY(repository->panelName.isEmpty());
        QCOMPARE(repository->labelText, QString("Repository: 0"));

        QVERIFY(!updateSectionCounter(*a.general, u'Q', 0));
    }
};

QTEST_GUILESS_MAIN(TestSectionCounter)
#include "tst_sectioncounter.moc"
