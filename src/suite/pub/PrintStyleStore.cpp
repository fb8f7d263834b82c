#include "suite/pub/PrintStyleStore.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"

namespace suite {

namespace {

QString styleCondition(const QString &cObject, const QString &cKey)
{
    return QStringLiteral("cObject=%1 and cKey=%2")
        .arg(sqlUnicode(cObject.toLower()), sqlUnicode(cKey.toLower()));
}

} // namespace

PrintStyleStore::PrintStyleStore(IClsCommon &service)
    : m_service(service)
{ }

std::optional<PrintStyle> PrintStyleStore::read(const QString &cObject, const QString &cKey)
{
    QString sMsg;
    if (!ensureTable(sMsg))
        return std::nullopt;
    const RecordSet rows = m_service.OpenX(QStringLiteral("select cStyle from AA_PrintStyle where ")
                                           + styleCondition(cObject, cKey));
    if (!rows.IsOpen() || rows.RecordCount() == 0)
        return std::nullopt;
    return PrintStyle::fromText(rows.valueAt(0, 0).toString());
}

bool PrintStyleStore::ensureTable(QString &sMsg)
{
    if (m_service.ExecuteX(
            QStringLiteral("IF OBJECT_ID('AA_PrintStyle') IS NULL CREATE TABLE AA_PrintStyle ("
                           "cObject nvarchar(60) NOT NULL, cKey nvarchar(60) NOT NULL, "
                           "cStyle nvarchar(400) NOT NULL, PRIMARY KEY (cObject, cKey))")))
        return true;
    sMsg = m_service.LastError();
    return false;
}

bool PrintStyleStore::replace(const QString &cObject, const PrintStyle &style)
{
    return m_service.ExecuteX(QStringLiteral("delete from AA_PrintStyle where ")
                              + styleCondition(cObject, style.key))
        && m_service.ExecuteX(
            QStringLiteral("insert into AA_PrintStyle (cObject, cKey, cStyle) values (%1, %2, %3)")
                .arg(sqlUnicode(cObject.toLower()), sqlUnicode(style.key.toLower()),
                     sqlUnicode(style.toText())));
}

bool PrintStyleStore::save(const QString &cObject, const PrintStyle &style, QString &sMsg)
{
    if (!ensureTable(sMsg))
        return false;
    if (!m_service.m_cnn().BeginTrans()) {
        sMsg = m_service.LastError();
        return false;
    }
    if (replace(cObject, style) && m_service.m_cnn().CommitTrans())
        return true;
    sMsg = m_service.LastError();
    m_service.m_cnn().RollbackTrans();
    return false;
}

} // namespace suite
