#include "../calendar/archivefixture.h"

#include "platform/soundplayer.h"
#include "platform/testing/recordingsoundplayer.h"
#include "platform/testing/scriptedprompter.h"
#include "reminders/alarmsound.h"
#include "store/settings.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

using namespace reminders;

namespace {
void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class TestAlarmSound final : public QObject
{
    Q_OBJECT
private slots:
    void fallBackOrderAndLabel_data();
    void fallBackOrderAndLabel();
    void chooseStoresTheFile();
    void chooseStartsInTheRightFolder_data();
    void chooseStartsInTheRightFolder();
    void mailSoundAfterYes_data();
    void mailSoundAfterYes();
    void playSoundRefreshesTheLabelFirst();
    void desktopMailSound();
    void builtInChimeIsAWaveFile();
};

// Files named in `present` exist ("stored" is the chosen file, "alarms" its
// namesake in the program's alarms folder).
void TestAlarmSound::fallBackOrderAndLabel_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("played");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("warning");
    QTest::addColumn<QString>("hint");
    QTest::newRow("stored file") << "sounds/bell.wav" << QStringList{"sounds/bell.wav", "alarms/bell.wav"}
                                 << "sounds/bell.wav" << "bell.wav" << false << "Allarme in uso";
    QTest::newRow("replacement") << "sounds/bell.wav" << QStringList{"alarms/bell.wav"}
                                 << "alarms/bell.wav" << "bell.wav" << false << "Allarme in uso";
    QTest::newRow("replacement of a path with backslashes")
        << "C:\\Program Files\\sounds\\bell.wav" << QStringList{"alarms/bell.wav"}
        << "alarms/bell.wav" << "bell.wav" << false << "Allarme in uso";
    QTest::newRow("both gone") << "sounds/bell.wav" << QStringList{}
                               << "mailbeep" << "mailbeep" << true
                               << "Sostituto del file allarme non trovato: sounds/bell.wav";
    QTest::newRow("mailbeep chosen") << "mailbeep" << QStringList{"alarms/mailbeep"}
                                     << "mailbeep" << "mailbeep" << false << "Allarme in uso";
    QTest::newRow("empty value") << "" << QStringList{} << "mailbeep" << "mailbeep" << true
                                 << "Sostituto del file allarme non trovato: ";
}

void TestAlarmSound::fallBackOrderAndLabel()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, present);
    QFETCH(QString, played);
    QFETCH(QString, text);
    QFETCH(bool, warning);
    QFETCH(QString, hint);
    QTemporaryDir program;
    QDir dir(program.path());
    for (const QString& file : present)
        touch(dir.filePath(file));
    const QString storedPath = stored.startsWith(u's') ? dir.filePath(stored) : stored;
    const QString expectedPlayed = played == "mailbeep" ? played : dir.filePath(played);

    platform::RecordingSoundPlayer player;
    AlarmSound sound(player, program.path());
    sound.play(storedPath);
    QCOMPARE(player.played, QStringList{expectedPlayed});

    SoundLabel expected{text, warning, hint};
    if (warning && !stored.isEmpty())
        expected.hint = QStringLiteral("Sostituto del file allarme non trovato: ") + storedPath;
    QCOMPARE(soundLabelFor(storedPath, program.path()), expected);
}

void TestAlarmSound::chooseStoresTheFile()
{
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    platform::ScriptedPrompter prompter;
    platform::RecordingSoundPlayer player;
    AlarmSound sound(player, archive.folder.path());
    SoundOptions options(settings, prompter, sound, archive.folder.path());
    QList<SoundLabel> labels;
    options.showLabel = [&labels](const SoundLabel& l) { labels.append(l); };

    options.choose(); // cancelled
    QCOMPARE(settings.waveSound(), QStringLiteral("mailbeep"));
    QVERIFY(labels.isEmpty());

    const QString chosen = archive.folder.filePath(QStringLiteral("my \"bell\".wav"));
    touch(chosen);
    prompter.files.enqueue(chosen);
    options.choose();
    QCOMPARE(settings.waveSound(), chosen);
    QCOMPARE(labels, QList<SoundLabel>({{"my \"bell\".wav", false, "Allarme in uso"}}));
}

void TestAlarmSound::chooseStartsInTheRightFolder_data()
{
    QTest::addColumn<bool>("storedExists");
    QTest::addColumn<bool>("alarmsFolder");
    QTest::addColumn<QString>("folder");
    QTest::newRow("stored file's folder") << true << true << "sounds";
    QTest::newRow("alarms folder") << false << true << "alarms";
    QTest::newRow("desktop") << false << false << "desktop";
}

void TestAlarmSound::chooseStartsInTheRightFolder()
{
    QFETCH(bool, storedExists);
    QFETCH(bool, alarmsFolder);
    QFETCH(QString, folder);
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    QDir dir(archive.folder.path());
    const QString stored = dir.filePath(QStringLiteral("sounds/ring.wav"));
    if (storedExists)
        touch(stored);
    if (alarmsFolder)
        dir.mkpath(QStringLiteral("alarms"));
    store::OptionValues v = settings.currentOptions();
    v.waveSound = stored;
    settings.saveOptions(v);
    settings.load();
    platform::ScriptedPrompter prompter;
    platform::RecordingSoundPlayer player;
    AlarmSound sound(player, dir.path());
    SoundOptions options(settings, prompter, sound, dir.filePath(QStringLiteral("desktop")));
    QCOMPARE(options.chooseFolder(), dir.filePath(folder));
}

void TestAlarmSound::mailSoundAfterYes_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void TestAlarmSound::mailSoundAfterYes()
{
    QFETCH(bool, yes);
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    store::OptionValues v = settings.currentOptions();
    v.waveSound = QStringLiteral("/gone/bell.wav");
    settings.saveOptions(v);
    settings.load();
    platform::ScriptedPrompter prompter;
    prompter.answers.enqueue(yes);
    platform::RecordingSoundPlayer player;
    AlarmSound sound(player, archive.folder.path());
    SoundOptions options(settings, prompter, sound, archive.folder.path());
    QList<SoundLabel> labels;
    options.showLabel = [&labels](const SoundLabel& l) { labels.append(l); };
    options.useMailSound();
    QCOMPARE(prompter.shownTexts(),
             QStringList{"Do you want to set the same sound as an alarm system for incoming mail?"});
    QCOMPARE(prompter.shown.first().kind, platform::Prompter::Kind::Question);
    QCOMPARE(settings.waveSound(), yes ? QStringLiteral("mailbeep") : QStringLiteral("/gone/bell.wav"));
    QCOMPARE(labels.size(), yes ? 1 : 0);
    if (yes)
        QCOMPARE(labels.first(), (SoundLabel{"mailbeep", false, "Allarme in uso"}));
    QVERIFY(player.played.isEmpty());
}

void TestAlarmSound::playSoundRefreshesTheLabelFirst()
{
    ArchiveFixture archive;
    store::Settings settings(archive.db);
    settings.load();
    platform::ScriptedPrompter prompter;
    platform::RecordingSoundPlayer player;
    AlarmSound sound(player, archive.folder.path());
    SoundOptions options(settings, prompter, sound, archive.folder.path());
    QStringList order;
    options.showLabel = [&](const SoundLabel& l) { order.append(l.text + " " + player.played.join(u',')); };
    options.playSound();
    options.playSound();
    QCOMPARE(order, QStringList({"mailbeep ", "mailbeep mailbeep"}));
    QCOMPARE(player.played.size(), 2);
}

void TestAlarmSound::desktopMailSound()
{
    QTemporaryDir data;
    QDir dir(data.path());
    QCOMPARE(platform::desktopMailSound({dir.filePath("a"), dir.filePath("b")}), QString());
    touch(dir.filePath("a/sounds/ocean/stereo/message-new-email.oga"));
    QCOMPARE(platform::desktopMailSound({dir.filePath("a"), dir.filePath("b")}),
             dir.filePath("a/sounds/ocean/stereo/message-new-email.oga"));
    touch(dir.filePath("b/sounds/freedesktop/stereo/message-new-email.oga"));
    QCOMPARE(platform::desktopMailSound({dir.filePath("a"), dir.filePath("b")}),
             dir.filePath("b/sounds/freedesktop/stereo/message-new-email.oga"));
}

void TestAlarmSound::builtInChimeIsAWaveFile()
{
    const QByteArray wave = platform::builtInChime();
    QCOMPARE(wave.left(4), QByteArray("RIFF"));
    QCOMPARE(wave.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint32>(wave.constData() + 4), quint32(wave.size() - 8));
    QCOMPARE(qFromLittleEndian<quint16>(wave.constData() + 20), quint16(1)); // PCM
    const quint32 rate = qFromLittleEndian<quint32>(wave.constData() + 24);
    const quint32 data = qFromLittleEndian<quint32>(wave.constData() + 40);
    QCOMPARE(data, quint32(wave.size() - 44));
    // Short enough to be a chime, long enough to be heard.
    const double seconds = double(data) / (rate * 2);
    QVERIFY(seconds > 0.2 && seconds < 1.0);
    qint16 loudest = 0;
    for (int i = 44; i + 1 < wave.size(); i += 2)
        loudest = std::max<qint16>(loudest, qFromLittleEndian<qint16>(wave.constData() + i));
    QVERIFY(loudest > 8000);
}

QTEST_GUILESS_MAIN(TestAlarmSound)
#include "tst_alarmsound.moc"
