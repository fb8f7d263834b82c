#include "suite/data/DeleteLogTable.h"

#include "suite/data/CustomerReferences.h"
#include "suite/data/DataBackend.h"
#include "suite/data/RowsetXml.h"
#include "suite/data/tsql/BatchRunner.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QDateTime>
#include <QUuid>

namespace suite {

DeleteLogTable::DeleteLogTable(DataBackend &backend)
    : m_backend(backend)
{ }

QString DeleteLogTable::createStatement()
{
    return QStringLiteral(
        "CREATE TABLE AA_DeleteLog (AutoID int IDENTITY(1, 1) NOT NULL PRIMARY KEY,"
        " cLogId nvarchar(40) NOT NULL, cObject nvarchar(60) NOT NULL,"
        " cId nvarchar(100) NOT NULL, cTable nvarchar(60) NOT NULL, cRows ntext NULL,"
        " cDescription nvarchar(255) NULL, dTime datetime NOT NULL)");
}

// The table is made in the backend's own dialect, as the company's schema is.
bool DeleteLogTable::ensureTable(QString &sMsg)
{
    if (CustomerReferences(m_backend).exists(QStringLiteral("AA_DeleteLog")))
        return true;
    const auto batch = tsql::TsqlTranslator(m_backend.dialect()).translate(createStatement(), sMsg);
    if (!batch)
        return false;
    const tsql::BatchRunner::Outcome outcome =
        tsql::BatchRunner(m_backend.connection()).run(*batch);
    sMsg = outcome.message;
    return outcome.ok;
}

bool DeleteLogTable::keepCustomer(const QString &code, const QString &description, QString &sMsg)
{
    if (!ensureTable(sMsg))
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
    // The local time to the second, as the log has always shown it.
    QDateTime now = QDateTime::currentDateTime();
    now.setTime(QTime(now.time().hour(), now.time().minute(), now.time().second()));
    return connection.executeStatement(
        QStringLiteral("insert into AA_DeleteLog (cLogId, cObject, cId, cTable, cRows,"
                       " cDescription, dTime) values (?, 'customer', ?, ?, ?, ?, ?)"),
        { logId, code, table, RowsetXml::save(rows), description, now }, sMsg);
}

} // namespace suite
