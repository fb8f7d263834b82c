#include "demo/CopyTableWriter.h"

#include "suite/data/PostgresConnection.h"

#include <map>

namespace demo {

namespace {

void appendValue(QByteArray &data, const PackedValue &value)
{
    switch (value.kind) {
    case PackedValue::Null:
        data.append("\\N");
        break;
    case PackedValue::Integer:
        data.append(QByteArray::number(value.integer));
        break;
    case PackedValue::Real:
        data.append(QByteArray::number(value.real, 'g', 17));
        break;
    case PackedValue::Text:
        suite::PostgresConnection::appendCopyText(data, QByteArrayView(value.text, value.length));
        break;
    }
}

} // namespace

bool CopyTableWriter::insertAll(const PackedRows &rows, QString &sMsg)
{
    std::map<DemoTable, QByteArray> byTable;
    PackedRows::Reader reader(rows);
    while (!reader.atEnd()) {
        int valueCount = 0;
        const DemoTable table = reader.nextRow(valueCount);
        QByteArray &data = byTable[table];
        const int columns = int(columnsOf(table).size());
        // A row shorter than the table's columns leaves the rest null.
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                data.append('\t');
            if (column < valueCount)
                appendValue(data, reader.nextValue());
            else
                data.append("\\N");
        }
        data.append('\n');
    }
    for (const auto &[table, data] : byTable) {
        if (!m_company.copyIn(tableName(table), columnsOf(table), data, sMsg))
            return false;
    }
    return true;
}

} // namespace demo
