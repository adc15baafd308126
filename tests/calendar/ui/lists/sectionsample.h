#pragma once

#include "archivefixture.h"

// A small archive of every kind, written as the dialogs write it. The
// descriptions are what the list tests look for.
inline void writeSectionSample(ArchiveFixture& archive, const QLocale& locale)
{
    calendar::TaskWriter writer(*archive.general, locale);
    const QDate shown(2026, 5, 20);
    const auto add = [&](const QString& kind, const QDate& date, const QString& description,
                         const QString& from, const QString& note = QString()) {
        calendar::TaskDraft d = draftOn(date, description);
        d.from = from;
        d.note = note;
        writer.insert(kind, d, shown);
    };
    add("O", QDate(2026, 5, 20), "Dentist", "14:30", "Bring the x-ray");
    add("O", QDate(2026, 5, 22), "Plumber", "09:00");
    add("O", QDate(2026, 4, 1), "Say \"hi\" to Bob", "10:00");
    add("O", QDate(2025, 12, 31), "Renew passport", "  :  ", "say hi at the desk");

    add("Y", QDate(1990, 3, 12), "Anna's birthday", "  :  ");
    add("Y", QDate(2024, 3, 21), "Spring party", "18:00", "Bring a cake");
    add("Y", QDate(2020, 4, 15), "Tax day", "  :  ");
    add("Y", QDate(2000, 12, 25), "Christmas", "  :  ");

    add("M", QDate(2026, 1, 1), "Rent", "09:00");
    add("M", QDate(2026, 2, 15), "Gas bill", "  :  ");
    add("M", QDate(2026, 3, 28), "Water bill", "  :  ");

    add("W", QDate(2026, 5, 18), "Gym", "07:30");    // Monday
    add("W", QDate(2026, 5, 20), "Choir", "20:00");  // Wednesday
    add("W", QDate(2026, 5, 23), "Market", "08:00"); // Saturday
    add("W", QDate(2026, 5, 24), "Brunch", "11:00"); // Sunday
}
