#pragma once

#include "import/TableSource.h"

#include <QStringDecoder>

class QIODevice;

namespace customer {

// The records of a CSV file as RFC 4180 writes them: fields separated by commas, records by
// CR LF, LF or CR; a field in double quotes may hold commas, line breaks and doubled quotes.
// Quotes inside an unquoted field are taken as they stand, and a quoted field left open runs
// to the end of the file, so that no byte of a sloppy file is lost or makes the reader stop.
// The device is read a chunk at a time; a field keeps at most kMaxFieldChars characters and a
// record at most kMaxCells cells (the values beyond are dropped, and no column takes a value
// that long or a record that wide), so that memory stays bounded whatever the file holds.
class CsvReader final : public TableSource
{
public:
    static constexpr qsizetype kMaxFieldChars = 65536;
    static constexpr qsizetype kMaxCells = 16384;

    // encoding: a name QStringDecoder knows ("UTF-8", "GB18030"); a leading byte-order mark is
    // skipped.
    CsvReader(QIODevice &device, const char *encoding);

    bool next(SourceRow &row) override;
    QString error() const override { return m_error; }
    qint64 bytesDone() const override;
    qint64 bytesTotal() const override;

private:
    // The next character, -1 at the end of the device.
    int take();
    int peek();
    bool fill();
    bool readRecord(QStringList &cells);
    void append(QString &field, QChar c);

    QIODevice &m_device;
    QStringDecoder m_decoder;
    QString m_buffer;
    qsizetype m_position = 0;
    qint64 m_chunkStart = 0;
    qint64 m_chunkBytes = 0;
    qint64 m_number = 0;
    bool m_atEnd = false;
    QString m_error;
};

} // namespace customer
