#include "groupfilter.h"

#include "platform/prompter.h"
#include "shared/groups.h"
#include "store/settings.h"

#include <QCollator>
#include <QComboBox>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace shared::ui {
namespace {

struct SectionFilter
{
    char letter;
    int maxLength;
    const char* combo;
    const char* insert;
    const char* remove;
    const char* clear;
    QString (store::Settings::*remembered)() const;
    void (store::Settings::*remember)(const QString&);
};

constexpr SectionFilter sections[] = {
    {'C', 50, "ComboBox_Contact_Group", "SpeedButton_AddGroup", "SpeedButtonDelGroup",
     "SpeedButtonClearGroup", &store::Settings::memGroupContact,
     &store::Settings::writeMemGroupContact},
    {'N', 30, "ComboBox_Note_Group", "SpeedButtonAddGroup_Note", "SpeedButtonDelGroup_Note",
     "SpeedButtonClearGroupNote", &store::Settings::memGroupNote,
     &store::Settings::writeMemGroupNote},
    {'L', 50, "ComboBox_List_Group", "SpeedButton11", "SpeedButtonDelGroup_Lista",
     "SpeedButtonClearGroupList", &store::Settings::memGroupList,
     &store::Settings::writeMemGroupList},
};

const SectionFilter& sectionFilter(QChar letter)
{
    for (const SectionFilter& s : sections) {
        if (letter.toUpper() == QLatin1Char(s.letter))
            return s;
    }
    Q_ASSERT_X(false, "GroupFilter", "a section without groups");
    return sections[0];
}

void nameIfUnnamed(QObject* object, const char* name)
{
    if (object && object->objectName().isEmpty())
        object->setObjectName(QString::fromLatin1(name));
}

} // namespace

GroupFilter::Widgets GroupFilter::buildWidgets(QChar section, QWidget* parent)
{
    const SectionFilter& s = sectionFilter(section);
    Widgets w;
    w.combo = new QComboBox(parent);
    w.insert = new QToolButton(parent);
    w.remove = new QToolButton(parent);
    w.clear = new QToolButton(parent);
    nameIfUnnamed(w.combo, s.combo);
    nameIfUnnamed(w.insert, s.insert);
    nameIfUnnamed(w.remove, s.remove);
    nameIfUnnamed(w.clear, s.clear);
    return w;
}

GroupFilter::GroupFilter(QChar section, Widgets widgets, store::Database& db,
                         store::Settings& settings, platform::Prompter& prompter, QObject* parent)
    : QObject(parent), m_section(section.toUpper()), m_widgets(widgets), m_db(db),
      m_settings(settings), m_prompter(prompter)
{
    const SectionFilter& s = sectionFilter(m_section);
    nameIfUnnamed(m_widgets.combo, s.combo);
    nameIfUnnamed(m_widgets.insert, s.insert);
    nameIfUnnamed(m_widgets.remove, s.remove);
    nameIfUnnamed(m_widgets.clear, s.clear);

    QComboBox* combo = m_widgets.combo;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // Completing inline would swap the typed letters for a whole name, and the
    // section filters by the letters as typed.
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(9);
    combo->setToolTip(QStringLiteral("Filter by group"));
    combo->lineEdit()->setMaxLength(s.maxLength);
    combo->setEditText(QString());

    connect(combo, &QComboBox::editTextChanged, this, &GroupFilter::edited);
    connect(combo, &QComboBox::activated, this, &GroupFilter::chosen);
    connect(m_widgets.insert, &QAbstractButton::clicked, this, &GroupFilter::insertGroup);
    connect(m_widgets.remove, &QAbstractButton::clicked, this, &GroupFilter::deleteGroup);
    connect(m_widgets.clear, &QAbstractButton::clicked, this, &GroupFilter::clearGroup);

    m_widgets.clear->setEnabled(false);
    reload();
}

QString GroupFilter::text() const
{
    return m_widgets.combo->currentText();
}

QStringList GroupFilter::names() const
{
    QStringList out;
    out.reserve(m_widgets.combo->count());
    for (int i = 0; i < m_widgets.combo->count(); ++i)
        out.append(m_widgets.combo->itemText(i));
    return out;
}

void GroupFilter::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_widgets.insert->setVisible(!readOnly);
    m_widgets.remove->setVisible(!readOnly);
}

void GroupFilter::reload()
{
    QStringList names = groups::load(m_db, m_section);
    // Names sort as the user reads them: by the locale, letter case aside.
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(names.begin(), names.end(), [&](const QString& a, const QString& b) {
        return collator.compare(a, b) < 0;
    });

    const QString kept = text();
    m_quiet = true;
    m_widgets.combo->clear();
    m_widgets.combo->addItems(names);
    m_widgets.combo->setCurrentIndex(names.indexOf(kept));
    m_widgets.combo->setEditText(kept);
    m_quiet = false;
    m_widgets.remove->setEnabled(!names.isEmpty());
}

void GroupFilter::restore()
{
    const SectionFilter& s = sectionFilter(m_section);
    putText((m_settings.*s.remembered)());
    m_widgets.clear->setEnabled(!text().isEmpty());
    emit filterChanged();
}

void GroupFilter::setFilterText(const QString& text)
{
    putText(text);
    edited();
}

void GroupFilter::insertGroup()
{
    settle();
    if (m_readOnly)
        return;
    const QString name = text();
    if (!m_prompter.ask(QStringLiteral("Insert group \"") + name + QStringLiteral("\"?"),
                        platform::Prompter::Kind::Question, platform::applicationTitle()))
        return;
    groups::ensure(m_db, m_section, name);
    reload();
    applyChange();
}

void GroupFilter::deleteGroup()
{
    settle();
    if (m_readOnly)
        return;
    const QString name = text();
    if (!m_prompter.ask(QStringLiteral("Delete group \"") + name + QStringLiteral("\"?"),
                        platform::Prompter::Kind::Question, platform::applicationTitle()))
        return;
    groups::removeExact(m_db, m_section, name);
    reload();
    putText(QString());
    applyChange();
}

void GroupFilter::clearGroup()
{
    settle();
    putText(QString());
    applyChange();
}

void GroupFilter::edited()
{
    if (m_quiet)
        return;
    settle();
    applyChange();
}

// Choosing a name from the list is what remembers it.
void GroupFilter::chosen()
{
    remember(text());
    emit filterChanged();
    m_widgets.clear->setEnabled(!text().isEmpty());
}

void GroupFilter::applyChange()
{
    const QString current = text();
    emit filterChanged();
    m_widgets.clear->setEnabled(!current.isEmpty());
    if (current.isEmpty())
        remember(current);
}

void GroupFilter::remember(const QString& text)
{
    // An empty field is stored as empty text, never as a null column.
    const QString stored = text.isNull() ? QStringLiteral("") : text;
    (m_settings.*sectionFilter(m_section).remember)(stored);
}

void GroupFilter::putText(const QString& text)
{
    m_quiet = true;
    m_widgets.combo->setEditText(text);
    m_quiet = false;
}

void GroupFilter::settle()
{
    if (m_beforeAction)
        m_beforeAction();
}

} // namespace shared::ui
