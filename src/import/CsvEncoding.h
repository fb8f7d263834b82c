#pragma once

#include <QStringConverter>

class QIODevice;

namespace customer {

// The encoding of a CSV file: UTF-8 (with or without its byte-order mark) when every byte of it
// is valid UTF-8, else GB18030, the encoding Chinese spreadsheets save CSV in. Reads the device
// through in chunks and puts it back at its start; the name is one QStringDecoder knows.
const char *detectCsvEncoding(QIODevice &device);

} // namespace customer
