#include "suite/login/RowAuthClause.h"

#include "suite/core/SqlQuote.h"

#include <QRegularExpression>

namespace suite::RowAuthClause {

namespace {

struct ObjectTable
{
    QStringView busObId;
    QStringView table;
};

constexpr ObjectTable kTables[] = {
    { u"customer", u"Customer" },   { u"department", u"Department" }, { u"person", u"Person" },
    { u"warehouse", u"Warehouse" }, { u"vendor", u"Vendor" },
};

// Class and department codes are hierarchical, but a right on a department names the
// department itself: customers hang on end departments only.
enum class Match { Exact, WithSubClasses };

struct DimensionColumn
{
    QStringView busObId;
    QStringView dimension;
    QStringView column;
    Match match;
};

constexpr DimensionColumn kColumns[] = {
    { u"customer", u"class", u"cCCCode", Match::WithSubClasses },
    { u"customer", u"department", u"cCusDepart", Match::Exact },
    { u"customer", u"code", u"cCusCode", Match::Exact },
    { u"department", u"code", u"cDepCode", Match::Exact },
    { u"person", u"department", u"cDepCode", Match::Exact },
    { u"person", u"code", u"cPersonCode", Match::Exact },
    { u"warehouse", u"code", u"cWhCode", Match::Exact },
    { u"vendor", u"class", u"cVCCode", Match::WithSubClasses },
    { u"vendor", u"code", u"cVenCode", Match::Exact },
};

const DimensionColumn *columnOf(const QString &busObId, const QString &dimension)
{
    for (const DimensionColumn &column : kColumns) {
        if (busObId.compare(column.busObId, Qt::CaseInsensitive) == 0
            && dimension.compare(column.dimension, Qt::CaseInsensitive) == 0)
            return &column;
    }
    return nullptr;
}

bool grants(const QString &rowFuncId, const QString &funcId)
{
    const bool write = rowFuncId.compare(u"W", Qt::CaseInsensitive) == 0;
    const bool reading = funcId.isEmpty() || funcId.compare(u"R", Qt::CaseInsensitive) == 0;
    return write || (reading && rowFuncId.compare(u"R", Qt::CaseInsensitive) == 0);
}

QStringList dimensionsInOrder(const QList<RightRow> &rows)
{
    QStringList dimensions;
    for (const RightRow &row : rows) {
        if (!dimensions.contains(row.dimension, Qt::CaseInsensitive))
            dimensions.append(row.dimension);
    }
    return dimensions;
}

QStringList grantedCodes(const QList<RightRow> &rows, const QString &dimension,
                         const QString &funcId)
{
    QStringList codes;
    for (const RightRow &row : rows) {
        if (row.dimension.compare(dimension, Qt::CaseInsensitive) == 0 && grants(row.funcId, funcId)
            && !codes.contains(row.code))
            codes.append(row.code);
    }
    return codes;
}

// The condition of one dimension; alternatives are several prefixes joined with " or ", which
// need parentheses before another condition is joined with " and ".
struct DimensionCondition
{
    QString text;
    bool alternatives = false;
};

DimensionCondition dimensionCondition(const QString &column, Match match, const QStringList &codes)
{
    QStringList parts;
    if (match == Match::Exact) {
        for (const QString &code : codes)
            parts.append(sqlQuoted(code));
        return { column + QStringLiteral(" in (") + parts.join(u',') + u')' };
    }
    for (const QString &code : codes)
        parts.append(prefixMatch(column, code));
    return { parts.join(QStringLiteral(" or ")), parts.size() > 1 };
}

} // namespace

QString tableOf(const QString &busObId)
{
    for (const ObjectTable &entry : kTables) {
        if (busObId.compare(entry.busObId, Qt::CaseInsensitive) == 0)
            return entry.table.toString();
    }
    return {};
}

QString classColumnOf(const QString &busObId)
{
    const DimensionColumn *column = columnOf(busObId, QStringLiteral("class"));
    return column ? column->column.toString() : QString();
}

QString build(const QString &busObId, const QString &table, const QString &funcId,
              const QList<RightRow> &rows)
{
    QList<DimensionCondition> conditions;
    for (const QString &dimension : dimensionsInOrder(rows)) {
        const DimensionColumn *column = columnOf(busObId, dimension);
        const QStringList codes = grantedCodes(rows, dimension, funcId);
        if (!column || codes.isEmpty())
            return kNever;
        conditions.append(
            dimensionCondition(table + u'.' + column->column.toString(), column->match, codes));
    }
    if (conditions.isEmpty())
        return kAlwaysTrue;
    if (conditions.size() == 1)
        return u'(' + conditions.first().text + u')';
    QStringList joined;
    for (const DimensionCondition &condition : conditions)
        joined.append(condition.alternatives ? u'(' + condition.text + u')' : condition.text);
    return u'(' + joined.join(QStringLiteral(" and ")) + u')';
}

QString prefixMatch(const QString &column, const QString &code)
{
    // A code holding a pattern character of LIKE is compared as the leading characters instead.
    static const QRegularExpression likePatternCharacter(QStringLiteral("[%_\\[]"));
    if (code.contains(likePatternCharacter))
        return QStringLiteral("left(%1, %2)=%3").arg(column).arg(code.size()).arg(sqlQuoted(code));
    return column + QStringLiteral(" like ") + sqlQuoted(code + u'%');
}

QString allOf(const QStringList &conditions)
{
    QStringList limiting;
    for (const QString &condition : conditions) {
        if (condition != kAlwaysTrue)
            limiting.append(condition);
    }
    if (limiting.isEmpty())
        return kAlwaysTrue;
    if (limiting.size() == 1)
        return limiting.first();
    return u'(' + limiting.join(QStringLiteral(" and ")) + u')';
}

} // namespace suite::RowAuthClause
