#pragma once

#include "suite/print/PrintData.h"

class QIODevice;

namespace suite {

// The list as comma-separated values for spreadsheet programs: UTF-8 with a byte-order mark
// (without it they take Chinese for the local code page), one header line, every cell quoted
// with inner quotes doubled, lines ended by CR LF as RFC 4180 has them. A text that a
// spreadsheet would take for a formula (it starts with =, +, -, @, a tab or a carriage return)
// gets a leading apostrophe, so that opening the file runs nothing; numbers in number columns
// stay as they are.
class CsvExport
{
public:
    // Writes the rows batch by batch; the rows written, or -1 with the reason in sMsg (empty
    // when progress asked to stop).
    static qint64 write(QIODevice &out, const PrintData &data, const PrintProgress &progress,
                        QString &sMsg);
    // One cell as the file holds it, quoted.
    static QString cell(const QString &text, PrintColumnKind kind);
};

} // namespace suite
