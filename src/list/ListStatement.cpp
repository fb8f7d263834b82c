#include "list/ListStatement.h"

#include "catalogue/ListQuery.h"
#include "catalogue/QuickSearch.h"
#include "suite/core/SqlQuote.h"

#include <QRegularExpression>

namespace customer {

namespace {

const QString kQualifiedCode = QStringLiteral("Customer.cCusCode");

QString selectPart(const QString &listFields)
{
    return QStringLiteral("Select ") + listFields + QStringLiteral(" from Customer ")
        + BuildJoinClause(listFields);
}

} // namespace

QString classCodeOfNodeKey(const QString &nodeKey)
{
    return nodeKey.mid(1).trimmed();
}

QString qualifyCodeColumn(const QString &text, const QString &terminator)
{
    const QString end =
        terminator.isEmpty() ? QStringLiteral("(?!\\w)") : QRegularExpression::escape(terminator);
    const QRegularExpression bareCode(QStringLiteral("(?<![.\\w])ccuscode") + end);
    QString qualified = text;
    qualified.replace(bareCode, kQualifiedCode + terminator);
    return qualified;
}

ListStatement buildListStatement(const QString &listFields, const QString &classCode,
                                 const QString &condition, const QString &order,
                                 const QString &rightsClause, const QString &quickSearch)
{
    ListStatement statement;
    QString where = QStringLiteral(" where isnull(Customer.bTransFlag,0) =0 and ");
    if (!classCode.isEmpty())
        where += QStringLiteral("Customer.cCCCode like '%1%' and ").arg(suite::sqlQuote(classCode));
    where += rightsClause;
    if (!condition.isEmpty())
        where += QStringLiteral(" and ")
            + QString(condition).replace(QStringLiteral("CCusCode"), kQualifiedCode);
    const QString searched = quickSearchCondition(quickSearch);
    if (!searched.isEmpty())
        where += QStringLiteral(" and ") + searched;

    const QString fields =
        listFields.isEmpty() ? QStringLiteral("CCusCode,CCusAbbName") : listFields;
    statement.selectList = qualifyCodeColumn(fields.toLower(), QStringLiteral(","));
    statement.joins = BuildJoinClause(fields);
    statement.wherePart = where;
    if (!order.isEmpty()) {
        statement.orderPart =
            qualifyCodeColumn((QStringLiteral(" Order by ") + order).toLower(), QString());
    }
    // The host pages the whole statement as it is: without an order of its own the rows come
    // by customer code, as the desktop list reads them, not in the order they were stored.
    const QString fullOrder =
        QStringLiteral(" Order by ") + (order.isEmpty() ? QStringLiteral("cCusCode") : order);
    statement.full =
        qualifyCodeColumn((selectPart(listFields) + where).toLower(), QStringLiteral(","))
        + qualifyCodeColumn(fullOrder.toLower(), QString());
    return statement;
}

QString listHeaderStatement(const QString &listFields)
{
    return qualifyCodeColumn((selectPart(listFields) + QStringLiteral(" where 1=2")).toLower(),
                             QStringLiteral(","));
}

} // namespace customer
