#pragma once

#include <QString>
#include <QStringList>

namespace customer {

// One row of a table read from a file: its number as a spreadsheet shows it (the header is
// row 1 of a sheet that starts at the top) and its cells from the first column on.
struct SourceRow
{
    qint64 number = 0;
    QStringList cells;
};

// A table read row after row from a file, without holding the file in memory.
class TableSource
{
public:
    virtual ~TableSource() = default;

    // The next row that has a cell; false at the end of the table or when reading failed
    // (error() then says why).
    virtual bool next(SourceRow &row) = 0;
    virtual QString error() const = 0;

    // How far reading has come, for a progress bar: bytes read of bytes in all.
    virtual qint64 bytesDone() const = 0;
    virtual qint64 bytesTotal() const = 0;
};

} // namespace customer
