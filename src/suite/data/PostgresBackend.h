#pragma once

#include "suite/data/CoarseColumns.h"
#include "suite/data/DataBackend.h"
#include "suite/data/PostgresConnection.h"
#include "suite/data/TableColumnsCache.h"
#include "suite/data/TextColumnIndex.h"

#include <QHash>

#include <memory>

namespace suite {

// A company database on a PostgreSQL server: the schema named by the connection text's
// Initial Catalog (in lower case, as PostgreSQL folds names), with the system database as the
// schema kvsystem and the metadata database as kvmeta_<account> of the same database. The
// search path names the company's schema, then public, where the citext extension and the
// company's functions live. What is known of tables is read again when the set of tables or
// their columns has changed, which one catalogue query tells.
class PostgresBackend : public DataBackend
{
public:
    static std::unique_ptr<PostgresBackend> open(const ConnectionText &connection, QString &sMsg);
    // The schema of a connection text's company: its catalogue in lower case.
    static QString companySchema(const ConnectionText &connection);
    // The schema of the system database: the connection text's "System Schema", kvsystem when
    // it names none.
    static QString systemSchema(const ConnectionText &connection);
    // The statements every connection to the company starts with.
    static QStringList sessionSetup(const ConnectionText &connection);

    SqlConnection &connection() override { return m_connection; }
    std::shared_ptr<const tsql::SqlDialect> dialect() const override { return m_dialect; }
    bool tableColumns(const QString &table, TableColumns &columns, QString &sMsg) override;
    bool isTextColumn(QStringView qualifier, QStringView column) override;
    bool isCoarseColumn(QStringView qualifier, QStringView column) override;
    bool seeksFarPages() const override { return true; }
    // The planner's estimate of the plan's rows.
    std::optional<qint64> estimatedRows(const QString &select) override;

private:
    PostgresBackend() = default;
    bool readTableColumns(const QString &table, TableColumns &columns, QString &sMsg);
    // Changes whenever a table of the company, system, metadata or temporary schema is created,
    // dropped or given another column.
    QString schemaVersion();
    void loadCatalogue();
    Field shownField(const Field &described, unsigned table, int column);

    PostgresConnection m_connection;
    std::shared_ptr<const tsql::SqlDialect> m_dialect;
    QStringList m_schemas;
    QString m_catalogueVersion;
    // Set when this connection changed the schema: the names are read again when next asked.
    bool m_catalogueStale = false;
    TextColumnIndex m_textColumns;
    CoarseColumns m_coarseColumns;
    // Column names as the tables declare them, by their folded form.
    QHash<QString, QString> m_declaredNames;
    // The declared types of the tables' columns ("bit", "nvarchar(20)"), by the table's object
    // id and the column's number.
    QHash<std::pair<unsigned, int>, QString> m_declaredTypes;
    TableColumnsCache m_tableColumns;
};

} // namespace suite
