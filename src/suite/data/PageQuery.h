#pragma once

#include "suite/data/tsql/SqlDialect.h"

#include <QString>

#include <optional>

namespace suite {

// The T-SQL text that counts the rows of a select: the select as a derived table, without its
// ORDER BY, which T-SQL allows there only with TOP and which would make the backend sort every
// row just to count them. A TOP stays and still limits the count. Nullopt with the reason when
// the text cannot be read.
std::optional<QString> pageCountText(const QString &select, QString &sMsg);

// One page of a select already in the backend's dialect. The select becomes a sub-query, so
// that its own TOP, ORDER BY, UNION or GROUP BY stay as they are and the page is cut from
// exactly the rows it gives.
QString pageStatement(const tsql::SqlDialect &dialect, const QString &select, qint64 pageSize,
                      qint64 firstRow);

// Page arithmetic: a result of no rows is one empty page, and a page asked for beyond the
// last (or before the first) is the last (or the first).
struct PageSpan
{
    qint64 pageCount = 1;
    qint64 page = 1;
    qint64 firstRow = 0;
};
PageSpan pageSpan(qint64 rowCount, qint64 pageSize, qint64 requestedPage);

} // namespace suite
