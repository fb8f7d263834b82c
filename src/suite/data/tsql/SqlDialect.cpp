#include "suite/data/tsql/SqlDialect.h"

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

} // namespace suite::tsql
