#include "card/CardPlugIns.h"

#include "entry/PlugInCommon.h"
#include "entry/SessionContext.h"
#include "suite/data/RecordSet.h"
#include "suite/plugin/IArchivePlugIn.h"
#include "suite/plugin/PlugInCollection.h"

namespace customer {

namespace {

constexpr int kAdd = 1;
constexpr int kModify = 2;

} // namespace

void CardPlugIns::setCollection(const std::shared_ptr<suite::PlugInCollection> &plugIns)
{
    m_plugIns = plugIns;
}

bool CardPlugIns::inUse() const
{
    return !g_bIsWeb && m_plugIns;
}

void CardPlugIns::start(int state, suite::RecordSet &rs, QWidget *card, QTabWidget *tabs)
{
    if (g_bIsWeb || !LoadArchivePlugIns(g_oLogin, g_oSrv, m_plugIns))
        return;
    // A viewed record is named to the plug-ins as well: they show what belongs to it, but are
    // not started for a change.
    const QString code =
        state == kAdd || !rs.IsOpen() ? QString() : rs.Value(QStringLiteral("ccuscode")).toString();
    for (const auto &plugIn : m_plugIns->Items()) {
        QString cCode = code;
        m_bPlugInOk = plugIn->Init(cCode, rs, g_oLogin);
        if (!m_bPlugInOk) {
            plugIn->UnLoadPlugInControls();
            continue;
        }
        if (state == kAdd)
            plugIn->StartAdd();
        else if (state == kModify)
            plugIn->StartModify();
        plugIn->LoadPlugInControls(card, tabs, 0, 0, 0, 0);
    }
}

void CardPlugIns::tabChanged(int newIndex, int previousIndex)
{
    if (!inUse() || !m_bPlugInOk)
        return;
    for (const auto &plugIn : m_plugIns->Items())
        plugIn->TabPageChanged(qint16(newIndex), qint16(previousIndex));
}

void CardPlugIns::dataChanged(const QString &xml)
{
    if (!inUse())
        return;
    for (const auto &plugIn : m_plugIns->Items())
        plugIn->TarnArchiveDataChanged(xml);
}

void CardPlugIns::unload()
{
    if (!inUse())
        return;
    for (const auto &plugIn : m_plugIns->Items())
        plugIn->UnLoadPlugInControls();
    m_plugIns.reset();
    m_bPlugInOk = false;
}

} // namespace customer
