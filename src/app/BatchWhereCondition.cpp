#include "app/BatchWhereCondition.h"

#include "suite/data/tsql/SqlLexer.h"

namespace host {

namespace {

using suite::tsql::Keyword;
using suite::tsql::TokenList;
using suite::tsql::TokenType;

bool isConditionWord(Keyword keyword)
{
    switch (keyword) {
    case Keyword::And:
    case Keyword::Or:
    case Keyword::Not:
    case Keyword::Is:
    case Keyword::Null:
    case Keyword::Like:
    case Keyword::In:
    case Keyword::Between:
        return true;
    default:
        return false;
    }
}

QString bare(QStringView name)
{
    QString text = name.toString();
    if (text.startsWith(u'[') && text.endsWith(u']'))
        text = text.mid(1, text.size() - 2);
    return text;
}

struct ColumnNames
{
    const QStringList &customer;
    const QStringList &extra;

    bool isColumn(const QString &table, const QString &column) const
    {
        if (table.isEmpty())
            return customer.contains(column, Qt::CaseInsensitive);
        if (table.compare(u"customer", Qt::CaseInsensitive) == 0)
            return customer.contains(column, Qt::CaseInsensitive);
        if (table.compare(u"customer_extradefine", Qt::CaseInsensitive) == 0)
            return extra.contains(column, Qt::CaseInsensitive);
        return false;
    }
};

bool isName(const TokenList &tokens, int i)
{
    return i < tokens.size()
        && (tokens[i].type == TokenType::Word || tokens[i].type == TokenType::QuotedName);
}

// A column at token i, bare or qualified; next is the token after it.
bool readColumn(const TokenList &tokens, int i, const ColumnNames &columns, int &next,
                QString &error)
{
    QString table;
    QString column = bare(tokens.text(i));
    next = i + 1;
    if (next + 1 < tokens.size() && tokens[next].type == TokenType::Dot
        && isName(tokens, next + 1)) {
        table = column;
        column = bare(tokens.text(next + 1));
        next += 2;
    }
    if (next < tokens.size() && tokens[next].type == TokenType::OpenParen) {
        error = QStringLiteral("'%1' is no column; a condition cannot call functions").arg(column);
        return false;
    }
    if (!columns.isColumn(table, column)) {
        error = QStringLiteral("'%1' is no column of the customers")
                    .arg(table.isEmpty() ? column : table + u'.' + column);
        return false;
    }
    return true;
}

bool parenthesesMatch(const TokenList &tokens)
{
    int depth = 0;
    for (int i = 0; i < tokens.size() && depth >= 0; ++i) {
        if (tokens[i].type == TokenType::OpenParen)
            ++depth;
        else if (tokens[i].type == TokenType::CloseParen)
            --depth;
    }
    return depth == 0;
}

bool hasComment(const TokenList &tokens, const QString &text)
{
    int end = 0;
    for (int i = 0; i <= tokens.size(); ++i) {
        const int start = i < tokens.size() ? tokens[i].start : int(text.size());
        if (!QStringView(text).mid(end, start - end).trimmed().isEmpty())
            return true;
        if (i < tokens.size())
            end = tokens[i].start + tokens[i].length;
    }
    return false;
}

} // namespace

bool batchWhereCondition(const QString &text, const QStringList &customerColumns,
                         const QStringList &extraColumns, QString &condition, QString &error)
{
    TokenList tokens;
    if (text.trimmed().isEmpty()) {
        error = QStringLiteral("the condition is empty");
        return false;
    }
    if (!suite::tsql::tokenize(text, tokens, error))
        return false;
    if (hasComment(tokens, text)) {
        error = QStringLiteral("a condition cannot hold a comment");
        return false;
    }
    if (!parenthesesMatch(tokens)) {
        error = QStringLiteral("the parentheses of the condition do not match");
        return false;
    }
    const ColumnNames columns{ customerColumns, extraColumns };
    for (int i = 0; i < tokens.size();) {
        const TokenType type = tokens[i].type;
        if (type == TokenType::Semicolon || type == TokenType::Variable || type == TokenType::Dot) {
            error = QStringLiteral("'%1' cannot stand in a condition").arg(tokens.text(i));
            return false;
        }
        if (type == TokenType::Word && isConditionWord(tokens[i].keyword)) {
            ++i;
            continue;
        }
        if (isName(tokens, i)) {
            if (!readColumn(tokens, i, columns, i, error))
                return false;
            continue;
        }
        ++i;
    }
    condition = u'(' + text.trimmed() + u')';
    return true;
}

} // namespace host
