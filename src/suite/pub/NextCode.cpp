#include "suite/pub/NextCode.h"

namespace suite {

QString nextCode(const QString &savedCode)
{
    if (savedCode.isEmpty())
        return QString();
    qsizetype digitsStart = savedCode.size();
    while (digitsStart > 0 && savedCode.at(digitsStart - 1) >= u'0'
           && savedCode.at(digitsStart - 1) <= u'9') {
        --digitsStart;
    }
    if (digitsStart == savedCode.size())
        return savedCode + u'1';
    // Counting up in the text itself keeps any number of digits exact.
    QString next = savedCode;
    qsizetype at = next.size() - 1;
    while (at >= digitsStart && next.at(at) == u'9') {
        next[at] = u'0';
        --at;
    }
    if (at >= digitsStart)
        next[at] = QChar(next.at(at).unicode() + 1);
    else
        next.insert(digitsStart, u'1');
    return next;
}

} // namespace suite
