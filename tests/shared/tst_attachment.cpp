#include "shared/attachment.h"
#include "platform/testing/recordingdesktop.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace shared;

class TestAttachment final : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir m_program;

    // A desktop that opens only what exists, as the real one does.
    platform::RecordingDesktop desktop()
    {
        platform::RecordingDesktop d;
        d.opens = [](const QString& target) {
            return target.startsWith("mailto:") || QFile::exists(target);
        };
        return d;
    }

    void touch(const QString& relative)
    {
        const QString path = QDir(m_program.path()).filePath(relative);
        QDir().mkpath(QFileInfo(path).path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    QString inProgram(const QString& relative) const
    {
        return QDir(m_program.path()).filePath(relative);
    }

private slots:
    void initTestCase()
    {
        touch("allegati/offer.pdf");
        touch("attaches/plan.odt");
        touch("allegati/2026/minutes.txt");
    }

    void fallBackFolders_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("tried"); // relative to the program folder
        QTest::addColumn<bool>("opened");
        QTest::newRow("bare name in allegati opens once")
            << "offer.pdf" << QStringList{"offer.pdf", "allegati/offer.pdf"} << true;
        QTest::newRow("bare name in attaches")
            << "plan.odt" << QStringList{"plan.odt", "allegati/plan.odt", "attaches/plan.odt"} << true;
        QTest::newRow("sub-path stored the Windows way")
            << "2026\\minutes.txt" << QStringList{"2026\\minutes.txt", "allegati/2026/minutes.txt"} << true;
        QTest::newRow("full path from elsewhere: file name in attaches")
            << "C:\\old\\docs\\plan.odt"
            << QStringList{"C:\\old\\docs\\plan.odt", "allegati/C:/old/docs/plan.odt",
                           "attaches/C:/old/docs/plan.odt", "allegati/plan.odt", "attaches/plan.odt"}
            << true;
        QTest::newRow("nothing anywhere")
            << "gone.txt"
            << QStringList{"gone.txt", "allegati/gone.txt", "attaches/gone.txt", "allegati/gone.txt",
                           "attaches/gone.txt"}
            << false;
        QTest::newRow("mail address opens as it stands")
            << "mailto:anna@example.com" << QStringList{"mailto:anna@example.com"} << true;
    }
    void fallBackFolders()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, tried);
        auto d = desktop();
        QTEST(openAttachment(text, m_program.path(), d), "opened");
        QStringList expected{tried.first()};
        for (const QString& t : tried.mid(1))
            expected << inProgram(t);
        QCOMPARE(d.opened, expected);
    }

    void emptyTextDoesNothing()
    {
        auto d = desktop();
        QVERIFY(!openAttachment(QString(), m_program.path(), d));
        QVERIFY(d.opened.isEmpty());
    }

    void captions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("caption");
        QTest::newRow("windows path") << "C:\\docs\\plan.txt"
                                      << "plan.txt";
        QTest::newRow("unix path") << "/home/ann/docs/plan.txt"
                                   << "plan.txt";
        QTest::newRow("relative, forward") << "sub/plan.txt"
                                           << "plan.txt";
        QTest::newRow("mixed") << "sub\\deeper/plan.txt"
                               << "plan.txt";
        QTest::newRow("web address") << "http://www.example.com/page"
                                     << "page";
        QTest::newRow("web site, trailing slash") << "http://www.example.com/"
                                                  << "www.example.com";
        QTest::newRow("folder, trailing slash") << "/home/ann/docs/"
                                                << "docs";
        QTest::newRow("mail address") << "mailto:ann@example.com"
                                      << "ann@example.com";
        QTest::newRow("bare name") << "plan.txt"
                                   << "plan.txt";
        QTest::newRow("empty") << ""
                               << "";
    }

    void captions()
    {
        QFETCH(QString, text);
        QFETCH(QString, caption);
        QCOMPARE(shared::attachmentCaption(text), caption);
    }
};

QTEST_GUILESS_MAIN(TestAttachment)
#include "tst_attachment.moc"
