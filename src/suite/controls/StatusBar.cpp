#include "suite/controls/StatusBar.h"

#include <QLabel>

namespace suite {

namespace {
const char *const kTagProperty = "panelTag";
}

StatusBar::StatusBar(int panelCount, QWidget *parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(false);
    for (int panel = 0; panel < panelCount; ++panel) {
        auto *label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        addPermanentWidget(label, panel == 0 ? 1 : 0);
        m_panels.append(label);
    }
}

QLabel *StatusBar::panelLabel(int panel) const
{
    return panel >= 1 && panel <= m_panels.size() ? m_panels.at(panel - 1) : nullptr;
}

QString StatusBar::panelText(int panel) const
{
    const QLabel *label = panelLabel(panel);
    return label ? label->text() : QString();
}

void StatusBar::setPanelText(int panel, const QString &text)
{
    if (QLabel *label = panelLabel(panel))
        label->setText(text);
}

QString StatusBar::panelTag(int panel) const
{
    const QLabel *label = panelLabel(panel);
    return label ? label->property(kTagProperty).toString() : QString();
}

void StatusBar::setPanelTag(int panel, const QString &tag)
{
    if (QLabel *label = panelLabel(panel))
        label->setProperty(kTagProperty, tag);
}

} // namespace suite
