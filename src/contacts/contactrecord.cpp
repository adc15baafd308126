#include "contactrecord.h"

#include "shared/groups.h"
#include "store/query.h"
#include "store/transaction.h"

namespace contacts {
namespace {

const QString MrX = QStringLiteral("Mr. X");

// Parameter and column names alike.
const QString P_ragsoc = QStringLiteral("ragsoc");
const QString P_indirizzo = QStringLiteral("indirizzo");
const QString P_tel = QStringLiteral("tel");
const QString P_fax = QStringLiteral("fax");
const QString P_email = QStringLiteral("email");
const QString P_note = QStringLiteral("note");
const QString P_gruppo = QStringLiteral("gruppo");
const QString P_site = QStringLiteral("site");
const QString P_company = QStringLiteral("company");
const QString P_mobile = QStringLiteral("mobile");
const QString P_allegato = QStringLiteral("allegato");
const QString P_allegato2 = QStringLiteral("allegato2");
const QString P_allegato3 = QStringLiteral("allegato3");
const QString P_foto = QStringLiteral("foto");
const QString P_skype = QStringLiteral("skype");

QStringList lines(std::initializer_list<const char*> texts)
{
    QStringList out;
    for (const char* text : texts)
        out.append(QString::fromLatin1(text));
    return out;
}

void bind(store::Query& q, const ContactFields& f)
{
    q.setText(P_ragsoc, nameAsStored(f.name));
    q.setText(P_indirizzo, f.address);
    q.setText(P_tel, f.phone);
    q.setText(P_fax, f.fax);
    q.setText(P_email, f.email);
    q.setText(P_note, f.note);
    q.setText(P_gruppo, f.group);
    q.setText(P_site, f.site);
    q.setText(P_company, f.company);
    q.setText(P_mobile, f.mobile);
    q.setText(P_allegato, f.attachment1);
    q.setText(P_allegato2, f.attachment2);
    q.setText(P_allegato3, f.attachment3);
    q.setText(P_foto, f.photo);
    q.setText(P_skype, f.skype);
}

void ensureGroup(store::Database& db, const QString& group)
{
    if (!group.isEmpty())
        shared::groups::ensure(db, u'C', group);
}

} // namespace

QString nameAsShown(const QString& typed)
{
    if (typed.isEmpty())
        return MrX;
    QString name = typed;
    if (name.front() >= u'a' && name.front() <= u'z')
        name.front() = QChar(name.front().unicode() - u'a' + u'A');
    return name;
}

QString nameAsStored(const QString& typed)
{
    return nameAsShown(typed).replace(u';', u' ');
}

QStringList insertStatement()
{
    return lines({"INSERT INTO CRcon63",
                  "(ragsoc,indirizzo,tel,fax,email,note,gruppo,site,company,mobile,allegato,"
                  "allegato2,allegato3,foto,skype)",
                  "values (:ragsoc,:indirizzo,:tel,:fax,:email,:note,:gruppo,:site,:company,"
                  ":mobile,:allegato,:allegato2,:allegato3,:foto,:skype)"});
}

QStringList updateStatement(qint64 codcon)
{
    return lines({"UPDATE CRcon63", "SET ragsoc    = :ragsoc,", "    indirizzo = :indirizzo,",
                  "    tel       = :tel,", "    fax       = :fax,", "    email     = :email,",
                  "    note      = :note,", "    gruppo    = :gruppo,", "    site      = :site,",
                  "    company   = :company,", "    mobile    = :mobile,",
                  "    allegato  = :allegato,", "    allegato2  = :allegato2,",
                  "    allegato3  = :allegato3,", "    foto  = :foto,", "    skype  = :skype"}) +
           QStringList{QStringLiteral("WHERE codcon = ") + QString::number(codcon)};
}

qint64 ContactWriter::insert(const ContactFields& fields)
{
    // A group that cannot be added must not leave the contact written: the
    // dialog stays open after the error and a second click would add it twice.
    store::Transaction transaction(m_db);
    store::Query q(m_db);
    q.setSql(insertStatement());
    bind(q, fields);
    q.execSql();
    const qint64 codcon = q.insertedKey();
    ensureGroup(m_db, fields.group);
    transaction.commit();
    return codcon;
}

bool ContactWriter::update(qint64 codcon, const ContactFields& fields)
{
    store::Transaction transaction(m_db);
    store::Query q(m_db);
    q.setSql(updateStatement(codcon));
    bind(q, fields);
    q.execSql();
    if (q.rowsAffected() == 0)
        return false;
    ensureGroup(m_db, fields.group);
    transaction.commit();
    return true;
}

std::optional<ContactFields> ContactWriter::load(qint64 codcon)
{
    store::Query q(m_db);
    q.setSql({QStringLiteral("SELECT * FROM CRcon63 WHERE codcon = ") + QString::number(codcon)});
    q.open();
    if (q.isEmpty())
        return std::nullopt;
    const auto text = [&q](const QString& column) { return q.fieldByName(column).asString(); };
    ContactFields f;
    f.group = text(P_gruppo);
    f.name = text(P_ragsoc);
    f.address = text(P_indirizzo);
    f.phone = text(P_tel);
    f.fax = text(P_fax);
    f.email = text(P_email);
    f.note = text(P_note);
    f.site = text(P_site);
    f.company = text(P_company);
    f.mobile = text(P_mobile);
    f.attachment1 = text(P_allegato);
    f.attachment2 = text(P_allegato2);
    f.attachment3 = text(P_allegato3);
    f.skype = text(P_skype);
    f.photo = text(P_foto);
    return f;
}

} // namespace contacts
