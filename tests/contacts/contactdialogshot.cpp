// The Modify Contact dialog with a picture and a linked birthday, shown for
// looking at on a real display; not run by CTest. Argument: seconds to stay.
#include "../calendar/ui/dialogs/dialogfixture.h"
#include "contacts/birthdays.h"
#include "contacts/ui/contactdialog.h"

#include <QPainter>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    DialogFixture f;
    QDir().mkpath(f.state.programFolder + "/pics");
    QImage photo(300, 400, QImage::Format_RGB32);
    QPainter p(&photo);
    QLinearGradient sky(0, 0, 0, 400);
    sky.setColorAt(0, QColor(120, 170, 230));
    sky.setColorAt(1, QColor(230, 240, 250));
    p.fillRect(photo.rect(), sky);
    p.setBrush(QColor(240, 200, 160));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRect(90, 80, 120, 150));
    p.setBrush(QColor(60, 90, 140));
    p.drawRoundedRect(QRect(50, 240, 200, 200), 60, 60);
    p.end();
    photo.save(f.state.programFolder + "/pics/anna.jpg", "JPEG");

    contacts::ContactFields c;
    c.name = "Anna Rossi";
    c.company = "Rossi & Figli";
    c.group = "Family";
    c.phone = "06 1234567, 06 7654321";
    c.mobile = "333 1234567";
    c.email = "anna@example.com";
    c.site = "http://example.com";
    c.address = "Via Roma 1\n00100 Roma";
    c.note = "Likes tulips.";
    c.attachment2 = "mailto:anna@example.com";
    c.photo = "C:\\Foto\\anna.jpg"; // moved into pics since
    const qint64 codcon = contacts::ContactWriter(f.db).insert(c);
    calendar::TaskDraft birthday = draftOn(QDate(1985, 4, 12), "Birthday of Anna Rossi");
    birthday.linkedContact = codcon;
    f.add("Y", birthday);

    contacts::ui::TModConForm dialog(f.deps, {{"Family", "Work"}, {}}, codcon,
                                     *contacts::ContactWriter(f.db).load(codcon));
    dialog.move(200, 100);
    dialog.show();
    QTimer::singleShot((argc > 1 ? QByteArray(argv[1]).toInt() : 5) * 1000, &app,
                       &QApplication::quit);
    return app.exec();
}
