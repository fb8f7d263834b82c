#include "import/UrlEncode.h"

#include <QStringEncoder>

namespace customer {

namespace {

bool keptAsItIs(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

} // namespace

QString URLEncode(const QString &strParameter)
{
    // Qt reaches GB18030 through ICU; it encodes every Unicode character.
    QStringEncoder encoder("GB18030");
    const QByteArray bytes = encoder.encode(strParameter);
    static constexpr char kHex[] = "0123456789ABCDEF";
    QString encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        if (keptAsItIs(c)) {
            encoded += QLatin1Char(c);
        } else if (c == ' ') {
            encoded += u'+';
        } else {
            const auto byte = static_cast<unsigned char>(c);
            encoded += u'%';
            encoded += QLatin1Char(kHex[byte >> 4]);
            encoded += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

} // namespace customer
