#include "import/StagingStatements.h"

#include "import/StagingColumns.h"
#include "suite/data/Field.h"

#include <QStringList>

namespace customer::staging {

namespace {

const QString kSourceKey = QStringLiteral("declare @sid varchar(20)\r\n");

// The column's type as a variable declares it.
QString declaredType(const StagingColumn &column)
{
    switch (column.type) {
    case suite::adGUID:
        return QStringLiteral("uniqueidentifier");
    case suite::adSmallInt:
        return QStringLiteral("smallint");
    case suite::adInteger:
        return QStringLiteral("int");
    case suite::adBoolean:
        return QStringLiteral("bit");
    default:
        break;
    }
    switch (suite::typeFamily(column.type)) {
    case suite::TypeFamily::Integer:
        return QStringLiteral("bigint");
    case suite::TypeFamily::Real:
        return QStringLiteral("float");
    case suite::TypeFamily::DateTime:
        return QStringLiteral("datetime");
    default:
        return QStringLiteral("nvarchar(%1)").arg(qMax(column.size, 1));
    }
}

QString declarations(const StagingColumns &staging, const QList<int> &columns)
{
    QString text = QStringLiteral("declare @err nvarchar(%1)\r\n").arg(staging.errorSize());
    for (int i = 0; i < columns.size(); ++i)
        text += QStringLiteral("declare @%1 %2\r\n")
                    .arg(valueVariable(i), declaredType(staging.all()[columns[i]]));
    return text;
}

} // namespace

QString valueVariable(int i)
{
    return QStringLiteral("v%1").arg(i);
}

QString findStatement()
{
    return kSourceKey
        + QStringLiteral(
               "select AutoID from customer_import where iSourceType=1 and iSourceId=@sid");
}

QString fileStatement()
{
    return QStringLiteral("declare @tag varchar(20)\r\nselect top 1 AutoID from customer_import "
                          "where iSourceType=1 and iSourceId like @tag");
}

QString updateStatement(const StagingColumns &staging, const QList<int> &columns)
{
    QStringList assignments;
    for (int i = 0; i < columns.size(); ++i)
        assignments.append(staging.all()[columns[i]].name + QStringLiteral("=@")
                           + valueVariable(i));
    assignments.append(QStringLiteral("cErrorMsg=@err"));
    return QStringLiteral("declare @id int\r\n") + declarations(staging, columns)
        + QStringLiteral("update customer_import set ") + assignments.join(u',')
        + QStringLiteral(" where AutoID=@id");
}

QString insertStatement(const StagingColumns &staging, const QList<int> &columns)
{
    QStringList names{ QStringLiteral("iSourceType"), QStringLiteral("iSourceId") };
    QStringList values{ QStringLiteral("1"), QStringLiteral("@sid") };
    for (int i = 0; i < columns.size(); ++i) {
        names.append(staging.all()[columns[i]].name);
        values.append(u'@' + valueVariable(i));
    }
    names.append(QStringLiteral("cErrorMsg"));
    values.append(QStringLiteral("@err"));
    return kSourceKey + declarations(staging, columns)
        + QStringLiteral("insert into customer_import (") + names.join(u',')
        + QStringLiteral(") values (") + values.join(u',') + u')';
}

} // namespace customer::staging
