#include "suite/plugin/GuardedArchivePlugIn.h"

#include "suite/core/ErrorLog.h"

#include <exception>

namespace suite {

GuardedArchivePlugIn::GuardedArchivePlugIn(QString name, std::shared_ptr<IArchivePlugIn> plugIn)
    : m_name(std::move(name))
    , m_plugIn(std::move(plugIn))
{ }

bool GuardedArchivePlugIn::guarded(const char *member, const std::function<void()> &call) const
{
    const QString where = QStringLiteral("ArchivePlugIn %1").arg(m_name);
    try {
        call();
        return true;
    } catch (const std::exception &error) {
        ErrorLog::instance().error(
            where,
            QStringLiteral("%1 failed: %2")
                .arg(QLatin1StringView(member), QString::fromLocal8Bit(error.what())));
    } catch (...) {
        ErrorLog::instance().error(
            where,
            QStringLiteral("%1 failed with an unknown exception.").arg(QLatin1StringView(member)));
    }
    return false;
}

void GuardedArchivePlugIn::SetTarnArchiveDbSrv(std::shared_ptr<IClsCommon> oDbSrv)
{
    guarded("SetTarnArchiveDbSrv", [&] { m_plugIn->SetTarnArchiveDbSrv(std::move(oDbSrv)); });
}

bool GuardedArchivePlugIn::Init(QString &cCode, RecordSet &rs, std::shared_ptr<ILogin> oLogin)
{
    QString code = cCode;
    RecordSet returned = rs;
    bool accepted = false;
    if (!guarded("Init", [&] { accepted = m_plugIn->Init(code, returned, std::move(oLogin)); }))
        return false;
    cCode = code;
    if (rs.IsOpen() && !returned.IsOpen()) {
        ErrorLog::instance().warning(
            QStringLiteral("ArchivePlugIn %1").arg(m_name),
            QStringLiteral("Init handed back a closed record set; the card keeps its own."));
    } else {
        rs = returned;
    }
    return accepted;
}

void GuardedArchivePlugIn::StartAdd()
{
    guarded("StartAdd", [&] { m_plugIn->StartAdd(); });
}

void GuardedArchivePlugIn::StartModify()
{
    guarded("StartModify", [&] { m_plugIn->StartModify(); });
}

void GuardedArchivePlugIn::LoadPlugInControls(QWidget *card, QTabWidget *tabs, qint16 reserved1,
                                              qint16 reserved2, qint16 reserved3, qint16 reserved4)
{
    guarded("LoadPlugInControls", [&] {
        m_plugIn->LoadPlugInControls(card, tabs, reserved1, reserved2, reserved3, reserved4);
    });
}

void GuardedArchivePlugIn::UnLoadPlugInControls()
{
    guarded("UnLoadPlugInControls", [&] { m_plugIn->UnLoadPlugInControls(); });
}

void GuardedArchivePlugIn::TabPageChanged(qint16 newIndex, qint16 previousIndex)
{
    guarded("TabPageChanged", [&] { m_plugIn->TabPageChanged(newIndex, previousIndex); });
}

void GuardedArchivePlugIn::TarnArchiveDataChanged(const QString &xml)
{
    guarded("TarnArchiveDataChanged", [&] { m_plugIn->TarnArchiveDataChanged(xml); });
}

void GuardedArchivePlugIn::setCurrentState(qint16 state)
{
    guarded("CurrentState", [&] { m_plugIn->setCurrentState(state); });
}

} // namespace suite
