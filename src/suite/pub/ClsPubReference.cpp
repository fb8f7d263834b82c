// The rights member of the public service for reference lists: the statement of a reference
// list gets the user's read condition over the list's table.
#include "suite/pub/ClsPub.h"

#include "suite/core/ErrorLog.h"
#include "suite/login/IRowAuth.h"

#include <QRegularExpression>

namespace suite {

namespace {

const QString kEverything = QStringLiteral("1=1");
const QString kNothing = QStringLiteral("1=2");

// Where the clauses of the outermost statement start: text in quotes or parentheses (a
// sub-select, a function call) is not looked into.
struct TopLevelClauses
{
    qsizetype where = -1;
    // The first group by or order by after the where clause, or the end of the text.
    qsizetype end = -1;
};

bool startsKeyword(const QString &sql, qsizetype at, const QRegularExpression &keyword)
{
    if (at > 0 && (sql.at(at - 1).isLetterOrNumber() || sql.at(at - 1) == u'_'))
        return false;
    return keyword
        .match(sql, at, QRegularExpression::NormalMatch,
               QRegularExpression::AnchorAtOffsetMatchOption)
        .hasMatch();
}

TopLevelClauses findClauses(const QString &sql)
{
    static const QRegularExpression where(QStringLiteral("where\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression closing(QStringLiteral("(group|order)\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    TopLevelClauses clauses;
    int depth = 0;
    bool quoted = false;
    for (qsizetype at = 0; at < sql.size(); ++at) {
        const QChar c = sql.at(at);
        if (c == u'\'')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'(')
            ++depth;
        else if (c == u')')
            --depth;
        else if (depth == 0 && clauses.where < 0 && startsKeyword(sql, at, where))
            clauses.where = at;
        else if (depth == 0 && startsKeyword(sql, at, closing)) {
            clauses.end = at;
            return clauses;
        }
    }
    clauses.end = sql.size();
    return clauses;
}

// The where clause of sSql narrowed by condition; an existing clause is put in parentheses so
// that an "or" in it cannot let rows past the condition.
QString withCondition(const QString &sSql, const QString &condition)
{
    const TopLevelClauses clauses = findClauses(sSql);
    const QString tail = sSql.mid(clauses.end);
    QString head = sSql.left(clauses.end);
    while (head.endsWith(u' '))
        head.chop(1);
    const QString separator = tail.isEmpty() ? QString() : QStringLiteral(" ");
    if (clauses.where < 0)
        return head + QStringLiteral(" where ") + condition + separator + tail;
    const qsizetype whereText = clauses.where + 5;
    return head.left(whereText) + QStringLiteral(" (") + head.mid(whereText).trimmed()
        + QStringLiteral(") and ") + condition + separator + tail;
}

// True when the whole text stands in one pair of parentheses, so it joins other conditions as
// it is.
bool enclosed(const QString &condition)
{
    if (!condition.startsWith(u'(') || !condition.endsWith(u')'))
        return false;
    int depth = 0;
    for (qsizetype at = 0; at < condition.size(); ++at) {
        depth += condition.at(at) == u'(' ? 1 : condition.at(at) == u')' ? -1 : 0;
        if (depth == 0)
            return at == condition.size() - 1;
    }
    return false;
}

} // namespace

void ClsPub::ReCreateSQL(const std::shared_ptr<IClsCommon> &, const QString &strTablename,
                         QString &sSql, QString &sFilter)
{
    const std::shared_ptr<IRowAuth> rights = loginRowAuth();
    if (rights) {
        const QString condition = rights->GetAuthString(strTablename).trimmed();
        sFilter = condition.isEmpty() ? kEverything : condition;
    } else {
        ErrorLog::instance().error(
            QStringLiteral("TarnPub.IPub.rights"),
            QStringLiteral("no row-rights object for the reference list %1").arg(strTablename));
        sFilter = kNothing;
    }
    if (sFilter == kEverything || sSql.contains(sFilter))
        return;
    sSql = withCondition(sSql, enclosed(sFilter) ? sFilter : u'(' + sFilter + u')');
}

} // namespace suite
