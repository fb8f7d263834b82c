#include "suite/data/KeyedSelect.h"

#include "suite/data/tsql/SqlLexer.h"

namespace suite {

namespace {

using tsql::Keyword;
using tsql::Token;
using tsql::TokenList;
using tsql::TokenType;

// Words that, at the top level of a select, make its rows something else than one row of the
// main table each.
bool changesTheRows(const Token &token)
{
    switch (token.keyword) {
    case Keyword::With:
    case Keyword::Cross:
    case Keyword::Inner:
    case Keyword::Right:
    case Keyword::Full:
        return true;
    default:
        return tsql::reshapesSelectRows(token) || token.type == TokenType::Comma;
    }
}

bool isPlainName(const Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

QString nameOf(const TokenList &tokens, int index)
{
    const QStringView text = tokens.text(index);
    if (tokens[index].type == TokenType::QuotedName)
        return text.mid(1, text.size() - 2).toString();
    return text.toString();
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The one-column primary key of the table, or nothing.
std::optional<QString> singleKey(const TableColumnsLookup &columnsOf, const QString &table)
{
    const std::optional<TableColumns> columns = columnsOf(table);
    if (!columns || columns->primaryKey.size() != 1)
        return std::nullopt;
    return columns->primaryKey.first();
}

// Reads the top level of the select: the positions of its clauses.
class SelectReader
{
public:
    explicit SelectReader(const TokenList &tokens)
        : m_tokens(tokens)
    { }

    std::optional<PageRequest> read(const TableColumnsLookup &columnsOf);

private:
    // The first top-level token from begin that is where, order by or the end.
    int clauseEnd(int begin) const;
    // Reads "left [outer] join U [[as] A] on A.pk = X.col" from index; the index after it.
    std::optional<int> readJoin(int index, const TableColumnsLookup &columnsOf) const;

    const TokenList &m_tokens;
};

int SelectReader::clauseEnd(int begin) const
{
    for (int i = begin; i < m_tokens.size(); ++i) {
        if (m_tokens.isTopKeyword(i, Keyword::Where)
            || (m_tokens.isTopKeyword(i, Keyword::Order)
                && m_tokens.isTopKeyword(i + 1, Keyword::By)))
            return i;
    }
    return m_tokens.size();
}

std::optional<int> SelectReader::readJoin(int index, const TableColumnsLookup &columnsOf) const
{
    if (!m_tokens.isTopKeyword(index, Keyword::Left))
        return std::nullopt;
    ++index;
    if (m_tokens.isTopKeyword(index, Keyword::Outer))
        ++index;
    if (!m_tokens.isTopKeyword(index, Keyword::Join) || index + 1 >= m_tokens.size()
        || !isPlainName(m_tokens[index + 1]))
        return std::nullopt;
    const QString table = nameOf(m_tokens, index + 1);
    index += 2;
    QString alias = table;
    if (m_tokens.isTopKeyword(index, Keyword::As))
        ++index;
    if (index < m_tokens.size() && isPlainName(m_tokens[index])) {
        alias = nameOf(m_tokens, index);
        ++index;
    }
    // on Q1 . c1 = Q2 . c2
    if (!m_tokens.isTopKeyword(index, Keyword::On) || index + 7 >= m_tokens.size())
        return std::nullopt;
    const int left = index + 1;
    const int right = index + 5;
    const auto qualifiedAt = [&](int name) {
        return isPlainName(m_tokens[name]) && m_tokens[name + 1].type == TokenType::Dot
            && isPlainName(m_tokens[name + 2]);
    };
    if (!qualifiedAt(left) || m_tokens[left + 3].type != TokenType::Operator
        || m_tokens.text(left + 3) != u"=" || !qualifiedAt(right))
        return std::nullopt;
    const std::optional<QString> key = singleKey(columnsOf, table);
    if (!key)
        return std::nullopt;
    const auto keyOfJoined = [&](int name) {
        return sameName(nameOf(m_tokens, name), alias)
            && sameName(nameOf(m_tokens, name + 2), *key);
    };
    if (keyOfJoined(left) == keyOfJoined(right))
        return std::nullopt;
    return right + 3;
}

std::optional<PageRequest> SelectReader::read(const TableColumnsLookup &columnsOf)
{
    if (!m_tokens.isTopKeyword(0, Keyword::Select) || m_tokens.size() < 4)
        return std::nullopt;
    const Keyword first = m_tokens[1].keyword;
    if (first == Keyword::Distinct || first == Keyword::Top || first == Keyword::All)
        return std::nullopt;
    int from = -1;
    for (int i = 1; i < m_tokens.size(); ++i) {
        const Token &token = m_tokens[i];
        if (token.depth != 0)
            continue;
        if (token.keyword == Keyword::Into || (from >= 0 && changesTheRows(token)))
            return std::nullopt;
        if (from < 0 && token.keyword == Keyword::From)
            from = i;
    }
    if (from < 2 || from + 1 >= m_tokens.size() || !isPlainName(m_tokens[from + 1]))
        return std::nullopt;
    PageRequest request;
    request.table = nameOf(m_tokens, from + 1);
    const std::optional<TableColumns> mainColumns = columnsOf(request.table);
    if (!mainColumns || mainColumns->primaryKey.size() != 1 || !mainColumns->primaryKeyOrdersRows)
        return std::nullopt;
    request.keyField = mainColumns->primaryKey.first();
    request.select = m_tokens.textBetween(1, from);

    const int joinsEnd = clauseEnd(from + 2);
    int index = from + 2;
    while (index < joinsEnd) {
        const std::optional<int> next = readJoin(index, columnsOf);
        if (!next || *next > joinsEnd)
            return std::nullopt;
        index = *next;
    }
    if (joinsEnd == from + 2)
        return std::nullopt;
    request.join = m_tokens.textBetween(from + 2, joinsEnd);
    int order = joinsEnd;
    if (m_tokens.isTopKeyword(joinsEnd, Keyword::Where)) {
        order = clauseEnd(joinsEnd + 1);
        request.where = u' ' + m_tokens.textBetween(joinsEnd, order);
    }
    if (order < m_tokens.size())
        request.order = u' ' + m_tokens.textBetween(order, m_tokens.size());
    return request;
}

} // namespace

std::optional<PageRequest> keyedSelect(const QString &text, const TableColumnsLookup &columnsOf)
{
    TokenList tokens;
    QString sMsg;
    if (!tsql::tokenize(text, tokens, sMsg))
        return std::nullopt;
    return SelectReader(tokens).read(columnsOf);
}

} // namespace suite
