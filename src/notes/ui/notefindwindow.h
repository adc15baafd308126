#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace notes::ui {

// The modeless find window of the notes editor: a text and "Find next".
// No case, whole-word or direction choices: the editor always searches
// forward with a to z folded.
class NoteFindWindow final : public QWidget
{
    Q_OBJECT
public:
    explicit NoteFindWindow(QWidget* parent = nullptr);
    QString searched() const;
    void setSearched(const QString& text);

signals:
    void findNext(const QString& searched);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* m_text = nullptr;
    QPushButton* m_next = nullptr;
};

} // namespace notes::ui
