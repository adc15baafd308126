#pragma once

#include <QString>

namespace store {
class Query;
class ResultSet;
} // namespace store

namespace todo {

// One entry of the to-do list, a row of CRtod63. Priority and percentage are
// stored as numbers but are always whole: 1 to 99 and 0 to 100.
struct ToDoEntry
{
    qint64 codtod = 0;
    QString id; // the description, never empty once saved
    QString note;
    int priority = 5;
    QString flag;      // as stored
    bool done = false; // flag "Yes"
    int percento = 0;
    QString allegato;
    QString ricerca; // a contact name, company or group to look up
    QString gruppo;
};

inline const QString DoneFlag = QStringLiteral("Yes");
inline const QString OpenFlag = QStringLiteral("No");

// The entry in row `row` of an opened list.
ToDoEntry entryAt(const store::ResultSet& rows, int row);

// A stored number as the list and the exports show it: "12", never "12.0".
QString wholeNumber(double value);

// The description as saved: its first character upper-cased when it is a
// letter from a to z, the rest as typed.
QString savedDescription(const QString& description);

// The Done box and the completion bar of the Modify dialog keep each other
// right: a bar at 100 ticks Done and any lower position unticks it, while the
// user ticking Done fills the bar and unticking it empties the bar.
struct Completion
{
    int percent = 0;
    bool done = false;

    void moveBar(int position)
    {
        percent = position;
        done = position > 99;
    }
    void clickDone(bool ticked)
    {
        done = ticked;
        percent = ticked ? 100 : 0;
    }
};

// What Check makes of an entry with `flag`: an open one ("No") becomes done
// at 100 percent, anything else (a flag other writers left too) open at 0.
Completion checked(const QString& flag);

// The writes of the tab and its dialogs; engine errors are not caught. Each
// runs one statement on `query`.
// A new entry, open and at 0 percent whatever `entry` says; returns its key.
qint64 insertEntry(store::Query& query, const ToDoEntry& entry);
// A copy of `entry` as it stands, done state included; returns its key.
qint64 cloneEntry(store::Query& query, const ToDoEntry& entry);
// Every column of the entry `entry.codtod`.
void updateEntry(store::Query& query, const ToDoEntry& entry);
void setCompletion(store::Query& query, qint64 codtod, const Completion& completion);
void deleteEntry(store::Query& query, qint64 codtod);

} // namespace todo
