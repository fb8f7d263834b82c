#include "suite/data/tsql/SqlDialect.h"

#include <array>

namespace suite::tsql {

bool SqlType::isText() const
{
    static const QStringList textTypes = {
        QStringLiteral("char"),    QStringLiteral("varchar"),
        QStringLiteral("nchar"),   QStringLiteral("nvarchar"),
        QStringLiteral("text"),    QStringLiteral("ntext"),
        QStringLiteral("sysname"), QStringLiteral("uniqueidentifier"),
        QStringLiteral("xml"),
    };
    return textTypes.contains(name);
}

bool SqlType::isDateTime() const
{
    static const QStringList dateTypes = {
        QStringLiteral("datetime"),
        QStringLiteral("smalldatetime"),
        QStringLiteral("date"),
        QStringLiteral("datetime2"),
    };
    return dateTypes.contains(name);
}

QString SqlType::declaration() const
{
    if (arguments.isEmpty())
        return name;
    return name + u'(' + arguments.join(u',') + u')';
}

bool SqlDialect::needsQuotes(QStringView name) const
{
    // Letters, digits and '_' in ASCII; every name of a statement is looked up here.
    static constexpr std::array<bool, 128> kPlain = [] {
        std::array<bool, 128> plain{};
        for (int c = 0; c < 128; ++c)
            plain[size_t(c)] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')
                || (c >= '0' && c <= '9') || c == '_';
        return plain;
    }();
    if (name.isEmpty() || name.front().isDigit())
        return true;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 128 ? !kPlain[u] : !c.isLetterOrNumber())
            return true;
    }
    return quotesPlainName(name);
}

QString SqlDialect::quoteIfNeeded(const QString &name) const
{
    return needsQuotes(name) ? quoteIdentifier(name) : name;
}

QString SqlDialect::objectName(const ObjectName &name) const
{
    const QString schema = schemaOf(name);
    const QString object = quoteIfNeeded(name.object);
    return schema.isEmpty() ? object : schema + u'.' + object;
}

} // namespace suite::tsql
