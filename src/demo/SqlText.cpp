#include "demo/SqlText.h"

namespace demo {

namespace {

char16_t *putDigits(char16_t *out, int value, int width)
{
    for (int position = width - 1; position >= 0; --position) {
        out[position] = char16_t(u'0' + value % 10);
        value /= 10;
    }
    return out + width;
}

} // namespace

QString sqlDateTime(const QDate &date, int secondOfDay)
{
    QString text(23, Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    out = putDigits(out, date.year(), 4);
    *out++ = u'-';
    out = putDigits(out, date.month(), 2);
    *out++ = u'-';
    out = putDigits(out, date.day(), 2);
    *out++ = u' ';
    out = putDigits(out, secondOfDay / 3600, 2);
    *out++ = u':';
    out = putDigits(out, secondOfDay / 60 % 60, 2);
    *out++ = u':';
    out = putDigits(out, secondOfDay % 60, 2);
    *out++ = u'.';
    putDigits(out, 0, 3);
    return text;
}

} // namespace demo
