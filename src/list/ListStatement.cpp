#include "list/ListStatement.h"

#include "catalogue/ListQuery.h"
#include "catalogue/QuickSearch.h"
#include "suite/core/SqlQuote.h"

#include <QRegularExpression>

namespace customer {

namespace {

const QString kCustomer = QStringLiteral("Customer");

// The fields a list selects: the column set's, and for the staging list its row number last.
// The default column set already ends with it; a set arranged otherwise gets it appended.
QString selectedFields(const QString &listFields, const QString &mainTable)
{
    if (mainTable == kCustomer)
        return listFields;
    const QString last = listFields.section(u',', -1).trimmed().section(u'.', -1);
    if (last.compare(u"AutoID", Qt::CaseInsensitive) == 0)
        return listFields;
    return listFields + u',' + mainTable + QStringLiteral(".AutoID");
}

QString selectPart(const QString &listFields, const QString &mainTable)
{
    return QStringLiteral("Select ") + selectedFields(listFields, mainTable)
        + QStringLiteral(" from ") + mainTable + u' ' + BuildJoinClause(listFields, mainTable);
}

} // namespace

QString classCodeOfNodeKey(const QString &nodeKey)
{
    return nodeKey.mid(1).trimmed();
}

QString qualifyCodeColumn(const QString &text, const QString &terminator, const QString &mainTable)
{
    const QString end =
        terminator.isEmpty() ? QStringLiteral("(?!\\w)") : QRegularExpression::escape(terminator);
    const QRegularExpression bareCode(QStringLiteral("(?<![.\\w])ccuscode") + end);
    QString qualified = text;
    qualified.replace(bareCode, mainTable + QStringLiteral(".cCusCode") + terminator);
    return qualified;
}

ListStatement buildListStatement(const QString &listFields, const QString &classCode,
                                 const QString &condition, const QString &order,
                                 const QString &rightsClause, const QString &quickSearch,
                                 const QString &mainTable)
{
    ListStatement statement;
    QString where =
        QStringLiteral(" where isnull(") + mainTable + QStringLiteral(".bTransFlag,0) =0 and ");
    if (!classCode.isEmpty())
        where +=
            mainTable + QStringLiteral(".cCCCode like '%1%' and ").arg(suite::sqlQuote(classCode));
    where += rightsClause;
    if (!condition.isEmpty())
        where += QStringLiteral(" and ")
            + QString(condition).replace(QStringLiteral("CCusCode"),
                                         mainTable + QStringLiteral(".cCusCode"));
    const QString searched = quickSearchCondition(quickSearch);
    if (!searched.isEmpty())
        where += QStringLiteral(" and ") + searched;

    const QString fields =
        listFields.isEmpty() ? QStringLiteral("CCusCode,CCusAbbName") : listFields;
    statement.selectList = qualifyCodeColumn(selectedFields(fields, mainTable).toLower(),
                                             QStringLiteral(","), mainTable);
    statement.joins = BuildJoinClause(fields, mainTable);
    statement.wherePart = where;
    if (!order.isEmpty()) {
        statement.orderPart = qualifyCodeColumn((QStringLiteral(" Order by ") + order).toLower(),
                                                QString(), mainTable);
    }
    // The host pages the whole statement as it is: without an order of its own the rows come
    // by customer code, as the desktop list reads them, not in the order they were stored.
    const QString fullOrder = QStringLiteral(" Order by ")
        + (order.isEmpty() ? (mainTable == kCustomer ? QStringLiteral("cCusCode")
                                                     : mainTable + QStringLiteral(".AutoID"))
                           : order);
    statement.full = qualifyCodeColumn((selectPart(listFields, mainTable) + where).toLower(),
                                       QStringLiteral(","), mainTable)
        + qualifyCodeColumn(fullOrder.toLower(), QString(), mainTable);
    return statement;
}

QString listHeaderStatement(const QString &listFields, const QString &mainTable)
{
    return qualifyCodeColumn(
        (selectPart(listFields, mainTable) + QStringLiteral(" where 1=2")).toLower(),
        QStringLiteral(","), mainTable);
}

} // namespace customer
