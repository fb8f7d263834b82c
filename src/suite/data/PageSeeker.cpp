#include "suite/data/PageSeeker.h"

#include "suite/data/BackwardPage.h"

#include <algorithm>

namespace suite {

namespace ss = seek_statements;

// Where a page is read from: a known row (or the first or last row) and how many rows lie
// between it and the page.
struct PageSeeker::Start
{
    enum class From { First, Last, MarkBefore, MarkAfter };
    From from = From::First;
    qint64 skipped = 0;
    ss::Mark mark;
};

PageSeeker::Start PageSeeker::nearestStart(const QString &text, const QString &stamp,
                                           const PageSpan &span, qint64 rowCount, qint64 rowsOnPage)
{
    Start best{ Start::From::First, span.firstRow, {} };
    if (rowCount > 0) {
        const qint64 after = rowCount - span.firstRow - rowsOnPage;
        if (after < best.skipped)
            best = { Start::From::Last, after, {} };
    }
    if (const auto before = m_marks.nearest(text, stamp, span.firstRow, true);
        before && span.firstRow - before->row < best.skipped) {
        best = { Start::From::MarkBefore, span.firstRow - before->row, before->mark };
    }
    if (const auto after = m_marks.nearest(text, stamp, span.firstRow + rowsOnPage, false);
        after && after->row - span.firstRow - rowsOnPage < best.skipped) {
        best = { Start::From::MarkAfter, after->row - span.firstRow - rowsOnPage, after->mark };
    }
    return best;
}

RecordSet PageSeeker::query(const QString &tsql, qint64 limit, qint64 skip, QString &sMsg)
{
    const std::optional<QString> select = m_translate(tsql, sMsg);
    if (!select)
        return RecordSet();
    return m_connection.queryStatement(pageStatement(m_dialect, *select, limit, skip), {}, sMsg);
}

RecordSet PageSeeker::read(const QString &text, const SeekableSelect &select, const QString &stamp,
                           const PageSpan &span, qint64 rowCount, qint64 pageSize, QString &sMsg)
{
    const qint64 rowsOnPage =
        rowCount > 0 ? std::clamp<qint64>(rowCount - span.firstRow, 0, pageSize) : pageSize;
    const Start start = nearestStart(text, stamp, span, rowCount, rowsOnPage);
    const bool nullsLast = m_dialect.sortsNullsLast();
    RecordSet rows;
    switch (start.from) {
    case Start::From::First:
        rows = query(ss::marked(select), pageSize, start.skipped, sMsg);
        break;
    case Start::From::MarkBefore:
        rows = query(ss::fromMark(select, start.mark, nullsLast), pageSize, start.skipped, sMsg);
        break;
    case Start::From::Last:
        rows = reversedRows(query(ss::reversed(select), rowsOnPage, start.skipped, sMsg));
        break;
    case Start::From::MarkAfter:
        rows = reversedRows(
            query(ss::beforeMark(select, start.mark, nullsLast), rowsOnPage, start.skipped, sMsg));
        break;
    }
    if (!rows.IsOpen())
        return rows;
    const int orderColumns = int(select.order.size());
    if (rows.RecordCount() > 0) {
        const int last = rows.RecordCount() - 1;
        const ss::Mark first = ss::markOf(rows, 0, orderColumns);
        const ss::Mark lastMark = ss::markOf(rows, last, orderColumns);
        if (ss::writable(first) && ss::writable(lastMark)) {
            m_marks.add(text, stamp, span.firstRow, first);
            m_marks.add(text, stamp, span.firstRow + last, lastMark);
        }
    }
    return ss::withoutMarks(rows, orderColumns);
}

std::optional<QString> PageSeeker::marksStatement(const SeekableSelect &select, qint64 stretch,
                                                  QString &sMsg)
{
    return m_translate(ss::everyNth(select, stretch), sMsg);
}

} // namespace suite
