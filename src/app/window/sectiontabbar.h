#pragma once

#include <QTabBar>

namespace app {

// The tab strip of the nine sections, each tab drawn in its section's colour.
class SectionTabBar final : public QTabBar
{
    Q_OBJECT
public:
    explicit SectionTabBar(QWidget* parent = nullptr);

    void setTabColour(int index, unsigned rgb);
    // With a section tab hidden the strip falls back to the plain style.
    void setColoured(bool coloured);

protected:
    void paintEvent(QPaintEvent* event) override;
    QSize tabSizeHint(int index) const override;

private:
    bool m_coloured = true;
};

} // namespace app
