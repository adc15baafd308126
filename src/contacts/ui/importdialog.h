#pragma once

#include "contacts/contactimport.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTableView;

namespace shared {
struct Services;
}
namespace store {
class Database;
class Settings;
} // namespace store

namespace contacts::ui {

class ImportPreviewModel;

// The contact import dialog (TImportContactForm): step 1 chooses the file and
// its delimiter and previews it; step 2 maps the file's columns to the
// contact fields, sets the mode and options, and imports with a report.
class ImportDialog final : public QDialog
{
    Q_OBJECT
public:
    ImportDialog(store::Database& db, store::Settings& settings, shared::Services& services,
                 QWidget* parent = nullptr);
    ~ImportDialog() override;

    // "File": asks for a file and loads it.
    void chooseFile();
    // Reads `path` with the chosen delimiter into the preview and the pickers.
    void load(const QString& path);
    void next(); // "Next >>"
    void back(); // "<< Back"
    // "Import!". Engine errors undo the whole import and reach the caller.
    void runImport();
    void toggleConcatenate();

    // The pickers: field `f`, part 0 to 2.
    QComboBox* picker(ImportField f, int part) const { return m_pickers[size_t(f)][size_t(part)]; }
    ImportMapping mapping() const;
    ImportOptions options() const;
    const QList<CsvRecord>& records() const { return m_records; }
    QWidget* currentStep() const;

signals:
    // An import ran (completely or stopped): the address book and its groups
    // may have changed.
    void contactsImported(bool groupAdded);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildTitle();
    QWidget* buildStepOne();
    QWidget* buildStepTwo();
    QWidget* buildMapping();
    QWidget* buildOptions();
    QWidget* buildReport();
    QWidget* buildButtons();
    void paint();
    void fillPickers(const QStringList& header);
    void resetReport();
    void showMode();
    void updateButtons();
    bool importProgress(int record, int written);

    store::Database& m_db;
    store::Settings& m_settings;
    shared::Services& m_services;
    QList<CsvRecord> m_records;
    QString m_path;
    QString m_imported; // the file imported last while the dialog is open
    bool m_importing = false;
    bool m_stopRequested = false;
    qint64 m_lastEvents = 0; // when window events last ran during an import

    QWidget* m_titlePanel = nullptr;
    QWidget* m_buttonBar = nullptr;
    QStackedWidget* m_steps = nullptr;
    QWidget* m_stepOne = nullptr;
    QWidget* m_stepTwo = nullptr;
    QLineEdit* m_fileName = nullptr;
    QComboBox* m_delimiter = nullptr;
    QProgressBar* m_loadGauge = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_preview = nullptr;
    ImportPreviewModel* m_previewModel = nullptr;
    QLabel* m_previewHint = nullptr;
    std::array<std::array<QComboBox*, 3>, ImportFieldCount> m_pickers{};
    QList<QWidget*> m_extraParts; // the second and third pickers with their "+"
    QPushButton* m_concatenate = nullptr;
    QComboBox* m_mode = nullptr;
    QPlainTextEdit* m_modeText = nullptr;
    QCheckBox* m_skipFirst = nullptr;
    QCheckBox* m_deleteAll = nullptr;
    QCheckBox* m_addGroup = nullptr;
    QComboBox* m_group = nullptr;
    QProgressBar* m_gauge = nullptr;
    QLabel* m_reportTitle = nullptr;
    QLabel* m_counter = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_import = nullptr;
};

} // namespace contacts::ui
