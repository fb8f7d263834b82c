#include "suite/data/SeekPage.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/tsql/SqlLexer.h"

#include <QDateTime>

#include <vector>

namespace suite {

namespace {

using tsql::Keyword;
using tsql::Token;
using tsql::TokenList;
using tsql::TokenType;

bool isName(const Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

// Clauses after which a select's rows are no longer one row of its tables each, or its
// ORDER BY no longer the last clause.
bool changesTheRows(const Token &token)
{
    return tsql::reshapesSelectRows(token) || token.keyword == Keyword::Select;
}

class SelectReader
{
public:
    explicit SelectReader(const TokenList &tokens)
        : m_tokens(tokens)
    { }

    std::optional<SeekableSelect> read(const SeekColumnsLookup &columnsOf);

private:
    // Reads "column" or "qualifier.column" [asc|desc] between begin and end.
    std::optional<SeekableSelect::OrderColumn> readOrderItem(int begin, int end) const;

    const TokenList &m_tokens;
    QString m_table;
    QString m_alias;
    TableColumns m_columns;
};

// Values that read back as the very literal they compare equal to.
bool exactlyWritten(int type)
{
    switch (typeFamily(type)) {
    case TypeFamily::Text:
    case TypeFamily::Integer:
    case TypeFamily::Boolean:
    case TypeFamily::DateTime:
        return true;
    default:
        return false;
    }
}

std::optional<SeekableSelect::OrderColumn> SelectReader::readOrderItem(int begin, int end) const
{
    SeekableSelect::OrderColumn item;
    if (end > begin
        && (m_tokens[end - 1].keyword == Keyword::Asc
            || m_tokens[end - 1].keyword == Keyword::Desc)) {
        item.descending = m_tokens[end - 1].keyword == Keyword::Desc;
        --end;
    }
    const int size = end - begin;
    const bool bare = size == 1 && isName(m_tokens[begin]);
    const bool qualified = size == 3 && isName(m_tokens[begin])
        && m_tokens[begin + 1].type == TokenType::Dot && isName(m_tokens[begin + 2]);
    if (!bare && !qualified)
        return std::nullopt;
    if (qualified
        && tsql::unquotedText(m_tokens, m_tokens[begin])
                .compare(m_alias.isEmpty() ? m_table : m_alias, Qt::CaseInsensitive)
            != 0) {
        return std::nullopt;
    }
    const QString name = tsql::unquotedText(m_tokens, m_tokens[end - 1]);
    const int field = m_columns.indexOf(name);
    if (field < 0 || !exactlyWritten(m_columns.fields.at(field).type))
        return std::nullopt;
    item.column = m_tokens.textBetween(begin, end);
    item.notNull = name.compare(m_columns.primaryKey.first(), Qt::CaseInsensitive) == 0;
    return item;
}

std::optional<SeekableSelect> SelectReader::read(const SeekColumnsLookup &columnsOf)
{
    if (!m_tokens.isTopKeyword(0, Keyword::Select) || m_tokens.size() < 4)
        return std::nullopt;
    const Keyword first = m_tokens[1].keyword;
    if (first == Keyword::Distinct || first == Keyword::Top || first == Keyword::All)
        return std::nullopt;
    int from = -1;
    int where = -1;
    int order = -1;
    for (int i = 1; i < m_tokens.size(); ++i) {
        const Token &token = m_tokens[i];
        if (token.depth != 0)
            continue;
        if (changesTheRows(token))
            return std::nullopt;
        if (from < 0 && token.keyword == Keyword::From)
            from = i;
        else if (from >= 0 && where < 0 && token.keyword == Keyword::Where)
            where = i;
        else if (from >= 0 && token.keyword == Keyword::Order
                 && m_tokens.isTopKeyword(i + 1, Keyword::By))
            order = ++i;
    }
    if (from < 2 || order < 0 || from + 1 >= m_tokens.size() || !isName(m_tokens[from + 1]))
        return std::nullopt;
    m_table = tsql::unquotedText(m_tokens, m_tokens[from + 1]);
    int afterTable = from + 2;
    if (m_tokens.isTopKeyword(afterTable, Keyword::As))
        ++afterTable;
    if (afterTable < m_tokens.size() && isName(m_tokens[afterTable]))
        m_alias = tsql::unquotedText(m_tokens, m_tokens[afterTable]);
    const std::optional<TableColumns> columns = columnsOf(m_table);
    if (!columns || columns->primaryKey.size() != 1 || !columns->primaryKeyOrdersRows)
        return std::nullopt;
    m_columns = *columns;

    SeekableSelect select;
    select.selectList = m_tokens.textBetween(0, from);
    const int fromEnd = where >= 0 ? where : order - 1;
    select.from = u' ' + m_tokens.textBetween(from, fromEnd);
    if (where >= 0)
        select.condition = m_tokens.textBetween(where + 1, order - 1);
    bool keyOrdered = false;
    int itemStart = order + 1;
    for (int i = order + 1; i <= m_tokens.size(); ++i) {
        if (i < m_tokens.size()
            && !(m_tokens[i].type == TokenType::Comma && m_tokens[i].depth == 0))
            continue;
        const std::optional<SeekableSelect::OrderColumn> item = readOrderItem(itemStart, i);
        if (!item)
            return std::nullopt;
        select.order.append(*item);
        keyOrdered = keyOrdered || item->notNull;
        itemStart = i + 1;
    }
    if (!keyOrdered)
        return std::nullopt;
    return select;
}

QString literal(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return sqlQuoted(value.toString());
    case QMetaType::QDateTime:
        return sqlQuoted(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz")));
    case QMetaType::QDate:
        return sqlQuoted(value.toDate().toString(Qt::ISODate));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

// Conditions on one order column against the mark's value of it, as the backend sorts: with
// nullsLast an ascending order puts NULL after every value and a descending one before.
struct ColumnCompare
{
    const SeekableSelect::OrderColumn &column;
    const QVariant &value;
    bool nullsLast;

    // Whether NULL comes after the values in this column's order.
    bool nullAfter() const { return nullsLast != column.descending; }
    QString isNull() const { return column.column + QStringLiteral(" is null"); }
    QString isNotNull() const { return column.column + QStringLiteral(" is not null"); }

    QString equal() const
    {
        return value.isNull() ? isNull() : column.column + QStringLiteral(" = ") + literal(value);
    }
    // The column sorts after the value; empty when nothing does.
    QString after() const
    {
        if (value.isNull())
            return nullAfter() || column.notNull ? QString() : isNotNull();
        const QString beyond = column.column
            + (column.descending ? QStringLiteral(" < ") : QStringLiteral(" > ")) + literal(value);
        return nullAfter() && !column.notNull
            ? u'(' + beyond + QStringLiteral(" or ") + isNull() + u')'
            : beyond;
    }
    // The column sorts before the value; empty when nothing does.
    QString before() const
    {
        if (value.isNull())
            return nullAfter() && !column.notNull ? isNotNull() : QString();
        const QString below = column.column
            + (column.descending ? QStringLiteral(" > ") : QStringLiteral(" < ")) + literal(value);
        return !nullAfter() && !column.notNull
            ? u'(' + below + QStringLiteral(" or ") + isNull() + u')'
            : below;
    }
    // At or after (or at or before) the value in this column alone: a range of the column's
    // index; empty when every row is.
    QString bound(bool forward) const
    {
        const bool nullBeyond = nullAfter() == forward;
        if (value.isNull())
            return nullBeyond ? isNull() : QString();
        const bool greater = column.descending != forward;
        const QString range = column.column
            + (greater ? QStringLiteral(" >= ") : QStringLiteral(" <= ")) + literal(value);
        return nullBeyond && !column.notNull
            ? u'(' + range + QStringLiteral(" or ") + isNull() + u')'
            : range;
    }
};

QString either(const QString &a, const QString &b)
{
    if (a.isEmpty())
        return b;
    if (b.isEmpty())
        return a;
    return u'(' + a + QStringLiteral(" or ") + b + u')';
}

// The rows after (or before) the mark's row in the order, the row itself too when inclusive:
// beyond the first column's value, or equal in it and beyond in the rest.
QString beyondMark(const SeekableSelect &select, const seek_statements::Mark &mark, bool nullsLast,
                   bool forward, bool inclusive)
{
    QString rest = inclusive ? QStringLiteral("1=1") : QString();
    for (qsizetype i = select.order.size() - 1; i >= 0; --i) {
        const ColumnCompare compare{ select.order.at(i), mark.at(i), nullsLast };
        const QString equalThen = rest.isEmpty()
            ? QString()
            : u'(' + compare.equal() + QStringLiteral(" and ") + rest + u')';
        rest = either(forward ? compare.after() : compare.before(), equalThen);
    }
    return rest.isEmpty() ? QStringLiteral("1=2") : rest;
}

QString orderText(const SeekableSelect &select, bool reversed)
{
    QStringList items;
    for (const SeekableSelect::OrderColumn &column : select.order) {
        const bool descending = column.descending != reversed;
        items.append(column.column + (descending ? QStringLiteral(" desc") : QString()));
    }
    return items.join(QStringLiteral(", "));
}

QString markColumns(const SeekableSelect &select)
{
    QString columns;
    for (qsizetype i = 0; i < select.order.size(); ++i)
        columns += QStringLiteral(", %1 as page_mark_%2").arg(select.order.at(i).column).arg(i + 1);
    return columns;
}

QString whereWith(const SeekableSelect &select, const QString &condition)
{
    if (select.condition.isEmpty())
        return condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition;
    return QStringLiteral(" where (") + select.condition + u')'
        + (condition.isEmpty() ? QString() : QStringLiteral(" and ") + condition);
}

QString markedWith(const SeekableSelect &select, const QString &condition, bool reversed)
{
    return select.selectList + markColumns(select) + select.from + whereWith(select, condition)
        + QStringLiteral(" order by ") + orderText(select, reversed);
}

} // namespace

std::optional<SeekableSelect> seekableSelect(const QString &select,
                                             const SeekColumnsLookup &columnsOf)
{
    TokenList tokens;
    QString sMsg;
    if (!tsql::tokenize(select, tokens, sMsg))
        return std::nullopt;
    return SelectReader(tokens).read(columnsOf);
}

namespace seek_statements {

QString marked(const SeekableSelect &select)
{
    return markedWith(select, QString(), false);
}

QString reversed(const SeekableSelect &select)
{
    return markedWith(select, QString(), true);
}

// The first column's own bound leads, so that the backend reads a range of its index.
QString fromMark(const SeekableSelect &select, const Mark &mark, bool nullsLast)
{
    const ColumnCompare first{ select.order.first(), mark.first(), nullsLast };
    const QString exact = beyondMark(select, mark, nullsLast, true, true);
    const QString bound = first.bound(true);
    return markedWith(select, bound.isEmpty() ? exact : bound + QStringLiteral(" and ") + exact,
                      false);
}

QString beforeMark(const SeekableSelect &select, const Mark &mark, bool nullsLast)
{
    const ColumnCompare first{ select.order.first(), mark.first(), nullsLast };
    const QString exact = beyondMark(select, mark, nullsLast, false, false);
    const QString bound = first.bound(false);
    return markedWith(select, bound.isEmpty() ? exact : bound + QStringLiteral(" and ") + exact,
                      true);
}

QString everyNth(const SeekableSelect &select, qint64 rows)
{
    QStringList marks;
    for (qsizetype i = 0; i < select.order.size(); ++i)
        marks.append(QStringLiteral("page_mark_%1").arg(i + 1));
    return QStringLiteral("select page_row, %1 from (select row_number() over (order by %2) as "
                          "page_row%3%4%5) page_marks where page_row % %6 = 1 order by page_row")
        .arg(marks.join(QStringLiteral(", ")), orderText(select, false), markColumns(select),
             select.from, whereWith(select, QString()), QString::number(rows));
}

bool writable(const Mark &mark)
{
    for (const QVariant &value : mark) {
        switch (value.typeId()) {
        case QMetaType::UnknownType:
        case QMetaType::QString:
        case QMetaType::QDateTime:
        case QMetaType::QDate:
        case QMetaType::Bool:
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
            break;
        default:
            if (!value.isNull())
                return false;
        }
    }
    return true;
}

Mark markOf(const RecordSet &rows, int row, int orderColumns)
{
    Mark mark;
    const int first = rows.FieldCount() - orderColumns;
    for (int column = first; column < rows.FieldCount(); ++column)
        mark.append(rows.valueAt(row, column));
    return mark;
}

RecordSet withoutMarks(const RecordSet &rows, int orderColumns)
{
    if (!rows.IsOpen())
        return rows;
    const int width = rows.FieldCount() - orderColumns;
    std::vector<QVariant> cells;
    cells.reserve(size_t(width) * size_t(rows.RecordCount()));
    for (int row = 0; row < rows.RecordCount(); ++row) {
        for (int field = 0; field < width; ++field)
            cells.push_back(rows.valueAt(row, field));
    }
    return RecordSet::fromCells(rows.Fields().mid(0, width), std::move(cells));
}

} // namespace seek_statements

} // namespace suite
