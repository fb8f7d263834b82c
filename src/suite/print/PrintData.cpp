#include "suite/print/PrintData.h"

#include <algorithm>

namespace suite {

PrintRowList::PrintRowList(QList<QStringList> rows, int batchSize)
    : m_rows(std::move(rows))
    , m_batchSize(std::max(1, batchSize))
{ }

bool PrintRowList::rewind(QString &)
{
    m_next = 0;
    return true;
}

bool PrintRowList::next(QList<QStringList> &rows, QString &)
{
    rows = m_rows.mid(m_next, m_batchSize);
    m_next += rows.size();
    return true;
}

QStringList PrintData::captions() const
{
    QStringList texts;
    for (const PrintColumn &column : columns)
        texts.append(column.caption);
    return texts;
}

} // namespace suite
