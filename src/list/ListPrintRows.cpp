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

ListPrintRows::ListPrintRows(PageReader readPage, int pageSize, CursorOpener openCursor)
    : m_readPage(std::move(readPage))
    , m_pageSize(std::max(1, pageSize))
    , m_openCursor(std::move(openCursor))
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
    m_fieldNames.clear();
    for (const suite::Field &field : fields)
        m_fieldNames.append(field.name);
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
    m_cursor.reset();
    m_cursorEnded = false;
    return true;
}

bool ListPrintRows::next(QList<QStringList> &rows, QString &sMsg)
{
    if (!readsCursor(sMsg))
        return sMsg.isEmpty() && nextPage(rows, sMsg);
    suite::Utf8Rows texts;
    const int width = int(m_fields.size());
    if (!nextUtf8(width, texts, sMsg))
        return false;
    rows.clear();
    rows.reserve(texts.rowCount());
    for (qsizetype row = 0; row < texts.rowCount(); ++row) {
        QStringList cells;
        cells.reserve(width);
        for (int column = 0; column < width; ++column)
            cells.append(QString::fromUtf8(texts.cell(row, column)));
        rows.append(cells);
    }
    return true;
}

bool ListPrintRows::nextUtf8(int width, suite::Utf8Rows &rows, QString &sMsg)
{
    if (!readsCursor(sMsg))
        return sMsg.isEmpty() && PrintRowSource::nextUtf8(width, rows, sMsg);
    rows.reset(width);
    if (m_cursorEnded)
        return true;
    for (int row = 0; row < m_pageSize; ++row) {
        if (!m_cursor->next(sMsg)) {
            m_cursorEnded = true;
            m_cursor.reset();
            return sMsg.isEmpty();
        }
        appendCursorRow(width, rows);
    }
    return true;
}

bool ListPrintRows::readsCursor(QString &sMsg)
{
    sMsg.clear();
    if (!m_openCursor)
        return false;
    if (m_cursor || m_cursorEnded)
        return true;
    m_cursor = m_openCursor(sMsg);
    if (m_cursor && !cursorMatchesColumns(sMsg))
        m_cursor.reset();
    if (m_cursor)
        return true;
    // A data service that reads pages only says no more: the pages are read, for good.
    if (sMsg.isEmpty())
        m_openCursor = nullptr;
    return false;
}

// The cursor reads the statement of the pages, so its columns are theirs; a cursor that is
// not is refused rather than printing values under the wrong captions.
bool ListPrintRows::cursorMatchesColumns(QString &sMsg) const
{
    const QList<suite::Field> &fields = m_cursor->fields();
    bool same = fields.size() == m_fieldNames.size();
    for (qsizetype field = 0; same && field < fields.size(); ++field)
        same = fields.at(field).name.compare(m_fieldNames.at(field), Qt::CaseInsensitive) == 0;
    if (!same)
        sMsg = QStringLiteral("the rows of the list do not have the columns of its pages.");
    return same;
}

void ListPrintRows::appendCursorRow(int width, suite::Utf8Rows &rows)
{
    ++m_serial;
    for (int column = 0; column < width; ++column) {
        const int field = column < m_fields.size() ? m_fields.at(column) : kNoField;
        if (field == kSerial)
            rows.text() += QByteArray::number(m_serial);
        else if (field >= 0)
            suite::appendGridCellUtf8(*m_cursor, field, m_types.at(column), rows.text());
        rows.endCell();
    }
}

bool ListPrintRows::nextPage(QList<QStringList> &rows, QString &sMsg)
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
