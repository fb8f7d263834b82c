#pragma once

#include <QStatusBar>
#include <QString>

class QLabel;

namespace suite {

// A status bar of numbered panels (1 is the first), each with its text and a tag that keeps a
// text to come back to, as the windows do while a long read shows its own message.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit StatusBar(int panelCount, QWidget *parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    // Empty for a panel that does not exist.
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString &text);
    QString panelTag(int panel) const;
    void setPanelTag(int panel, const QString &tag);

private:
    QLabel *panelLabel(int panel) const;

    QList<QLabel *> m_panels;
};

} // namespace suite
