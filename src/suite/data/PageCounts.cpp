#include "suite/data/PageCounts.h"

namespace suite {

std::optional<qint64> PageCounts::cached(const QString &countSelect)
{
    const auto found = m_counts.constFind(countSelect);
    if (found == m_counts.cend())
        return std::nullopt;
    const QString now = stamp();
    if (now.isEmpty() || found->first != now)
        return std::nullopt;
    return found->second;
}

void PageCounts::store(const QString &countSelect, const QString &takenAt, qint64 rows)
{
    if (takenAt.isEmpty() || stamp() != takenAt)
        return;
    if (m_counts.size() >= kKept)
        m_counts.clear();
    m_counts.insert(countSelect, { takenAt, rows });
}

} // namespace suite
