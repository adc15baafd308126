// Not a test: writes pictures of the Contacts tab in the three grid styles,
// with the card and without it, for looking at.
// Usage: contacts_screenshots <folder>
#include "contactsfixture.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    ContactsFixture f;
    const QString face = f.archive.folder.filePath("face.png");
    QImage picture(120, 150, QImage::Format_RGB32);
    picture.fill(QColor(0x6a, 0x8f, 0xc7));
    {
        QPainter p(&picture);
        p.setBrush(QColor(0x3a, 0x3a, 0x3a));
        p.drawEllipse(QPoint(60, 55), 30, 30);
        p.drawEllipse(QPoint(60, 150), 45, 40);
    }
    picture.save(face);
    const qint64 anna =
        f.addContact("Anna Rossi", {{"company", "Rossi & Figli"},
                                    {"gruppo", "Friends"},
                                    {"tel", "02 1234567"},
                                    {"email", "anna@rossi.example"},
                                    {"site", "www.rossi.example"},
                                    {"foto", face},
                                    {"indirizzo", "Via Roma 1 #4 & Co\r\n20100 Milano"},
                                    {"note", "Met at the conference."}});
    f.addBirthday(anna, "Birthday of Anna Rossi", QDate(1985, 3, 14));
    const char* names[] = {"bruno Bianchi",   "Carla Verdi",   "Dario Neri",   "Elena Gallo",
                           "Franco Esposito", "giulia Romano", "Luca Ferrari", "Marta Colombo"};
    int i = 0;
    for (const char* name : names)
        f.addContact(QString::fromLatin1(name),
                     {{"gruppo", QString::fromLatin1(i % 2 ? "Work" : "Friends")},
                      {"tel", QString::number(5550100 + i)},
                      {"note", QString::fromLatin1(i++ % 3 ? "" : "A note")}});

    const std::pair<calendar::GridStyle, const char*> styles[] = {
        {calendar::GridStyle::Colorate, "colorate"},
        {calendar::GridStyle::Coloratissime, "coloratissime"},
        {calendar::GridStyle::Indicatori, "indicatori"}};
    for (const auto& [style, name] : styles) {
        auto page = f.page();
        calendar::GridTheme theme;
        theme.style = style;
        page->setGridTheme(theme);
        page->show();
        page->selectRow(2);
        page->drawCardNow();
        QApplication::processEvents();
        page->grab().save(folder + "/contactstab-style-" + name + ".png");
    }
    auto page = f.page();
    page->show();
    page->setCardShown(false);
    page->selectRow(0);
    QApplication::processEvents();
    page->grab().save(folder + "/contactstab-without-card.png");
    return 0;
}
