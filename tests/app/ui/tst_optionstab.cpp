#include "app/lock/passwordhash.h"
#include "app/lock/passwordsetting.h"
#include "app/ui/advancedpanel.h"
#include "app/ui/optionstab.h"
#include "platform/testing/manualclock.h"
#include "platform/testing/recordingdesktop.h"
#include "platform/testing/scriptedprompter.h"
#include "shared/appstate.h"
#include "store/database.h"
#include "store/query.h"
#include "store/schema.h"
#include "store/settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

using namespace store;
using app::ui::OptionsTab;

namespace {
const QStringList saveOptionsColumns = {"autostart", "minimized",     "soundon",       "wavesound",
                                        "breakline", "formatbar",     "timecheck",     "DataShot",
                                        "DataYear",  "DataShotIndex", "DataYearIndex", "psw",
                                        "blocco",    "showcale",      "startab"};
}

class TestOptionsTab final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<Settings> m_settings;
    platform::ScriptedPrompter m_prompter;
    platform::ManualClock m_clock;
    platform::RecordingDesktop m_desktop;
    std::unique_ptr<shared::Services> m_services;
    std::unique_ptr<OptionsTab> m_tab;

    template <typename W> W* find(const QString& name)
    {
        W* widget = m_tab->findChild<W*>(name);
        if (!widget)
            qFatal("no widget %s", qPrintable(name));
        return widget;
    }

    QString stored(const QString& column)
    {
        Query q(*m_db);
        q.setSql({"SELECT * FROM CRset63"});
        q.open();
        return q.fieldByName(column).asString();
    }

    // Changes the row behind the program's back, as another process might.
    void exec(const QString& sql)
    {
        Query q(*m_db);
        q.setSql({sql});
        q.execSql();
    }

    // The logon entry and the lock are other pieces of the program: their
    // controls work once those pieces are connected.
    void connectAutostartAndLock()
    {
        connect(m_tab.get(), &OptionsTab::autostartChanged, this, [] {});
        connect(m_tab->specialPanel(), &app::ui::SpecialPanel::lockRequested, this, [] {});
        m_settings->load();
    }

    void choose(QComboBox* list, int index)
    {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }

private slots:
    void init()
    {
        m_prompter = {};
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_db = std::make_unique<Database>();
        m_db->create(m_dir->filePath("coarc.abs"));
        m_settings = std::make_unique<Settings>(*m_db);
        Query general(*m_db);
        ArchiveEnvironment env;
        env.archiveFolder = m_dir->path();
        env.programFolder = m_dir->path();
        ArchiveBuilder(*m_db, general, m_settings->query(), env).build();
        m_services =
            std::make_unique<shared::Services>(shared::Services{m_prompter, m_clock, m_desktop});
        m_tab = std::make_unique<OptionsTab>(*m_settings, *m_services);
        m_tab->resize(670, 592);
        m_settings->load();
    }
    void cleanup()
    {
        m_tab.reset();
        m_settings.reset();
        m_db.reset();
        m_dir.reset();
    }

    void startMinimizedWritesEveryColumn()
    {
        QMap<QString, QString> before;
        for (const QString& column : saveOptionsColumns)
            before[column] = stored(column);
        // Another writer changes every column; the controls still show the
        // row as loaded, and they are the truth until the next load.
        exec("UPDATE CRset63 SET autostart = \"Y\", minimized = \"Y\", soundon = \"N\", "
             "wavesound = \"x.wav\", breakline = \"N\", formatbar = \"Y\", timecheck = \"N\", "
             "DataShot = \"yy\", DataYear = \"yy\", DataShotIndex = 6, DataYearIndex = 5, "
             "psw = \"other\", blocco = \"N\", showcale = \"N\", startab = \"1\"");

        find<QCheckBox>("CheckBoxMinimized")->click();

        for (const QString& column : saveOptionsColumns) {
            const QString expected = column == "minimized" ? "Y" : before[column];
            QVERIFY2(stored(column) == expected,
                     qPrintable(column + ": " + stored(column) + " instead of " + expected));
        }
        QVERIFY(m_settings->minimized());
        QVERIFY(find<QCheckBox>("CheckBoxMinimized")->isChecked());
    }

    void alarmBoxesStoreTheirCode()
    {
        auto* sound = find<QCheckBox>("CheckBox_Soundon");
        auto* popup = find<QCheckBox>("CheckBoxPopup");
        QVERIFY(sound->isChecked() && !popup->isChecked());
        popup->click();
        QCOMPARE(stored("soundon"), "2");
        sound->click();
        QCOMPARE(stored("soundon"), "V");
        QVERIFY(!sound->isChecked());
        QVERIFY(popup->isChecked());
    }

    void alarmBoxesFromCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<bool>("popup");
        QTest::newRow("Y") << "Y" << true << false;
        QTest::newRow("V") << "V" << false << true;
        QTest::newRow("2") << "2" << true << true;
        QTest::newRow("N") << "N" << false << false;
        // Unknown codes leave the boxes as the previous "V" set them.
        QTest::newRow("unknown") << "Q" << false << true;
    }
    void alarmBoxesFromCode()
    {
        QFETCH(QString, code);
        QFETCH(bool, sound);
        QFETCH(bool, popup);
        connect(m_tab.get(), &OptionsTab::chooseSoundRequested, this, [] {});
        exec("UPDATE CRset63 SET soundon = \"V\"");
        m_settings->load();
        exec("UPDATE CRset63 SET soundon = \"" + code + "\"");
        m_settings->load();
        QCOMPARE(find<QCheckBox>("CheckBox_Soundon")->isChecked(), sound);
        QCOMPARE(find<QCheckBox>("CheckBoxPopup")->isChecked(), popup);
        // The sound buttons follow "Sound alarm".
        QCOMPARE(find<QPushButton>("SpeedButtonSound")->isEnabled(), sound);
    }

    void oldStartTabLeavesListEmpty()
    {
        exec("UPDATE CRset63 SET startab = \"8\"");
        m_settings->load();
        auto* list = find<QComboBox>("ComboBox_Startab");
        QCOMPARE(list->currentIndex(), -1);
        // Another option change keeps the stored code.
        connectAutostartAndLock();
        find<QCheckBox>("CheckBoxAutostart")->click();
        QCOMPARE(stored("autostart"), "Y");
        QCOMPARE(stored("startab"), "8");
        choose(list, 5);
        QCOMPARE(stored("startab"), "5");
        QCOMPARE(list->currentIndex(), 5);
    }

    void newPassword_data()
    {
        QTest::addColumn<QString>("old");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<std::optional<QString>>("retyped");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<QString>("message");
        QTest::newRow("confirmed, with quotes")
            << ""
            << "pa\"ss\"" << std::optional<QString>("pa\"ss\"") << "pa\"ss\""
            << "New password CONFIRMED!";
        QTest::newRow("replaced") << "old"
                                  << "new" << std::optional<QString>("new") << "new"
                                  << "New password CONFIRMED!";
        QTest::newRow("mistyped, none before") << ""
                                               << "abc" << std::optional<QString>("abd") << ""
                                               << "New password NOT confirmed!\rNO password set!";
        QTest::newRow("cancelled, old kept")
            << "old\"one"
            << "abc" << std::optional<QString>() << "old\"one"
            << "New password NOT confirmed!\rThe old password was restored!";
    }
    void newPassword()
    {
        QFETCH(QString, old);
        QFETCH(QString, typed);
        QFETCH(std::optional<QString>, retyped);
        QFETCH(QString, expected);
        QFETCH(QString, message);
        connectAutostartAndLock();
        m_settings->setPassword(old.isEmpty() ? QString() : app::lock::hashPassword(old));
        m_tab->saveAndReload();

        find<QPushButton>("SpeedButtonSpecial")->click();
        QVERIFY(m_tab->specialPanelShown());
        auto* field = find<QLineEdit>("Edit_ImpostaPSW");
        // A stored password shows as a placeholder, never as what is stored.
        const QString placeholder = app::lock::PasswordSetting::placeholder();
        QCOMPARE(field->text(), old.isEmpty() ? QString() : placeholder);
        QTest::keyClicks(field, typed);
        QCOMPARE(field->text(), typed);
        auto* close = find<QPushButton>("SpeedButtonCloseSpecial");
        QCOMPARE(close->text(), "Confirm PASSWORD");
        m_prompter.texts.enqueue(retyped);
        close->click();

        QCOMPARE(m_prompter.shownTexts(), (QStringList{"Retype new password", message}));
        const QString psw = stored("psw");
        QCOMPARE(m_settings->password(), psw);
        if (expected.isEmpty()) {
            QCOMPARE(psw, QString());
        } else {
            QVERIFY(app::lock::isPasswordHash(psw));
            QCOMPARE(app::lock::checkPassword(psw, expected), app::lock::PasswordMatch::Yes);
        }
        QCOMPARE(field->text(), expected.isEmpty() ? QString() : placeholder);
        QCOMPARE(close->text(), "Close special menu");
        QVERIFY(!m_tab->specialPanelShown());
    }

    void placeholderGoesAsAWhole_data()
    {
        QTest::addColumn<bool>("erase");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<QString>("caption");
        QTest::newRow("untouched") << false << ""
                                   << "placeholder" << false << "Close special menu";
        QTest::newRow("one erasing key") << true << ""
                                         << "" << true << "Close special menu";
        QTest::newRow("typing replaces it") << false << "ab"
                                            << "ab" << false << "Confirm PASSWORD";
        QTest::newRow("erased, then typed") << true << "ab"
                                            << "ab" << true << "Confirm PASSWORD";
    }
    void placeholderGoesAsAWhole()
    {
        QFETCH(bool, erase);
        QFETCH(QString, typed);
        QFETCH(QString, field);
        QFETCH(bool, removed);
        QFETCH(QString, caption);
        connectAutostartAndLock();
        const QString hash = app::lock::hashPassword("secret");
        m_settings->setPassword(hash);
        m_tab->saveAndReload();
        m_tab->openSpecialPanel();
        auto* edit = find<QLineEdit>("Edit_ImpostaPSW");
        // Unmasked, the placeholder still tells nothing of the password.
        find<QCheckBox>("CheckBoxMaskPSW")->click();
        QCOMPARE(edit->echoMode(), QLineEdit::Normal);
        QCOMPARE(edit->text(), app::lock::PasswordSetting::placeholder());
        edit->setCursorPosition(3);
        if (erase)
            QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(),
                 field == "placeholder" ? app::lock::PasswordSetting::placeholder() : field);
        QCOMPARE(stored("psw"), removed ? QString() : hash);
        QCOMPARE(find<QPushButton>("SpeedButtonCloseSpecial")->text(), caption);
        QCOMPARE(find<QCheckBox>("CheckBoxSolaLettura")->isEnabled(), !edit->text().isEmpty());
        m_prompter.texts.enqueue(std::nullopt);
        m_tab->closeSpecialPanel();
        QCOMPARE(stored("psw"), removed ? QString() : hash);
        QVERIFY(!edit->text().contains("$"));
    }

    void clearingPasswordStoresAtOnce()
    {
        connectAutostartAndLock();
        m_settings->setPassword("secret");
        m_tab->saveAndReload();
        m_tab->openSpecialPanel();
        QVERIFY(find<QCheckBox>("CheckBoxSolaLettura")->isEnabled());
        find<QToolButton>("SpeedButtonClearPSW")->click();
        QCOMPARE(stored("psw"), "");
        QVERIFY(m_prompter.shown.isEmpty());
        QVERIFY(!find<QCheckBox>("CheckBoxSolaLettura")->isEnabled());
        QVERIFY(!find<QToolButton>("SpeedButtonClearPSW")->isEnabled());
    }

    void singleColumnControls()
    {
        find<QCheckBox>("CheckBoxAmPm")->click();
        QCOMPARE(stored("ampm"), "True");
        QVERIFY(m_settings->clockFormat().endsWith("am/pm"));

        QVERIFY(!m_tab->findChild<QToolButton*>("SpeedButtonHint")->isHidden());
        find<QCheckBox>("CheckBoxHideTips")->click();
        QCOMPARE(stored("hidetips"), "True");
        QVERIFY(find<QToolButton>("SpeedButtonHint")->isHidden());

        auto* days = find<QSpinBox>("SpinEditFuturo");
        QVERIFY(!days->isEnabled());
        find<QCheckBox>("CheckBoxFuturo")->click();
        QCOMPARE(stored("futuro_flag"), "True");
        QVERIFY(days->isEnabled());
        days->setValue(400);
        QCOMPARE(stored("futuro_days"), "366");
        days->setValue(12);
        QCOMPARE(stored("futuro_days"), "12");

        choose(find<QComboBox>("ComboBoxScala"), 3);
        QCOMPARE(stored("scala_index"), "3");
        QCOMPARE(m_settings->scalePercent(), 130);

        // "Read" needs a password.
        connectAutostartAndLock();
        auto* read = find<QCheckBox>("CheckBoxSolaLettura");
        QVERIFY(!read->isEnabled());
        m_settings->setPassword("pw");
        m_tab->saveAndReload();
        read->click();
        QCOMPARE(stored("solalettura"), "True");
    }

    // clang-format off
    void typedDayCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("within") << "12" << "12";
        QTest::newRow("the top") << "366" << "366";
        QTest::newRow("just above") << "367" << "366";
        QTest::newRow("far above") << "400" << "366";
    }
    // clang-format on
    void typedDayCount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        find<QCheckBox>("CheckBoxFuturo")->click();
        auto* days = find<QSpinBox>("SpinEditFuturo");
        days->selectAll();
        QTest::keyClicks(days, typed);
        QTest::keyClick(days, Qt::Key_Return);
        QCOMPARE(days->text(), stored);
        QCOMPARE(this->stored("futuro_days"), stored);
    }

    void dateFormatChange()
    {
        QSignalSpy reload(m_tab.get(), &OptionsTab::oneShotFormatChanged);
        auto* sample = find<QLabel>("Label_DataShotSample");
        QCOMPARE(sample->text(), "Thursday 10 December 2026");
        choose(find<QComboBox>("ComboBox_FormatoDataShot"), 2);
        QCOMPARE(stored("DataShot"), "dd/mm/yyyy");
        QCOMPARE(stored("DataShotIndex"), "2");
        QCOMPARE(stored("DataYear"), "d mmmm");
        QCOMPARE(sample->text(), "10/12/2026");
        QCOMPARE(reload.count(), 1);
        choose(find<QComboBox>("ComboBox_FormatoDataYear"), 4);
        QCOMPARE(stored("DataYear"), "mmmm d");
        QCOMPARE(find<QLabel>("Label_DataYearSample")->text(), "December 10");
    }

    void buttonsLeaveAsSignals_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("Backup") << "SpeedButtonExport" << QByteArray("backupRequested()");
        QTest::newRow("Restore") << "SpeedButtonImport" << QByteArray("restoreRequested()");
        QTest::newRow("Change") << "SpeedButton_unico" << QByteArray("changeFolderRequested()");
        QTest::newRow("Auto") << "SpeedButton_Multi" << QByteArray("defaultFolderRequested()");
        QTest::newRow("Fix") << "SpeedButtonFix" << QByteArray("fixSizeRequested()");
        QTest::newRow("Autorun") << "SpeedButtonAutorun" << QByteArray("autorunRequested()");
        QTest::newRow("Theme") << "SpeedButtonCambiaTema" << QByteArray("themeChooserRequested()");
        QTest::newRow("Tabs") << "SpeedButtonTabs" << QByteArray("visibleTabsRequested()");
    }
    void buttonsLeaveAsSignals()
    {
        QFETCH(QString, button);
        QFETCH(QByteArray, signal);
        QSignalSpy spy(m_tab.get(), QByteArray("2" + signal).constData());
        QVERIFY(spy.isValid());
        m_settings->load(); // the spy counts as a connection
        find<QPushButton>(button)->click();
        QCOMPARE(spy.count(), 1);
    }

    void unconnectedSectionsStayDisabled()
    {
        // Neither a logon entry nor a lock exists yet: the controls that
        // would promise them are disabled, the other options are not.
        m_tab->openSpecialPanel();
        for (const char* name :
             {"CheckBoxAutostart", "Edit_ImpostaPSW", "CheckBoxBlocco", "CheckBoxMaskPSW"})
            QVERIFY2(!find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
        for (const char* name : {"CheckBoxMinimized", "ComboBox_Startab", "CheckBoxAmPm"})
            QVERIFY2(find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);
        connectAutostartAndLock();
        for (const char* name : {"CheckBoxAutostart", "Edit_ImpostaPSW", "CheckBoxBlocco"})
            QVERIFY2(find<QWidget>(QString::fromLatin1(name))->isEnabled(), name);

        QVERIFY(!find<QPushButton>("SpeedButtonAutorun")->isEnabled());
        QVERIFY(!find<QPushButton>("SpeedButtonRepository")->isEnabled());
        QVERIFY(!find<QPushButton>("SpeedButtonSound")->isEnabled());
        connect(m_tab->specialPanel(), &app::ui::SpecialPanel::repositoryRequested, this, [] {});
        m_settings->load();
        QVERIFY(find<QPushButton>("SpeedButtonRepository")->isEnabled());
    }

    void folderAndSize()
    {
        QSignalSpy open(m_tab.get(), &OptionsTab::openArchiveFolderRequested);
        m_tab->setArchiveFolder("/data/myarcs");
        auto* folder = find<QLabel>("Label_Archives_Folder");
        QCOMPARE(folder->text(), "/data/myarcs");
        QTest::mouseDClick(folder, Qt::LeftButton);
        QCOMPARE(open.count(), 1);

        auto* fix = find<QPushButton>("SpeedButtonFix");
        auto* byDefault = find<QPushButton>("SpeedButtonDefaultSize");
        QCOMPARE(fix->text(), "Fix 670 x 592");
        QVERIFY(!byDefault->isEnabled());
        m_tab->setWindowSize(QSize(800, 600), false);
        QCOMPARE(fix->text(), "Fix 800 x 600");
        QVERIFY(byDefault->isEnabled());
        m_tab->setWindowSize(QSize(800, 600), true);
        QVERIFY(!byDefault->isEnabled());

        find<QToolButton>("SpeedButtonHint")->click();
        QCOMPARE(m_prompter.shownTexts(), QStringList{"A lot of settings."});
    }

    void readableAtDefaultSize_data()
    {
        QTest::addColumn<bool>("special");
        QTest::newRow("options") << false;
        QTest::newRow("special panel") << true;
    }
    void readableAtDefaultSize()
    {
        // The tab sits under the title bar and the tab strip of a 670 x 592 window.
        QFETCH(bool, special);
        m_tab->setArchiveFolder("/home/someone/.local/share/corvandine/myarcs");
        if (special)
            m_tab->openSpecialPanel();
        m_tab->resize(660, 500);
        m_tab->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_tab.get()));
        QWidget* page = special ? static_cast<QWidget*>(m_tab->specialPanel())
                                : m_tab->findChild<QWidget*>("Panel_Options");
        const QList<QWidget*> widgets = page->findChildren<QWidget*>();
        for (QWidget* w : widgets) {
            if (!w->isVisibleTo(page) || w->objectName() == "Label_Archives_Folder" ||
                w->objectName() == "Label_SoundName" || !w->parentWidget()->isVisibleTo(page))
                continue;
            if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                qobject_cast<QComboBox*>(w)) {
                QVERIFY2(w->width() >= w->minimumSizeHint().width() &&
                             w->height() >= w->minimumSizeHint().height(),
                         qPrintable(w->objectName() + " is squeezed"));
                // Siblings never overlap.
                for (QWidget* other : widgets)
                    if (other != w && other->parentWidget() == w->parentWidget() &&
                        other->isVisibleTo(page) && !other->isWindow() &&
                        (qobject_cast<QAbstractButton*>(other) || qobject_cast<QLabel*>(other) ||
                         qobject_cast<QComboBox*>(other)))
                        QVERIFY2(!w->geometry().intersects(other->geometry()),
                                 qPrintable(w->objectName() + " overlaps " + other->objectName()));
            }
        }
        if (const QByteArray dir = qgetenv("CORVANDINE_SCREENSHOTS"); !dir.isEmpty()) {
            m_tab->resize(670, 592);
            m_tab->grab().save(QString::fromLocal8Bit(dir) +
                               (special ? "/special.png" : "/options.png"));
        }
    }
};

QTEST_MAIN(TestOptionsTab)
#include "tst_optionstab.moc"
