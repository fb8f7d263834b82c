#pragma once

#include <QString>

#include <memory>

class QTabWidget;
class QWidget;

namespace suite {
class PlugInCollection;
class RecordSet;
} // namespace suite

namespace customer {

// The archive plug-ins of one card and what the card tells them, in the order the plug-ins
// rely on. The collection is loaded on the first record shown, unless the list handed its own;
// nothing is loaded or called in web mode.
class CardPlugIns
{
public:
    const std::shared_ptr<suite::PlugInCollection> &collection() const { return m_plugIns; }
    void setCollection(const std::shared_ptr<suite::PlugInCollection> &plugIns);

    // The result of the last plug-in's Init: tab changes reach the plug-ins only while it holds.
    bool m_bPlugInOk = false;

    // A record is shown in state (1 add, 2 modify, above 10 view): every plug-in gets Init with
    // the record's code (none for a new customer) and the record set, which a plug-in may
    // replace for those after it; one that says no has its controls unloaded, the others are
    // started and load their controls onto the card and its tabs.
    void start(int state, suite::RecordSet &rs, QWidget *card, QTabWidget *tabs);
    void tabChanged(int newIndex, int previousIndex);
    // The XML a sub-record dialog of the card gave back.
    void dataChanged(const QString &xml);
    // The card unloads: every plug-in unloads its controls and the card lets go of them.
    void unload();

private:
    bool inUse() const;

    std::shared_ptr<suite::PlugInCollection> m_plugIns;
};

} // namespace customer
