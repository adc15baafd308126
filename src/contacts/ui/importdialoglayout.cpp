// How the import dialog's widgets are laid out; what they do is in
// importdialog.cpp.
#include "importdialog.h"
#include "importpreviewmodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>

namespace contacts::ui {
namespace {

struct PickerRow
{
    const char* label;
    std::array<const char*, 3> names;
};

constexpr std::array<PickerRow, ImportFieldCount> PickerRows = {{
    {"Name", {"ComboBox_ragsoc", "ComboBox_cognome", "ComboBox_soprannome"}},
    {"Società", {"ComboBox_company", "ComboBox_company2", "ComboBox_company3"}},
    {"Phone", {"ComboBox_tel", "ComboBox_tel2", "ComboBox_tel3"}},
    {"Mobile", {"ComboBox_mobile", "ComboBox_mobile2", "ComboBox_mobile3"}},
    {"Skype", {"ComboBox_skype", "ComboBox_skype2", "ComboBox_skype3"}},
    {"Fax", {"ComboBox_fax", "ComboBox_fax2", "ComboBox_fax3"}},
    {"E-mail", {"ComboBox_email", "ComboBox_email2", "ComboBox_email3"}},
    {"Web", {"ComboBox_site", "ComboBox_site2", "ComboBox_site3"}},
    {"Address", {"ComboBox_indirizzo", "ComboBox_indirizzo2", "ComboBox_indirizzo3"}},
    {"Note", {"ComboBox_note", "ComboBox_note2", "ComboBox_note3"}},
    {"Group", {"ComboBox_gruppo", "ComboBox_gruppo2", "ComboBox_gruppo3"}},
}};

QPushButton* barButton(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

QWidget* ImportDialog::buildTitle()
{
    m_titlePanel = named(new QWidget(this), "PanelTitolo");
    auto* row = new QHBoxLayout(m_titlePanel);
    row->setContentsMargins(6, 4, 6, 4);
    auto* title = new QLabel(QStringLiteral("Import contacts"), m_titlePanel);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAttribute(Qt::WA_TransparentForMouseEvents);
    row->addWidget(title, 1);
    return m_titlePanel;
}

QWidget* ImportDialog::buildStepOne()
{
    m_stepOne = named(new QWidget(this), "PanelStep1");
    m_stepOne->setAutoFillBackground(true);
    auto* grid = new QGridLayout(m_stepOne);
    auto* file = barButton(m_stepOne, "ButtonFile", QStringLiteral("File"));
    connect(file, &QPushButton::clicked, this, &ImportDialog::chooseFile);
    grid->addWidget(file, 0, 0);
    m_fileName = named(new QLineEdit(m_stepOne), "EditFileName");
    m_fileName->setReadOnly(true);
    grid->addWidget(m_fileName, 0, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("Delimiter"), m_stepOne), 1, 0);
    m_delimiter = named(new QComboBox(m_stepOne), "ComboBoxDelimiter");
    m_delimiter->addItems({QStringLiteral(";"), QStringLiteral(","), QStringLiteral("|"),
                           QStringLiteral("#"), QStringLiteral("*")});
    grid->addWidget(m_delimiter, 1, 1);
    m_loadGauge = named(new QProgressBar(m_stepOne), "ProgressBarLoad");
    m_loadGauge->setTextVisible(false);
    grid->addWidget(m_loadGauge, 1, 2);
    m_status = named(new QLabel(m_stepOne), "LabelStatus");
    grid->addWidget(m_status, 1, 3);
    m_previewModel = new ImportPreviewModel(this);
    m_preview = named(new QTableView(m_stepOne), "StringGridImportPreview");
    m_preview->setModel(m_previewModel);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);
    m_preview->horizontalHeader()->setDefaultSectionSize(120);
    grid->addWidget(m_preview, 2, 0, 1, 4);
    m_previewHint = named(new QLabel(QStringLiteral("Inspect the preview below: If the data are "
                                                    "not stacked properly try changing the "
                                                    "delimiter."),
                                     m_stepOne),
                          "LabelPreviewHint");
    m_previewHint->setVisible(false);
    grid->addWidget(m_previewHint, 3, 0, 1, 4);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(3, 1);
    return m_stepOne;
}

QWidget* ImportDialog::buildStepTwo()
{
    m_stepTwo = named(new QWidget(this), "PanelStep2");
    m_stepTwo->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(m_stepTwo);
    row->addWidget(buildMapping(), 1);
    auto* right = new QVBoxLayout;
    right->addWidget(buildOptions(), 1);
    right->addWidget(buildReport());
    row->addLayout(right);
    return m_stepTwo;
}

QWidget* ImportDialog::buildMapping()
{
    auto* box = new QGroupBox(QStringLiteral(" Combines CO fields with FILE fields "), m_stepTwo);
    auto* grid = new QGridLayout(box);
    for (int f = 0; f < ImportFieldCount; ++f) {
        const PickerRow& r = PickerRows[size_t(f)];
        auto* label = new QLabel(QString::fromUtf8(r.label), box);
        if (f == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        grid->addWidget(label, f, 0, Qt::AlignRight);
        for (int part = 0; part < 3; ++part) {
            auto* picker = named(new QComboBox(box), r.names[size_t(part)]);
            picker->setMinimumContentsLength(12);
            picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            m_pickers[size_t(f)][size_t(part)] = picker;
            if (part > 0) {
                auto* plus = new QLabel(QStringLiteral("+"), box);
                grid->addWidget(plus, f, 2 * part);
                m_extraParts << plus << picker;
            }
            grid->addWidget(picker, f, 2 * part + 1);
        }
    }
    m_concatenate =
        barButton(box, "ButtonConcatena", QStringLiteral("Concatenate other fields >>"));
    connect(m_concatenate, &QPushButton::clicked, this, &ImportDialog::toggleConcatenate);
    grid->addWidget(m_concatenate, ImportFieldCount, 1);
    grid->setRowStretch(ImportFieldCount + 1, 1);
    for (QWidget* w : m_extraParts)
        w->setVisible(false);
    return box;
}

QWidget* ImportDialog::buildOptions()
{
    auto* box = new QGroupBox(QStringLiteral(" Options "), m_stepTwo);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Mode"), box), 0, 0);
    m_mode = named(new QComboBox(box), "ComboBoxModalita");
    m_mode->addItems({QStringLiteral("Skip duplicates"), QStringLiteral("Update existing"),
                      QStringLiteral("Create new"), QStringLiteral("Data integration")});
    grid->addWidget(m_mode, 0, 1);
    m_modeText = named(new QPlainTextEdit(box), "MemoModalita");
    m_modeText->setReadOnly(true);
    m_modeText->setMaximumHeight(90);
    grid->addWidget(m_modeText, 1, 0, 1, 2);
    m_skipFirst =
        named(new QCheckBox(
                  QStringLiteral("Do not import the first line of the file (field names)"), box),
              "CheckBoxSaltaPrima");
    grid->addWidget(m_skipFirst, 2, 0, 1, 2);
    m_deleteAll = named(new QCheckBox(QStringLiteral("Delete all contacts already entered before "
                                                     "importing the new"),
                                      box),
                        "CheckBoxDelete");
    grid->addWidget(m_deleteAll, 3, 0, 1, 2);
    m_addGroup = named(new QCheckBox(QStringLiteral("Add group"), box), "CheckBox_AssegnaGruppo");
    grid->addWidget(m_addGroup, 4, 0);
    m_group = named(new QComboBox(box), "ComboBox_Contact_Group");
    m_group->setEditable(true);
    m_group->setInsertPolicy(QComboBox::NoInsert);
    m_group->lineEdit()->setMaxLength(50);
    m_group->setEnabled(false);
    grid->addWidget(m_group, 4, 1);
    return box;
}

QWidget* ImportDialog::buildReport()
{
    auto* box = new QGroupBox(QStringLiteral(" Report "), m_stepTwo);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("Progress"), box), 0, 0);
    m_gauge = named(new QProgressBar(box), "ProgressBarImport");
    grid->addWidget(m_gauge, 0, 1, 1, 2);
    m_reportTitle = named(new QLabel(box), "LabelReportTitle");
    grid->addWidget(m_reportTitle, 1, 0, 1, 2);
    m_counter = named(new QLabel(box), "LabelCounter");
    m_counter->setAlignment(Qt::AlignCenter);
    m_counter->setMinimumWidth(80);
    m_counter->setAutoFillBackground(true);
    QFont bold = m_counter->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    m_counter->setFont(bold);
    grid->addWidget(m_counter, 1, 2);
    return box;
}

QWidget* ImportDialog::buildButtons()
{
    m_buttonBar = named(new QWidget(this), "PanelBottoni");
    auto* row = new QHBoxLayout(m_buttonBar);
    row->setContentsMargins(4, 4, 4, 4);
    m_close = barButton(m_buttonBar, "ButtonClose", QStringLiteral("Close"));
    row->addWidget(m_close);
    row->addStretch(1);
    m_back = barButton(m_buttonBar, "ButtonBack", QStringLiteral("<< Back"));
    row->addWidget(m_back);
    m_next = barButton(m_buttonBar, "ButtonNext", QStringLiteral("Next >>"));
    row->addWidget(m_next);
    m_import = barButton(m_buttonBar, "ButtonImport", QStringLiteral("Import!"));
    row->addWidget(m_import);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_back, &QPushButton::clicked, this, &ImportDialog::back);
    connect(m_next, &QPushButton::clicked, this, &ImportDialog::next);
    connect(m_import, &QPushButton::clicked, this, &ImportDialog::runImport);
    return m_buttonBar;
}

} // namespace contacts::ui
