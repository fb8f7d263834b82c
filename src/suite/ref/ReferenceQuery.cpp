#include "suite/ref/ReferenceQuery.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/ref/ReferenceFilter.h"
#include "suite/ref/ReferenceValue.h"

namespace suite {

namespace {

QString where(const QStringList &conditions)
{
    return conditions.isEmpty() ? QString() : QStringLiteral(" where ") + conditions.join(u" and ");
}

} // namespace

ReferenceQuery::ReferenceQuery(ReferenceDefinition reference, ReferenceSettings settings)
    : m_reference(std::move(reference))
    , m_settings(std::move(settings))
{ }

bool ReferenceQuery::setConditions(const QString &conditionXml, const QString &filter,
                                   QString &sMsg)
{
    ReferenceParameters parameters;
    if (!readReferenceConditions(conditionXml, parameters, sMsg))
        return false;
    m_parameters = parameters;
    m_filter = filter.trimmed();
    return true;
}

void ReferenceQuery::setSearch(const QString &text, Match match)
{
    m_search = text.trimmed();
    m_match = match;
}

bool ReferenceQuery::statement(QString &sql, QString &sMsg) const
{
    QStringList conditions;
    if (!whereClause(conditions, sMsg))
        return false;
    const QString search = searchCondition();
    if (!search.isEmpty())
        conditions.append(search);
    sql = QStringLiteral("select %1.* from %1").arg(m_reference.table) + where(conditions)
        + QStringLiteral(" order by ") + m_reference.orderBy();
    return true;
}

bool ReferenceQuery::exactStatement(const QString &value, QString &sql, QString &sMsg) const
{
    QStringList conditions;
    if (!whereClause(conditions, sMsg))
        return false;
    conditions.append(m_reference.qualified(returnColumnOf(m_reference, m_settings)) + u'='
                      + sqlUnicode(value));
    sql = QStringLiteral("select top 2 %1.* from %1").arg(m_reference.table) + where(conditions)
        + QStringLiteral(" order by ") + m_reference.orderBy();
    return true;
}

bool ReferenceQuery::readPage(IClsCommon &service, ReferencePage &page, QString &sMsg) const
{
    QString sql;
    if (!statement(sql, sMsg))
        return false;
    int size = page.size;
    int current = page.page;
    int count = 0;
    RecordSet rows;
    bool bFlag = false;
    if (!service.OpenPage(sql, size, current, count, rows, sMsg, bFlag) || !rows.IsOpen()) {
        if (sMsg.isEmpty())
            sMsg = service.LastError();
        return false;
    }
    page.size = size;
    page.page = current;
    page.pageCount = count;
    page.rows = rows;
    return true;
}

bool ReferenceQuery::readExact(IClsCommon &service, const QString &value, RecordSet &rows,
                               QString &sMsg) const
{
    QString sql;
    if (!exactStatement(value, sql, sMsg))
        return false;
    RecordSet read = service.OpenX(sql);
    if (!read.IsOpen()) {
        sMsg = service.LastError();
        return false;
    }
    rows = read;
    return true;
}

bool ReferenceQuery::whereClause(QStringList &conditions, QString &sMsg) const
{
    for (const QString &filter : { m_settings.filterSql, m_filter }) {
        if (filter.isEmpty())
            continue;
        QString condition;
        if (!expandReferenceFilter(filter, m_reference, m_parameters, condition, sMsg))
            return false;
        conditions.append(u'(' + condition.trimmed() + u')');
    }
    return true;
}

QString ReferenceQuery::searchCondition() const
{
    if (m_search.isEmpty())
        return QString();
    const QString test = m_match == Match::StartsWith ? QStringLiteral("=1") : QStringLiteral(">0");
    const QString text = QStringLiteral("upper(") + sqlUnicode(m_search) + u')';
    QStringList columns{ m_reference.codeColumn };
    if (m_reference.nameColumn.compare(m_reference.codeColumn, Qt::CaseInsensitive) != 0)
        columns.append(m_reference.nameColumn);
    QStringList tests;
    for (const QString &column : columns) {
        tests.append(
            QStringLiteral("charindex(%1, upper(%2))").arg(text, m_reference.qualified(column))
            + test);
    }
    return u'(' + tests.join(QStringLiteral(" or ")) + u')';
}

} // namespace suite
