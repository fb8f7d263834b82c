#include "suite/data/CoarseColumns.h"

#include <QStringList>

#include <memory>

namespace suite {

namespace {

// "rows perValue ..." of an index's statistics: whether each value of its first column takes
// a hundredth of the rows or more.
bool coarseStatistics(const QString &stat)
{
    const QStringList numbers = stat.split(u' ', Qt::SkipEmptyParts);
    if (numbers.size() < 2)
        return false;
    const qint64 rows = numbers.at(0).toLongLong();
    const qint64 perValue = numbers.at(1).toLongLong();
    return rows > 0 && perValue * 100 >= rows;
}

} // namespace

void CoarseColumns::clear()
{
    m_byTable.clear();
    m_anyTable.clear();
}

void CoarseColumns::load(SqlConnection &connection)
{
    clear();
    QString sMsg;
    // A company never analysed has no sqlite_stat1, and then no coarse column.
    const RecordSet stats = connection.queryStatement(
        QStringLiteral("select s.tbl, i.name, s.stat from main.sqlite_stat1 s"
                       " join pragma_index_info(s.idx) i where i.seqno = 0"),
        {}, sMsg);
    for (int row = 0; stats.IsOpen() && row < stats.RecordCount(); ++row) {
        addAnalysedColumn(stats.valueAt(row, 0).toString(), stats.valueAt(row, 1).toString(),
                          coarseStatistics(stats.valueAt(row, 2).toString()));
    }
}

void CoarseColumns::addAnalysedColumn(const QString &table, const QString &column, bool coarse)
{
    // Every analysed table gets its entry, so that its name answers for it alone.
    QSet<QString> &tableColumns = m_byTable[table.toLower()];
    if (!coarse)
        return;
    tableColumns.insert(column.toLower());
    m_anyTable.insert(column.toLower());
}

std::function<bool(QStringView, QStringView)> CoarseColumns::lookupOf(SqlConnection &connection)
{
    auto columns = std::make_shared<CoarseColumns>();
    columns->load(connection);
    return [columns](QStringView qualifier, QStringView column) {
        return columns->isCoarse(qualifier, column);
    };
}

bool CoarseColumns::isCoarse(QStringView qualifier, QStringView column) const
{
    const QString name = column.toString().toLower();
    const auto table = m_byTable.constFind(qualifier.toString().toLower());
    if (!qualifier.isEmpty() && table != m_byTable.cend())
        return table->contains(name);
    return m_anyTable.contains(name);
}

} // namespace suite
