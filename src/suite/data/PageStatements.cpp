#include "suite/data/PageStatements.h"

#include "suite/core/SqlQuote.h"
#include "suite/data/tsql/SqlLexer.h"

#include <QRegularExpression>

namespace suite::page_statements {

namespace {

using tsql::Keyword;
using tsql::TokenType;

// The text after a leading keyword pair or word ("order by", "where"), trimmed.
QString withoutLead(const QString &text, const QRegularExpression &lead)
{
    const QString trimmed = text.trimmed();
    const QRegularExpressionMatch match = lead.match(trimmed);
    return match.hasMatch() ? trimmed.mid(match.capturedLength()).trimmed() : trimmed;
}

QString orderBody(const QString &order)
{
    static const QRegularExpression lead(QStringLiteral("^order\\s+by\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return withoutLead(order, lead);
}

QString whereCondition(const QString &where)
{
    static const QRegularExpression lead(QStringLiteral("^where\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return withoutLead(where, lead);
}

QString wherePart(const PageRequest &request)
{
    const QString condition = whereCondition(request.where);
    return condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition;
}

// An order item reduced to the column it sorts on: no direction, no table, lower case.
QString sortedColumn(const QString &item)
{
    static const QRegularExpression direction(QStringLiteral("\\s+(asc|desc)$"),
                                              QRegularExpression::CaseInsensitiveOption);
    QString column = item.trimmed();
    column.remove(direction);
    column.remove(u'[').remove(u']');
    return column.mid(column.lastIndexOf(u'.') + 1).trimmed().toLower();
}

QString fromPart(const PageRequest &request, bool withJoins)
{
    QString from = QStringLiteral(" from ") + request.table;
    if (withJoins && !request.join.trimmed().isEmpty())
        from += u' ' + request.join.trimmed();
    return from;
}

QString unquotedName(const tsql::TokenList &tokens, int index)
{
    const QStringView text = tokens.text(index);
    if (tokens[index].type == TokenType::QuotedName)
        return text.mid(1, text.size() - 2).toString().toLower();
    return text.toString().toLower();
}

bool isName(const tsql::Token &token)
{
    return token.type == TokenType::QuotedName
        || (token.type == TokenType::Word && token.keyword == Keyword::None);
}

// The text with every bare name of a main-table column (not a qualifier, not a function)
// qualified by the table. Text that does not read stays as it is.
QString qualifiedMainColumns(const QString &text, const QString &table,
                             const QStringList &mainColumns)
{
    tsql::TokenList tokens;
    QString sMsg;
    if (!tsql::tokenize(text, tokens, sMsg))
        return text;
    QString qualifiedText = text;
    for (int i = tokens.size() - 1; i >= 0; --i) {
        if (!isName(tokens[i]) || (i > 0 && tokens[i - 1].type == TokenType::Dot))
            continue;
        const bool followed = i + 1 < tokens.size()
            && (tokens[i + 1].type == TokenType::Dot || tokens[i + 1].type == TokenType::OpenParen);
        if (!followed && mainColumns.contains(unquotedName(tokens, i), Qt::CaseInsensitive))
            qualifiedText.insert(tokens[i].start, table + u'.');
    }
    return qualifiedText;
}

} // namespace

QStringList orderItems(const QString &order)
{
    const QString body = orderBody(order);
    QStringList items;
    int depth = 0;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body.at(i);
        if (c == u'\'')
            quoted = !quoted;
        else if (!quoted && c == u'(')
            ++depth;
        else if (!quoted && c == u')')
            --depth;
        else if (!quoted && depth == 0 && c == u',') {
            items.append(body.mid(start, i - start).trimmed());
            start = i + 1;
        }
    }
    items.append(body.mid(start).trimmed());
    items.removeAll(QString());
    return items;
}

QString qualified(const QString &table, const QString &field)
{
    return field.contains(u'.') ? field : table + u'.' + field;
}

QString totalOrder(const PageRequest &request)
{
    QStringList items = orderItems(request.order);
    const QString key = sortedColumn(request.keyField);
    const bool keySorted = std::any_of(items.cbegin(), items.cend(), [&](const QString &item) {
        return sortedColumn(item) == key;
    });
    if (!keySorted)
        items.append(qualified(request.table, request.keyField));
    return items.join(QStringLiteral(", "));
}

bool needsJoins(const PageRequest &request, const QStringList &mainColumns)
{
    if (request.join.trimmed().isEmpty())
        return false;
    tsql::TokenList tokens;
    QString sMsg;
    if (!tsql::tokenize(whereCondition(request.where) + u' ' + orderBody(request.order), tokens,
                        sMsg))
        return true;
    const QString table = request.table.toLower();
    for (int i = 0; i < tokens.size(); ++i) {
        if (!isName(tokens[i]) || (i > 0 && tokens[i - 1].type == TokenType::Dot))
            continue;
        const bool qualifier = i + 1 < tokens.size() && tokens[i + 1].type == TokenType::Dot;
        const bool function = i + 1 < tokens.size() && tokens[i + 1].type == TokenType::OpenParen;
        const QString name = unquotedName(tokens, i);
        if (qualifier && name != table)
            return true;
        if (!qualifier && !function && !mainColumns.contains(name, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QString keysStatement(const PageRequest &request, bool withJoins)
{
    return QStringLiteral("select ") + qualified(request.table, request.keyField)
        + fromPart(request, withJoins) + wherePart(request) + QStringLiteral(" order by ")
        + totalOrder(request);
}

QString rowsStatement(const PageRequest &request, const QStringList &keyLiterals)
{
    const QString keys = keyLiterals.isEmpty() ? QStringLiteral("1=2")
                                               : qualified(request.table, request.keyField)
            + QStringLiteral(" in (") + keyLiterals.join(u',') + u')';
    return QStringLiteral("select ") + request.select + fromPart(request, true)
        + QStringLiteral(" where ") + keys + QStringLiteral(" order by ") + totalOrder(request);
}

QString allRowsStatement(const PageRequest &request, const QStringList &mainColumns)
{
    QString where = wherePart(request);
    QString order = totalOrder(request);
    if (!needsJoins(request, mainColumns)) {
        where = qualifiedMainColumns(where, request.table, mainColumns);
        order = qualifiedMainColumns(order, request.table, mainColumns);
    }
    return QStringLiteral("select ") + request.select + fromPart(request, true) + where
        + QStringLiteral(" order by ") + order;
}

QStringList keyLiterals(const RecordSet &keys)
{
    const int type = keys.FieldCount() > 0 ? keys.Fields().first().type : adVarWChar;
    const TypeFamily family = typeFamily(type);
    const bool number = family == TypeFamily::Integer || family == TypeFamily::Real;
    QStringList literals;
    literals.reserve(keys.RecordCount());
    for (int row = 0; row < keys.RecordCount(); ++row) {
        const QString value = keys.valueAt(row, 0).toString();
        literals.append(number ? value : sqlQuoted(value));
    }
    return literals;
}

QString rankStatement(const PageRequest &request, bool withJoins, const QString &codeField,
                      const QString &codeLiteral)
{
    return QStringLiteral("select page_rank from (select ") + qualified(request.table, codeField)
        + QStringLiteral(" as page_code, row_number() over (order by ") + totalOrder(request)
        + QStringLiteral(") as page_rank") + fromPart(request, withJoins) + wherePart(request)
        + QStringLiteral(") page_ranks where page_code = ") + codeLiteral;
}

} // namespace suite::page_statements
