#include "demo/CopyTableWriter.h"

#include <charconv>
#include <map>
#include <string>

namespace demo {

namespace {

// The rows of each table of a batch in COPY's text form.
struct CopyText : WriterRows
{
    std::map<DemoTable, std::string> byTable;
};

template<typename Number> void appendNumber(std::string &data, Number number)
{
    char digits[32];
    const std::to_chars_result end = std::to_chars(std::begin(digits), std::end(digits), number);
    data.append(digits, end.ptr);
}

// A text with COPY's special characters escaped, the runs between them appended whole.
void appendText(std::string &data, const char *text, int length)
{
    const char *run = text;
    const char *const end = text + length;
    for (const char *at = text; at < end; ++at) {
        char escaped = 0;
        switch (*at) {
        case '\\':
            escaped = '\\';
            break;
        case '\t':
            escaped = 't';
            break;
        case '\n':
            escaped = 'n';
            break;
        case '\r':
            escaped = 'r';
            break;
        default:
            continue;
        }
        data.append(run, at);
        data.push_back('\\');
        data.push_back(escaped);
        run = at + 1;
    }
    data.append(run, end);
}

void appendValue(std::string &data, const PackedValue &value)
{
    switch (value.kind) {
    case PackedValue::Null:
        data.append("\\N");
        break;
    case PackedValue::Integer:
        appendNumber(data, value.integer);
        break;
    case PackedValue::Real:
        // The shortest text that reads back as the same double.
        appendNumber(data, value.real);
        break;
    case PackedValue::Text:
        appendText(data, value.text, value.length);
        break;
    }
}

} // namespace

bool CopyTableWriter::beginLoad(QString & /*sMsg*/)
{
    m_tables.clear();
    return true;
}

bool CopyTableWriter::prepare(DemoTable table, suite::PostgresConnection::CopyRows &rows,
                              QString &sMsg)
{
    using CopyRows = suite::PostgresConnection::CopyRows;
    if (const auto known = m_tables.find(table); known != m_tables.end()) {
        rows = known->second;
        return true;
    }
    const QString name = tableName(table);
    const suite::RecordSet found = m_company.queryStatement(
        QStringLiteral("select exists (select 1 from %1)").arg(name), {}, sMsg);
    if (!found.IsOpen())
        return false;
    const bool empty = !found.valueAt(0, 0).toBool();
    if (empty && !m_company.execute(QStringLiteral("truncate table %1").arg(name), sMsg))
        return false;
    rows = empty ? CopyRows::Frozen : CopyRows::Plain;
    m_tables.emplace(table, rows);
    return true;
}

std::unique_ptr<WriterRows> CopyTableWriter::encode(PackedRows &&rows) const
{
    auto text = std::make_unique<CopyText>();
    std::map<DemoTable, int> columnCounts;
    PackedRows::Reader reader(rows);
    while (!reader.atEnd()) {
        int valueCount = 0;
        const DemoTable table = reader.nextRow(valueCount);
        std::string &data = text->byTable[table];
        auto [counted, added] = columnCounts.try_emplace(table, 0);
        if (added)
            counted->second = int(columnsOf(table).size());
        const int columns = counted->second;
        // A row shorter than the table's columns leaves the rest null.
        for (int column = 0; column < columns; ++column) {
            if (column > 0)
                data.push_back('\t');
            if (column < valueCount)
                appendValue(data, reader.nextValue());
            else
                data.append("\\N");
        }
        data.push_back('\n');
    }
    return text;
}

bool CopyTableWriter::insertAll(const WriterRows &rows, QString &sMsg)
{
    for (const auto &[table, data] : static_cast<const CopyText &>(rows).byTable) {
        suite::PostgresConnection::CopyRows copyRows = suite::PostgresConnection::CopyRows::Plain;
        if (!prepare(table, copyRows, sMsg)
            || !m_company.copyIn(tableName(table), columnsOf(table),
                                 QByteArrayView(data.data(), qsizetype(data.size())), sMsg,
                                 copyRows)) {
            return false;
        }
    }
    return true;
}

} // namespace demo
