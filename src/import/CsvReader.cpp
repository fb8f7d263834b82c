#include "import/CsvReader.h"

#include <QIODevice>

namespace customer {

namespace {

constexpr qint64 kChunkBytes = 1 << 16;

bool allEmpty(const QStringList &cells)
{
    for (const QString &cell : cells) {
        if (!cell.isEmpty())
            return false;
    }
    return true;
}

} // namespace

CsvReader::CsvReader(QIODevice &device, const char *encoding)
    : m_device(device)
    , m_decoder(encoding)
{
    if (!m_decoder.isValid())
        m_error = QStringLiteral("no decoder for %1").arg(QLatin1StringView(encoding));
}

// The device is read ahead a chunk at a time; the part of the chunk parsed so far counts.
qint64 CsvReader::bytesDone() const
{
    if (m_buffer.isEmpty())
        return m_chunkStart;
    return m_chunkStart + m_chunkBytes * m_position / m_buffer.size();
}

qint64 CsvReader::bytesTotal() const
{
    return m_device.size();
}

bool CsvReader::fill()
{
    if (m_atEnd || !m_error.isEmpty())
        return false;
    m_chunkStart = m_device.pos();
    const QByteArray chunk = m_device.read(kChunkBytes);
    m_chunkBytes = chunk.size();
    if (chunk.isEmpty()) {
        m_atEnd = true;
        return false;
    }
    m_buffer = m_buffer.mid(m_position) + m_decoder.decode(chunk);
    m_position = 0;
    return true;
}

int CsvReader::peek()
{
    while (m_position >= m_buffer.size()) {
        if (!fill())
            return -1;
    }
    return m_buffer.at(m_position).unicode();
}

int CsvReader::take()
{
    const int c = peek();
    if (c >= 0)
        ++m_position;
    return c;
}

void CsvReader::append(QString &field, QChar c)
{
    if (field.size() < kMaxFieldChars)
        field.append(c);
}

// One record; false when the device has no character left.
bool CsvReader::readRecord(QStringList &cells)
{
    cells.clear();
    if (peek() < 0)
        return false;
    QString field;
    bool quoted = false;
    auto endField = [&] {
        if (cells.size() < kMaxCells)
            cells.append(field);
        field.clear();
    };
    for (int c = take();; c = take()) {
        if (c < 0) {
            endField();
            return true;
        }
        if (quoted) {
            if (c != '"')
                append(field, QChar(c));
            else if (peek() == '"')
                append(field, QChar(take()));
            else
                quoted = false;
            continue;
        }
        switch (c) {
        case '"':
            // Opens a quoted part only at the start of a field; inside one it is a character.
            if (field.isEmpty())
                quoted = true;
            else
                append(field, QChar(c));
            break;
        case ',':
            endField();
            break;
        case '\r':
            if (peek() == '\n')
                take();
            endField();
            return true;
        case '\n':
            endField();
            return true;
        default:
            append(field, QChar(c));
        }
    }
}

bool CsvReader::next(SourceRow &row)
{
    while (m_error.isEmpty() && readRecord(row.cells)) {
        row.number = ++m_number;
        if (!allEmpty(row.cells))
            return true;
    }
    return false;
}

} // namespace customer
