#include "suite/data/PageQuery.h"

#include "suite/data/tsql/SqlLexer.h"

#include <algorithm>

namespace suite {

namespace {

bool endsTheSelectProper(const tsql::TokenList &tokens, int index)
{
    const tsql::Token &token = tokens[index];
    if (token.depth != 0)
        return false;
    if (token.type == tsql::TokenType::Semicolon)
        return true;
    return token.keyword == tsql::Keyword::Order && index + 1 < tokens.size()
        && tokens[index + 1].keyword == tsql::Keyword::By;
}

} // namespace

std::optional<QString> pageCountText(const QString &select, QString &sMsg)
{
    tsql::TokenList tokens;
    if (!tsql::tokenize(select, tokens, sMsg))
        return std::nullopt;
    qsizetype end = select.size();
    for (int i = 0; i < tokens.size(); ++i) {
        if (endsTheSelectProper(tokens, i)) {
            end = tokens[i].start;
            break;
        }
    }
    return QStringLiteral("select count(*) from (%1) page_source").arg(select.left(end));
}

QString pageStatement(const tsql::SqlDialect &dialect, const QString &select, qint64 pageSize,
                      qint64 firstRow)
{
    // One arg() call: a second one would take a "%0" of the select's like patterns ('%0%')
    // for its place marker.
    return QStringLiteral("select * from (%1) page_source%2 offset %3")
        .arg(select, dialect.limitClause(QString::number(pageSize)), QString::number(firstRow));
}

PageSpan pageSpan(qint64 rowCount, qint64 pageSize, qint64 requestedPage)
{
    PageSpan span;
    span.pageCount = std::max<qint64>(1, (rowCount + pageSize - 1) / pageSize);
    span.page = std::clamp<qint64>(requestedPage, 1, span.pageCount);
    span.firstRow = (span.page - 1) * pageSize;
    return span;
}

} // namespace suite
