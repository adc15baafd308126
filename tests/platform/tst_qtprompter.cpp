#include "platform/qt/dialogowner.h"
#include "platform/qt/qtprompter.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::Prompter;
using platform::QtPrompter;

class TestQtPrompter final : public QObject
{
    Q_OBJECT
private:
    // What the dialog that opens next looked like, then closes it.
    struct Seen
    {
        QWidget* owner = nullptr;
        bool staysOnTop = false;
        QString folder;
        QString name;
    };

    static void closeNextDialog(Seen& seen)
    {
        QTimer::singleShot(0, [&seen] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog)
                return closeNextDialog(seen);
            seen.owner = dialog->parentWidget();
            seen.staysOnTop = dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                seen.folder = files->directory().absolutePath();
                if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                    seen.name = name->text();
            }
            static_cast<QDialog*>(dialog)->reject();
        });
    }

private slots:
    void init() { qputenv("HOME", m_home.path().toUtf8()); }

    void askedFrom_data()
    {
        QTest::addColumn<int>("what");
        QTest::newRow("message") << 0;
        QTest::newRow("question") << 1;
        QTest::newRow("file to open") << 2;
        QTest::newRow("colour") << 3;
    }

    // A message asked from a stay-on-top dialog opens on top of that dialog,
    // not behind it under the main window.
    void askedFrom()
    {
        QFETCH(int, what);
        QWidget mainWindow;
        mainWindow.show();
        QDialog taskDialog(&mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint);
        taskDialog.setModal(true);
        taskDialog.show();
        taskDialog.activateWindow();
        QTRY_COMPARE(QApplication::activeModalWidget(), &taskDialog);

        QtPrompter prompter(&mainWindow);
        Seen seen;
        closeNextDialog(seen);
        switch (what) {
        case 0: prompter.tell(QStringLiteral("Saved"), Prompter::Kind::Information, {}); break;
        case 1: prompter.ask(QStringLiteral("Sure?"), Prompter::Kind::Question, {}); break;
        case 2: prompter.openFileName(QStringLiteral("Open"), m_home.path(), {}); break;
        case 3: prompter.colour(0x123456); break;
        }
        QCOMPARE(seen.owner, &taskDialog);
        QVERIFY(seen.staysOnTop);
    }

    // Without a dialog in front the main window owns what is asked.
    void askedFromTheMainWindow()
    {
        QWidget mainWindow;
        QtPrompter prompter(&mainWindow);
        Seen seen;
        closeNextDialog(seen);
        prompter.tell(QStringLiteral("Saved"), Prompter::Kind::Information, {});
        QCOMPARE(seen.owner, &mainWindow);
        QVERIFY(!seen.staysOnTop);
    }

    // A folder that does not exist (a desktop without a Desktop folder)
    // starts the dialog in the home folder with an empty name.
    void missingFolderStartsAtHome()
    {
        QtPrompter prompter;
        Seen seen;
        closeNextDialog(seen);
        prompter.openFileName(QStringLiteral("Open"), m_home.filePath(QStringLiteral("Desktop")),
                              QStringLiteral("Backup (*.abs)"));
        QCOMPARE(seen.folder, QDir(m_home.path()).absolutePath());
        QCOMPARE(seen.name, QString());

        closeNextDialog(seen);
        prompter.saveFileName(QStringLiteral("Save"),
                              m_home.filePath(QStringLiteral("Desktop/coarc.abs")), {});
        QCOMPARE(seen.folder, QDir(m_home.path()).absolutePath());
        QCOMPARE(seen.name, QStringLiteral("coarc.abs"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TestQtPrompter)
#include "tst_qtprompter.moc"
