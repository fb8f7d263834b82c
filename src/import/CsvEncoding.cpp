#include "import/CsvEncoding.h"

#include <QIODevice>
#include <QStringDecoder>

namespace customer {

namespace {

constexpr qint64 kChunkBytes = 1 << 16;

} // namespace

const char *detectCsvEncoding(QIODevice &device)
{
    // The decoder keeps its state across chunks, so a character split between two chunks is no
    // error.
    QStringDecoder utf8(QStringConverter::Utf8);
    const qint64 start = device.pos();
    QByteArray chunk;
    bool valid = true;
    while (valid && !(chunk = device.read(kChunkBytes)).isEmpty()) {
        // Decoding happens when the result is taken as a string.
        const QString decoded = utf8.decode(chunk);
        valid = !utf8.hasError();
    }
    device.seek(start);
    return valid ? "UTF-8" : "GB18030";
}

} // namespace customer
