#include "suite/data/DeleteLogTable.h"

#include "suite/data/CustomerReferences.h"
#include "suite/data/DataBackend.h"
#include "suite/data/RowsetXml.h"

#include <QUuid>

namespace suite {

DeleteLogTable::DeleteLogTable(DataBackend &backend)
    : m_backend(backend)
{ }

QString DeleteLogTable::createStatement()
{
    return QStringLiteral(
        "create table if not exists AA_DeleteLog (AutoID integer primary key autoincrement,"
        " cLogId nvarchar(40) not null, cObject nvarchar(60) not null,"
        " cId nvarchar(100) not null, cTable nvarchar(60) not null, cRows ntext null,"
        " cDescription nvarchar(255) null, dTime datetime not null)");
}

bool DeleteLogTable::keepCustomer(const QString &code, const QString &description, QString &sMsg)
{
    if (!m_backend.connection().executeStatement(createStatement(), {}, sMsg))
        return false;
    const QString logId = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    if (!keepRows(logId, code, QStringLiteral("Customer"), QStringLiteral("cCusCode = ?1"),
                  description, sMsg))
        return false;
    CustomerReferences references(m_backend);
    for (const CustomerOwnRows &own : customerOwnRows()) {
        if (references.exists(own.table)
            && !keepRows(logId, code, own.table, own.condition, description, sMsg))
            return false;
    }
    return true;
}

bool DeleteLogTable::keepRows(const QString &logId, const QString &code, const QString &table,
                              const QString &condition, const QString &description, QString &sMsg)
{
    SqlConnection &connection = m_backend.connection();
    const RecordSet rows = connection.queryStatement(
        QStringLiteral("select * from %1 where %2").arg(table, condition), { code }, sMsg);
    if (!rows.IsOpen())
        return false;
    if (rows.RecordCount() == 0)
        return true;
    return connection.executeStatement(
        QStringLiteral("insert into AA_DeleteLog (cLogId, cObject, cId, cTable, cRows,"
                       " cDescription, dTime) values (?, 'customer', ?, ?, ?, ?,"
                       " strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'))"),
        { logId, code, table, RowsetXml::save(rows), description }, sMsg);
}

} // namespace suite
