#include "suite/print/PrintData.h"

#include <algorithm>

namespace suite {

bool PrintRowSource::nextUtf8(int width, Utf8Rows &rows, QString &sMsg)
{
    QList<QStringList> texts;
    if (!next(texts, sMsg))
        return false;
    rows.reset(width);
    for (const QStringList &row : std::as_const(texts)) {
        for (int column = 0; column < width; ++column)
            rows.appendCell(column < row.size() ? row.at(column).toUtf8() : QByteArray());
    }
    return true;
}

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
