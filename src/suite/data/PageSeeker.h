#pragma once

#include "suite/data/PageMarks.h"
#include "suite/data/PageQuery.h"
#include "suite/data/SeekPage.h"
#include "suite/data/SqlConnection.h"
#include "suite/data/tsql/SqlDialect.h"

#include <QString>

#include <functional>
#include <optional>

namespace suite {

// Reads a page of a seekable select (see SeekPage.h) from whichever known place is nearest:
// the first row, the last row (once the rows are counted), or a row of an earlier page or of
// the marks read for the select. The first and last row of every page read become known places
// for the pages after it.
//
// The marks of a long select (every kMarkStretch-th row) take one walk over the order's index
// and are read beside its count, so that once a list is counted no page of it is more than
// half a stretch from a known row.
class PageSeeker
{
public:
    static constexpr qint64 kMarkStretch = 1000;
    // Shorter selects are paged from their first and last rows and the pages read.
    static constexpr qint64 kMarkedRows = 20 * kMarkStretch;

    // The backend's text of a T-SQL select; nullopt with the reason when it does not translate.
    using Translate = std::function<std::optional<QString>(const QString &tsql, QString &sMsg)>;

    PageSeeker(SqlConnection &connection, const tsql::SqlDialect &dialect, Translate translate,
               PageMarks &marks)
        : m_connection(connection)
        , m_dialect(dialect)
        , m_translate(std::move(translate))
        , m_marks(marks)
    { }

    // The page of span; rowCount is 0 when the rows are not counted yet. A closed record set
    // with the reason on failure.
    RecordSet read(const QString &text, const SeekableSelect &select, const QString &stamp,
                   const PageSpan &span, qint64 rowCount, qint64 pageSize, QString &sMsg);
    // The backend's statement of every stretch-th row of the select with its place; nullopt
    // with the reason when it does not translate.
    std::optional<QString> marksStatement(const SeekableSelect &select, qint64 stretch,
                                          QString &sMsg);

private:
    struct Start;
    Start nearestStart(const QString &text, const QString &stamp, const PageSpan &span,
                       qint64 rowCount, qint64 rowsOnPage);
    RecordSet query(const QString &tsql, qint64 limit, qint64 skip, QString &sMsg);

    SqlConnection &m_connection;
    const tsql::SqlDialect &m_dialect;
    Translate m_translate;
    PageMarks &m_marks;
};

} // namespace suite
