#include "import/CsvEncoding.h"
#include "import/CsvReader.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

// The raw bytes of a file to import: its encoding detected, every record read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    buffer.open(QIODevice::ReadOnly);
    customer::CsvReader reader(buffer, customer::detectCsvEncoding(buffer));
    customer::SourceRow row;
    qint64 last = 0;
    while (reader.next(row)) {
        if (row.number <= last || row.cells.size() > customer::CsvReader::kMaxCells)
            __builtin_trap();
        last = row.number;
    }
    return 0;
}
