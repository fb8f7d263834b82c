#include "suite/data/PageMarks.h"

namespace suite {

std::optional<PageMarks::Known> PageMarks::nearest(const QString &select, const QString &stamp,
                                                   qint64 row, bool atOrBefore)
{
    const auto found = m_marks.find(select);
    if (found == m_marks.end())
        return std::nullopt;
    if (stamp.isEmpty() || found->stamp != stamp) {
        m_marks.erase(found);
        return std::nullopt;
    }
    const std::map<qint64, seek_statements::Mark> &byRow = found->byRow;
    auto place = byRow.lower_bound(row);
    if (atOrBefore) {
        if (place == byRow.end() || place->first > row) {
            if (place == byRow.begin())
                return std::nullopt;
            --place;
        }
    } else if (place == byRow.end()) {
        return std::nullopt;
    }
    return Known{ place->first, place->second };
}

void PageMarks::add(const QString &select, const QString &stamp, qint64 row,
                    const seek_statements::Mark &mark)
{
    if (stamp.isEmpty())
        return;
    auto found = m_marks.find(select);
    if (found == m_marks.end()) {
        if (m_marks.size() >= kSelectsKept)
            m_marks.clear();
        found = m_marks.insert(select, Marks{ stamp, {} });
    } else if (found->stamp != stamp || found->byRow.size() >= kMarksKept) {
        *found = Marks{ stamp, {} };
    }
    found->byRow.insert_or_assign(row, mark);
}

void PageMarks::addAll(const QString &select, const QString &stamp, const RecordSet &marks)
{
    const int orderColumns = marks.FieldCount() - 1;
    for (int row = 0; row < marks.RecordCount(); ++row) {
        const seek_statements::Mark mark = seek_statements::markOf(marks, row, orderColumns);
        if (!seek_statements::writable(mark))
            return;
        add(select, stamp, marks.valueAt(row, 0).toLongLong() - 1, mark);
    }
}

} // namespace suite
