#include "suite/controls/ToolbarSetStore.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace suite {

namespace {

QString setCondition(const QString &cSubSysId, const QString &cSetName, const QString &cUserId)
{
    return QStringLiteral("cSubSysId=%1 and cToolbarSet=%2 and cUser_Id=%3")
        .arg(sqlUnicode(cSubSysId), sqlUnicode(cSetName), sqlUnicode(cUserId));
}

} // namespace

ToolbarSetStore::ToolbarSetStore(IClsCommon &service)
    : m_service(service)
{ }

bool ToolbarSetStore::read(const QString &cSubSysId, const QString &cSetName,
                           const QString &cUserId, QList<ToolbarSetEntry> &entries, QString &sMsg)
{
    if (!readOf(cSubSysId, cSetName, cUserId, entries, sMsg))
        return false;
    if (entries.isEmpty() && !cUserId.isEmpty())
        return readOf(cSubSysId, cSetName, QString(), entries, sMsg);
    return true;
}

bool ToolbarSetStore::readOf(const QString &cSubSysId, const QString &cSetName,
                             const QString &cUserId, QList<ToolbarSetEntry> &entries, QString &sMsg)
{
    entries.clear();
    const RecordSet rows = m_service.OpenX(
        QStringLiteral("select cButtonKey, bVisible from AA_ToolbarSet where ")
        + setCondition(cSubSysId, cSetName, cUserId) + QStringLiteral(" order by iOrder"));
    if (!rows.IsOpen()) {
        sMsg = m_service.LastError();
        return false;
    }
    for (int row = 0; row < rows.RecordCount(); ++row)
        entries.append(
            { rows.valueAt(row, 0).toString().trimmed(), rows.valueAt(row, 1).toBool() });
    return true;
}

bool ToolbarSetStore::save(const QString &cSubSysId, const QString &cSetName,
                           const QString &cUserId, const QList<ToolbarSetEntry> &entries,
                           QString &sMsg)
{
    if (!m_service.m_cnn().BeginTrans()) {
        sMsg = m_service.LastError();
        return false;
    }
    if (replace(cSubSysId, cSetName, cUserId, entries) && m_service.m_cnn().CommitTrans())
        return true;
    sMsg = m_service.LastError();
    m_service.m_cnn().RollbackTrans();
    return false;
}

bool ToolbarSetStore::replace(const QString &cSubSysId, const QString &cSetName,
                              const QString &cUserId, const QList<ToolbarSetEntry> &entries)
{
    if (!m_service.ExecuteX(QStringLiteral("delete from AA_ToolbarSet where ")
                            + setCondition(cSubSysId, cSetName, cUserId)))
        return false;
    for (int order = 0; order < entries.size(); ++order) {
        const ToolbarSetEntry &entry = entries.at(order);
        const QString insert =
            QStringLiteral("insert into AA_ToolbarSet (cSubSysId, cToolbarSet, cUser_Id,"
                           " cButtonKey, iOrder, bVisible) values (%1, %2, %3, %4, %5, %6)")
                .arg(sqlUnicode(cSubSysId), sqlUnicode(cSetName), sqlUnicode(cUserId),
                     sqlUnicode(entry.key), QString::number(order + 1),
                     entry.visible ? QStringLiteral("1") : QStringLiteral("0"));
        if (!m_service.ExecuteX(insert))
            return false;
    }
    return true;
}

} // namespace suite
