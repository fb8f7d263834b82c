#include "suite/data/BackwardPage.h"

#include "suite/data/tsql/SqlLexer.h"

#include <algorithm>
#include <vector>

namespace suite {

namespace {

using tsql::Keyword;
using tsql::TokenList;
using tsql::TokenType;

// A run of tokens [begin, end).
struct Span
{
    int begin = 0;
    int end = 0;

    int size() const { return end - begin; }
};

struct OrderItem
{
    int column = 0;
    // The ASC or DESC token; -1 when the item names no direction.
    int direction = -1;
};

bool isName(const tsql::Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

bool isStar(const TokenList &tokens, int index)
{
    return tokens[index].type == TokenType::Operator && tokens.text(index) == u"*";
}

QString nameAt(const TokenList &tokens, int index)
{
    return tsql::unquotedText(tokens, tokens[index]);
}

// Items of a list split at the commas outside parentheses.
std::vector<Span> listItems(const TokenList &tokens, Span list)
{
    std::vector<Span> items;
    int start = list.begin;
    for (int i = list.begin; i < list.end; ++i) {
        if (tokens[i].type == TokenType::Comma && tokens[i].depth == 0) {
            items.push_back({ start, i });
            start = i + 1;
        }
    }
    items.push_back({ start, list.end });
    return items;
}

// "column", "qualifier.column" or "qualifier.*", and "*" when stars are allowed.
bool isPlainColumn(const TokenList &tokens, Span item, bool starAllowed)
{
    if (item.size() == 1)
        return isName(tokens[item.begin]) || (starAllowed && isStar(tokens, item.begin));
    if (item.size() != 3 || !isName(tokens[item.begin])
        || tokens[item.begin + 1].type != TokenType::Dot) {
        return false;
    }
    return isName(tokens[item.end - 1]) || (starAllowed && isStar(tokens, item.end - 1));
}

int firstAtTop(const TokenList &tokens, int from, Keyword keyword)
{
    for (int i = from; i < tokens.size(); ++i) {
        if (tokens.isTopKeyword(i, keyword))
            return i;
    }
    return -1;
}

// Clauses and operators after which rows may repeat, merge or lose their order.
bool breaksTheOrder(const tsql::Token &token)
{
    if (token.depth != 0)
        return false;
    return tsql::reshapesSelectRows(token) || token.keyword == Keyword::Join
        || token.keyword == Keyword::Select || token.type == TokenType::Comma;
}

// The ORDER BY of a WHERE part that holds nothing else at its top level; -1 when there is no
// such ORDER BY.
int orderAfterWhere(const TokenList &tokens, int where)
{
    for (int i = where + 1; i + 1 < tokens.size(); ++i) {
        if (tokens[i].depth == 0 && tokens[i].keyword == Keyword::Order
            && tokens[i + 1].keyword == Keyword::By) {
            return i;
        }
        if (breaksTheOrder(tokens[i]))
            return -1;
    }
    return -1;
}

class SelectReader
{
public:
    explicit SelectReader(const TokenList &tokens)
        : m_tokens(tokens)
    { }

    std::optional<ReversibleSelect> read();

private:
    bool readSelectList(int from);
    // Reads the table and its alias; the token after them, -1 when they do not read.
    int readTable(int from);
    bool readOrder(int order);
    bool namesTheTable(int qualifier) const;
    QString reversedText() const;

    const TokenList &m_tokens;
    QString m_table;
    QString m_alias;
    std::vector<OrderItem> m_order;
};

std::optional<ReversibleSelect> SelectReader::read()
{
    if (m_tokens.size() < 4 || m_tokens[0].keyword != Keyword::Select)
        return std::nullopt;
    const int from = firstAtTop(m_tokens, 1, Keyword::From);
    if (from < 0 || !readSelectList(from))
        return std::nullopt;
    const int next = readTable(from + 1);
    if (next < 0 || next + 1 >= m_tokens.size())
        return std::nullopt;
    int order = next;
    if (m_tokens[next].keyword == Keyword::Where)
        order = orderAfterWhere(m_tokens, next);
    if (order < 0 || m_tokens[order].keyword != Keyword::Order
        || m_tokens[order + 1].keyword != Keyword::By || !readOrder(order + 2)) {
        return std::nullopt;
    }
    ReversibleSelect select{ m_table, {}, reversedText() };
    for (const OrderItem &item : m_order)
        select.orderColumns.append(nameAt(m_tokens, item.column));
    return select;
}

bool SelectReader::readSelectList(int from)
{
    const Keyword first = m_tokens[1].keyword;
    if (first == Keyword::Distinct || first == Keyword::Top || first == Keyword::All)
        return false;
    const std::vector<Span> items = listItems(m_tokens, { 1, from });
    return std::all_of(items.cbegin(), items.cend(),
                       [&](Span item) { return isPlainColumn(m_tokens, item, true); });
}

int SelectReader::readTable(int from)
{
    if (from >= m_tokens.size() || !isName(m_tokens[from]))
        return -1;
    m_table = nameAt(m_tokens, from);
    int next = from + 1;
    if (next < m_tokens.size() && m_tokens[next].keyword == Keyword::As)
        ++next;
    if (next < m_tokens.size() && isName(m_tokens[next])) {
        m_alias = nameAt(m_tokens, next);
        ++next;
    } else if (next > from + 1) {
        return -1;
    }
    return next;
}

bool SelectReader::readOrder(int first)
{
    int end = m_tokens.size();
    if (m_tokens[end - 1].type == TokenType::Semicolon)
        --end;
    for (const Span item : listItems(m_tokens, { first, end })) {
        Span column = item;
        OrderItem read;
        const Keyword last = column.size() > 0 ? m_tokens[column.end - 1].keyword : Keyword::None;
        if (last == Keyword::Asc || last == Keyword::Desc)
            read.direction = --column.end;
        if (!isPlainColumn(m_tokens, column, false)
            || (column.size() == 3 && !namesTheTable(column.begin))) {
            return false;
        }
        read.column = column.end - 1;
        m_order.push_back(read);
    }
    return true;
}

bool SelectReader::namesTheTable(int qualifier) const
{
    const QString name = nameAt(m_tokens, qualifier);
    const QString &table = m_alias.isEmpty() ? m_table : m_alias;
    return name.compare(table, Qt::CaseInsensitive) == 0;
}

QString SelectReader::reversedText() const
{
    QString text = m_tokens.source;
    for (auto item = m_order.crbegin(); item != m_order.crend(); ++item) {
        if (item->direction < 0) {
            const tsql::Token &column = m_tokens[item->column];
            text.insert(column.start + column.length, QStringLiteral(" desc"));
            continue;
        }
        const tsql::Token &direction = m_tokens[item->direction];
        text.replace(direction.start, direction.length,
                     direction.keyword == Keyword::Asc ? QStringLiteral("desc")
                                                       : QStringLiteral("asc"));
    }
    return text;
}

} // namespace

std::optional<ReversibleSelect> reversibleSelect(const QString &select)
{
    TokenList tokens;
    QString sMsg;
    if (!tsql::tokenize(select, tokens, sMsg))
        return std::nullopt;
    return SelectReader(tokens).read();
}

std::optional<qint64> rowsAfterPage(const PageSpan &span, qint64 rowCount, qint64 pageSize)
{
    const qint64 rowsOnPage = std::clamp<qint64>(rowCount - span.firstRow, 0, pageSize);
    const qint64 after = rowCount - span.firstRow - rowsOnPage;
    if (after >= span.firstRow)
        return std::nullopt;
    return after;
}

RecordSet reversedRows(const RecordSet &rows)
{
    if (!rows.IsOpen())
        return rows;
    const int width = rows.FieldCount();
    std::vector<QVariant> cells;
    cells.reserve(size_t(width) * size_t(rows.RecordCount()));
    for (int row = rows.RecordCount() - 1; row >= 0; --row) {
        for (int field = 0; field < width; ++field)
            cells.push_back(rows.valueAt(row, field));
    }
    return RecordSet::fromCells(rows.Fields(), std::move(cells));
}

} // namespace suite
