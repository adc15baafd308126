// The keys and clicks every record grid answers, on a page of three rows
// whose middle one carries a note.
#include "shared/ui/gridpage.h"

#include <QPlainTextEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

namespace {

class Page final : public shared::ui::GridPage
{
public:
    QStringList commands; // what ran, with the selected row
    QToolButton* modify = new QToolButton(this);
    QTableView* grid = new QTableView(this);
    QPlainTextEdit* memo = new QPlainTextEdit(this);
    QStandardItemModel model{3, 3};

    Page()
    {
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 3; ++column)
                model.setItem(row, column, new QStandardItem(QString::number(row)));
        grid->setModel(&model);
        grid->setSelectionBehavior(QAbstractItemView::SelectRows);
        grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
        memo->setReadOnly(true);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(grid);
        layout->addWidget(memo);
        layout->addWidget(buildNavigator(this));
        setRecordGrid({grid, 2, memo, modify});
    }

    void selectRow(int row) override { grid->setCurrentIndex(model.index(row, 0)); }

protected:
    bool rowHasNote(int row) const override { return row == 1; }
    void modifySelected() override { ran("modify"); }
    void modifyNote() override { ran("note"); }
    void updateForSelection() override { memo->setPlainText(QString::number(selectedRow())); }

private:
    void ran(const char* command)
    {
        commands << QLatin1String(command) + QString::number(selectedRow());
    }
};

} // namespace

class TestGridPage final : public QObject
{
    Q_OBJECT
private slots:
    void keysAndClicks_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("buttonsEnabled");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("Enter") << "enter" << 2 << true << QStringList{"modify2"};
        QTest::newRow("Enter, Modify disabled") << "enter" << 2 << false << QStringList{};
        // The page's own Modify decides whether a double click may modify.
        QTest::newRow("double click on a row")
            << "double click" << 1 << true << QStringList{"modify1"};
        QTest::newRow("other keys pass") << "delete" << 0 << true << QStringList{};
        QTest::newRow("click on a note marker")
            << "note click" << 1 << true << QStringList{"note1"};
        QTest::newRow("click where no note is") << "note click" << 0 << true << QStringList{};
        QTest::newRow("double click on the note memo")
            << "memo" << 1 << true << QStringList{"note1"};
        QTest::newRow("double click on an empty memo") << "memo" << 2 << true << QStringList{};
    }
    void keysAndClicks()
    {
        QFETCH(QString, action);
        QFETCH(int, row);
        QFETCH(bool, buttonsEnabled);
        QFETCH(QStringList, expected);
        Page page;
        page.resize(400, 400);
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        page.modify->setEnabled(buttonsEnabled);
        const auto centre = [&page](int r, int column) {
            return page.grid->visualRect(page.model.index(r, column)).center();
        };
        if (action != "double click" && action != "note click")
            page.selectRow(row);

        if (action == "enter")
            QTest::keyClick(page.grid, Qt::Key_Return);
        else if (action == "delete")
            QTest::keyClick(page.grid, Qt::Key_Delete);
        else if (action == "double click") {
            // A real double click starts with a press on the same cell.
            QTest::mouseClick(page.grid->viewport(), Qt::LeftButton, {}, centre(row, 0));
            QTest::mouseDClick(page.grid->viewport(), Qt::LeftButton, {}, centre(row, 0));
        } else if (action == "note click")
            QTest::mouseClick(page.grid->viewport(), Qt::LeftButton, {}, centre(row, 2));
        else
            QTest::mouseDClick(page.memo->viewport(), Qt::LeftButton, {}, QPoint(10, 10));

        QCOMPARE(page.commands, expected);
    }

    void selectionAndNavigator()
    {
        Page page;
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QCOMPARE(page.selectedRow(), -1);
        QVERIFY(!page.hasSelection());
        const auto buttons = page.findChildren<QToolButton*>();
        const auto press = [&buttons](const char* hint) {
            for (QToolButton* b : buttons)
                if (b->toolTip() == QLatin1String(hint))
                    b->click();
        };
        press("Last");
        QCOMPARE(page.selectedRow(), 2);
        QCOMPARE(page.memo->toPlainText(), QString("2"));
        press("Next");
        QCOMPARE(page.selectedRow(), 2);
        press("Prior");
        QCOMPARE(page.selectedRow(), 1);
        press("First");
        QCOMPARE(page.selectedRow(), 0);
    }
};

QTEST_MAIN(TestGridPage)
#include "tst_gridpage.moc"
