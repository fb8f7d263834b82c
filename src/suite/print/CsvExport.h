#pragma once

#include <QByteArray>

namespace suite {

struct PrintData;

// The table as comma-separated values for spreadsheet programs: UTF-8 with a byte-order mark
// (without it they take Chinese for the local code page), one header line, every cell quoted
// with inner quotes doubled, lines ended by CR LF as RFC 4180 has them.
class CsvExport
{
public:
    static QByteArray csv(const PrintData &data);
};

} // namespace suite
