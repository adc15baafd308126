#include "contacts/dialling.h"
#include "contacts/ui/dialdialog.h"
#include "platform/testing/recordingtelephony.h"
#include "ui/windowfixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

using namespace contacts;
using contacts::ui::DialDialog;

namespace {

QStringList items(const QComboBox* combo)
{
    QStringList out;
    for (int i = 0; i < combo->count(); ++i)
        out << combo->itemText(i);
    return out;
}

const DialDialog::Contact Anna{"Anna Rossi", "0612345 0698765", "3331234", "anna.b", {}};

} // namespace

class TestDialling final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<WindowFixture> m_fx;
    platform::RecordingTelephony m_telephony;

    std::unique_ptr<DialDialog> dialog(const DialDialog::Contact& contact = Anna)
    {
        return std::make_unique<DialDialog>(contact, m_fx->settings, m_fx->services);
    }
    QPushButton* dialButton(const DialDialog& d)
    {
        return d.findChild<QPushButton*>("SpeedButton_Componi");
    }

private slots:
    void init()
    {
        m_fx = std::make_unique<WindowFixture>();
        m_telephony = {};
        m_fx->services.telephony = &m_telephony;
    }
    void cleanup() { m_fx.reset(); }

    void entries_data()
    {
        QTest::addColumn<QString>("phone");
        QTest::addColumn<QString>("mobile");
        QTest::addColumn<QString>("skype");
        QTest::addColumn<bool>("outsideLine");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("phones, mobile, Skype in order")
            << "0612345 0698765"
            << "3331234"
            << "anna.b" << false << QStringList{"0612345", "0698765", "3331234", "anna.b"};
        QTest::newRow("outside line before digits only")
            << "0612345 0698765"
            << "3331234"
            << "anna.b" << true << QStringList{"00612345", "00698765", "03331234", "anna.b"};
        QTest::newRow("country code and separators stay")
            << "+39 06 1234"
            << "06-1234,06/55"
            << "" << true << QStringList{"+39", "006", "01234", "06-1234", "06/55"};
        QTest::newRow("no numbers") << ""
                                    << ""
                                    << "" << true << QStringList{};
    }

    void entries()
    {
        QFETCH(QString, phone);
        QFETCH(QString, mobile);
        QFETCH(QString, skype);
        QFETCH(bool, outsideLine);
        QFETCH(QStringList, expected);
        QCOMPARE(dialEntries(phone, mobile, skype, outsideLine), expected);
    }

    // Ticking stores the choice at once, rebuilds the list on the entry
    // chosen last, and the next dialog opens with it.
    void outsideLineRemembered()
    {
        auto d = dialog();
        QCOMPARE(items(d->numbers()), QStringList({"0612345", "0698765", "3331234", "anna.b"}));
        QCOMPARE(d->numbers()->currentText(), "0612345");
        d->numbers()->setCurrentIndex(2);
        emit d->numbers()->activated(2);
        d->outsideLine()->click();
        QCOMPARE(items(d->numbers()), QStringList({"00612345", "00698765", "03331234", "anna.b"}));
        QCOMPARE(d->numbers()->currentText(), "03331234");
        QVERIFY(m_fx->settings.centralino());
        d.reset();

        auto again = dialog();
        QVERIFY(again->outsideLine()->isChecked());
        QCOMPARE(again->numbers()->currentText(), "00612345");
        again->outsideLine()->click();
        QCOMPARE(again->numbers()->currentText(), "0612345");
        m_fx->settings.load();
        QVERIFY(!m_fx->settings.centralino());
    }

    // A typed number is not in the list: a rebuild empties the field, and
    // with it "Dial" goes off.
    void typedNumberAndDialButton()
    {
        auto d = dialog();
        QVERIFY(dialButton(*d)->isEnabled());
        QTest::keyClicks(d->numbers()->lineEdit(), "555");
        QCOMPARE(d->numbers()->currentText(), "0612345555");
        QCOMPARE(d->numbers()->count(), 4); // never added to the list
        d->outsideLine()->click();
        QCOMPARE(d->numbers()->currentText(), "");
        QVERIFY(!dialButton(*d)->isEnabled());
    }

    void dialAndEnter_data()
    {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("Dial") << false;
        QTest::newRow("Enter") << true;
    }

    void dialAndEnter()
    {
        QFETCH(bool, byEnter);
        auto d = dialog();
        d->show();
        if (byEnter)
            QTest::keyClick(d->numbers()->lineEdit(), Qt::Key_Return);
        else
            dialButton(*d)->click();
        QCOMPARE(m_telephony.dialled, QStringList({"0612345"}));
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QVERIFY(m_fx->prompter.shown.isEmpty());
    }

    // Without a telephony of its own the call goes to the desktop as a
    // "tel:" address; when nothing takes it the user is told and may still
    // use the call menu.
    void dialThroughDesktop()
    {
        m_fx->services.telephony = nullptr;
        m_fx->desktop.opens = [](const QString&) { return false; };
        DialDialog::Contact c = Anna;
        c.selection = "+39 06 123";
        auto d = dialog(c);
        d->show();
        QCOMPARE(d->numbers()->currentText(), "+39 06 123");
        dialButton(*d)->click();
        QCOMPARE(m_fx->desktop.opened, QStringList({"tel:+3906123"}));
        QCOMPARE(m_fx->prompter.shown.size(), 1);
        QCOMPARE(m_fx->prompter.shown[0].kind, platform::Prompter::Kind::Warning);
        QVERIFY(m_fx->prompter.shown[0].text.contains("\"+39 06 123\""));
        QVERIFY(d->isVisible());
    }

    void callAndChatMenu()
    {
        auto d = dialog();
        d->numbers()->setCurrentIndex(3);
        d->chatMenu()->findChild<QAction*>("Telefona")->trigger();
        d->chatMenu()->findChild<QAction*>("Chatta")->trigger();
        QCOMPARE(m_fx->desktop.opened, QStringList({"callto:anna.b", "skype:anna.b?chat"}));
        QVERIFY(m_fx->prompter.shown.isEmpty());
        m_fx->desktop.opens = [](const QString&) { return false; };
        d->chatMenu()->findChild<QAction*>("Chatta")->trigger();
        QCOMPARE(m_fx->prompter.shown.size(), 1);
        QVERIFY(m_telephony.dialled.isEmpty());
    }
};

QTEST_MAIN(TestDialling)
#include "tst_dialling.moc"
