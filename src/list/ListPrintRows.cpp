#include "list/ListPrintRows.h"

#include "suite/pub/GridCellText.h"

namespace customer {

namespace {

constexpr int kSerial = -1;
constexpr int kNoField = -2;

QString bareName(const QString &field)
{
    return field.mid(field.lastIndexOf(u'.') + 1).trimmed();
}

suite::PrintColumnKind kindOfType(int adoType)
{
    switch (suite::typeFamily(adoType)) {
    case suite::TypeFamily::Boolean:
        return suite::PrintColumnKind::Flag;
    case suite::TypeFamily::Integer:
    case suite::TypeFamily::Real:
        return suite::PrintColumnKind::Number;
    case suite::TypeFamily::DateTime:
        return suite::PrintColumnKind::Date;
    default:
        return suite::PrintColumnKind::Text;
    }
}

} // namespace

ListPrintRows::ListPrintRows(PageReader readPage, int pageSize)
    : m_readPage(std::move(readPage))
    , m_pageSize(std::max(1, pageSize))
{ }

bool ListPrintRows::read(int page, suite::RecordSet &rows, QString &sMsg)
{
    if (!m_readPage(page, m_pageSize, rows, m_pageCount, sMsg))
        return false;
    if (!rows.IsOpen()) {
        if (sMsg.isEmpty())
            sMsg = QStringLiteral("page %1 of the list cannot be read.").arg(page);
        return false;
    }
    return true;
}

bool ListPrintRows::start(QList<suite::PrintColumn> &columns, QString &sMsg)
{
    suite::RecordSet first;
    if (!read(1, first, sMsg))
        return false;
    const QList<suite::Field> fields = first.Fields();
    m_fields.clear();
    m_types.clear();
    for (suite::PrintColumn &column : columns) {
        int found = column.key.isEmpty() ? kSerial : kNoField;
        for (int field = 0; found == kNoField && field < fields.size(); ++field) {
            if (fields.at(field).name.compare(bareName(column.key), Qt::CaseInsensitive) == 0)
                found = field;
        }
        m_fields.append(found);
        m_types.append(found >= 0 ? fields.at(found).type : suite::adVarWChar);
        if (found >= 0)
            column.kind = kindOfType(fields.at(found).type);
        else if (found == kSerial)
            column.kind = suite::PrintColumnKind::Number;
    }
    m_rowCount = first.RecordCount();
    if (m_pageCount > 1) {
        suite::RecordSet last;
        if (!read(m_pageCount, last, sMsg))
            return false;
        m_rowCount = qint64(m_pageCount - 1) * m_pageSize + last.RecordCount();
    }
    return rewind(sMsg);
}

bool ListPrintRows::rewind(QString &)
{
    m_nextPage = 1;
    m_serial = 0;
    return true;
}

bool ListPrintRows::next(QList<QStringList> &rows, QString &sMsg)
{
    rows.clear();
    if (m_nextPage > std::max(1, m_pageCount))
        return true;
    suite::RecordSet page;
    if (!read(m_nextPage++, page, sMsg))
        return false;
    rows.reserve(page.RecordCount());
    for (int row = 0; row < page.RecordCount(); ++row)
        rows.append(cellsOf(page, row));
    return true;
}

QStringList ListPrintRows::cellsOf(const suite::RecordSet &page, int row)
{
    ++m_serial;
    QStringList cells;
    cells.reserve(m_fields.size());
    for (int column = 0; column < m_fields.size(); ++column) {
        const int field = m_fields.at(column);
        if (field == kSerial)
            cells.append(QString::number(m_serial));
        else if (field == kNoField)
            cells.append(QString());
        else
            cells.append(suite::gridCellText(page.valueAt(row, field), m_types.at(column)));
    }
    return cells;
}

} // namespace customer
