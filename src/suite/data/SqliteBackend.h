#pragma once

#include "suite/data/CoarseColumns.h"
#include "suite/data/DataBackend.h"
#include "suite/data/SqliteConnection.h"
#include "suite/data/SqliteSearchStatistics.h"
#include "suite/data/TableColumnsCache.h"
#include "suite/data/TextColumnIndex.h"

#include <memory>

namespace suite {

// A company database in an SQLite file. The system database kvsystem.db and the metadata
// database KvMeta_<account>.db beside it are attached as "kvsystem" and "KvMeta_<account>",
// the names the component's texts give them (kvsystem..ua_account); one that does not exist
// is left out, so statements on it fail with "no such table". Which columns hold text is read
// once and again only when a name turns up that it does not know and the schema of the
// company or of the connection's temporary tables has changed since.
class SqliteBackend : public DataBackend
{
public:
    static std::unique_ptr<SqliteBackend> open(const ConnectionText &connection, QString &sMsg);

    SqlConnection &connection() override { return m_connection; }
    std::shared_ptr<const tsql::SqlDialect> dialect() const override { return m_dialect; }
    bool tableColumns(const QString &table, TableColumns &columns, QString &sMsg) override;
    bool isTextColumn(QStringView qualifier, QStringView column) override;
    bool isCoarseColumn(QStringView qualifier, QStringView column) override;

private:
    SqliteBackend() = default;
    // Functions of the company database that SQLite lacks: UDF_GetLocaleID().
    bool registerFunctions(const ConnectionText &connection, QString &sMsg);
    bool attachBeside(const ConnectionText &connection, const QString &schema, QString &sMsg);
    // Whether ordering by the key's columns gives every row a place of its own.
    bool keyOrdersRows(const QString &table, const QStringList &key);
    bool readTableColumns(const QString &table, TableColumns &columns, QString &sMsg);
    QString schemaVersion();
    void loadTextColumns();

    SqliteConnection m_connection;
    // Read by the dialect's CONTAINS; the dialect must not outlive the backend.
    SqliteSearchStatistics m_searchStatistics{ m_connection };
    // Lives as long as the connection, which hands it to UDF_GetLocaleID.
    QByteArray m_localeId;
    std::shared_ptr<const tsql::SqlDialect> m_dialect;
    CoarseColumns m_coarseColumns;
    QString m_coarseColumnsVersion;
    TextColumnIndex m_textColumns;
    QString m_textColumnsVersion;
    // Kept while the schema of the company and of the temporary tables stays at
    // m_tableColumnsVersion.
    TableColumnsCache m_tableColumns;
    QString m_tableColumnsVersion;
};

} // namespace suite
