#include "platform/qt/qtsoundplayer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// The alarm must never hold the program up, with or without a sound device.
class TestQtSoundPlayer final : public QObject
{
    Q_OBJECT
private slots:
    void playingReturnsAtOnce();
};

void TestQtSoundPlayer::playingReturnsAtOnce()
{
    QTemporaryDir dir;
    const QString wave = dir.filePath(QStringLiteral("chime.wav"));
    QFile file(wave);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(platform::builtInChime());
    file.close();

    platform::QtSoundPlayer player;
    QVERIFY(QFileInfo(player.mailSoundPath()).isFile());
    QElapsedTimer timer;
    timer.start();
    player.playFile(wave);
    player.playMailSound(); // cuts the first one off
    player.playFile(dir.filePath(QStringLiteral("missing.wav")));
    const QString ogg = dir.filePath(QStringLiteral("not really.oga"));
    QFile fake(ogg);
    QVERIFY(fake.open(QIODevice::WriteOnly));
    fake.write("OggS but nothing more");
    fake.close();
    player.playFile(ogg);
    QCoreApplication::processEvents();
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(TestQtSoundPlayer)
#include "tst_qtsoundplayer.moc"
