#pragma once

#include <QList>
#include <QString>

#include <cstdint>

namespace demo {

// The demo company's source of chance. It is its own small generator (splitmix64) rather
// than a standard distribution, whose results may differ between library versions: the same
// seed must give the same company everywhere.
class DemoRandom
{
public:
    explicit DemoRandom(std::uint64_t seed)
        : m_state(seed)
    { }

    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // 0 <= result < bound; bound must be positive.
    int below(int bound) { return int(next() % std::uint64_t(bound)); }
    // low <= result <= high.
    int between(int low, int high) { return low + below(high - low + 1); }
    // 0 <= result < 1.
    double unit() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    bool chance(double probability) { return unit() < probability; }

    template<typename T> const T &pick(const QList<T> &items)
    {
        return items[below(int(items.size()))];
    }

    // A GUID in SQL Server's text form, upper case, version 4.
    QString guid()
    {
        const std::uint64_t high = (next() & 0xFFFFFFFFFFFF0FFFULL) | 0x4000ULL;
        const std::uint64_t low = (next() & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL;
        const QString hex = QStringLiteral("%1%2")
                                .arg(high, 16, 16, QLatin1Char('0'))
                                .arg(low, 16, 16, QLatin1Char('0'))
                                .toUpper();
        return hex.left(8) + u'-' + hex.mid(8, 4) + u'-' + hex.mid(12, 4) + u'-' + hex.mid(16, 4)
            + u'-' + hex.mid(20);
    }

    // A text of count decimal digits.
    QString digits(int count)
    {
        QString text(count, u'0');
        for (QChar &digit : text)
            digit = QChar(u'0' + below(10));
        return text;
    }

private:
    std::uint64_t m_state;
};

} // namespace demo
