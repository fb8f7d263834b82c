#include "suite/data/PostgresBackend.h"

#include "suite/data/SqliteConnection.h"
#include "suite/data/tsql/PostgresDialect.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace suite {

namespace {

QString sqlText(const QString &text)
{
    return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// A table as the company's statements name it (Customer, #picked, kvsystem..ua_account) as
// to_regclass reads it.
QString regclassName(const QString &table, const QString &systemSchema)
{
    if (table.startsWith(u'#'))
        return QStringLiteral("pg_temp.") + quotePostgresIdentifier(table.toLower());
    QStringList parts;
    for (const QString &part : table.split(u'.', Qt::SkipEmptyParts))
        parts.append(quotePostgresIdentifier(
            part.compare(u"kvsystem", Qt::CaseInsensitive) == 0 ? systemSchema : part.toLower()));
    return parts.join(u'.');
}

// The statistics' distinct values of an index's leading column: each value takes a hundredth
// of the rows or more. A negative n_distinct is the share of the rows that are distinct.
bool coarseStatistics(double distinct)
{
    return distinct < 0 ? -distinct <= 0.01 : distinct > 0 && distinct <= 100;
}

} // namespace

QString PostgresBackend::companySchema(const ConnectionText &connection)
{
    return connection.catalogue.toLower();
}

QString PostgresBackend::systemSchema(const ConnectionText &connection)
{
    const QString named = connection.properties.value(QStringLiteral("system schema"));
    return named.isEmpty() ? QStringLiteral("kvsystem") : named.toLower();
}

QStringList PostgresBackend::sessionSetup(const ConnectionText &connection)
{
    const QString locale = connection.properties.value(QStringLiteral("locale identifier"));
    return {
        QStringLiteral("set search_path to %1, public")
            .arg(quotePostgresIdentifier(companySchema(connection))),
        QStringLiteral("set client_encoding to 'UTF8'"),
        QStringLiteral("set datestyle to ISO, YMD"),
        // As SQLite's busy time-out: another writer of the same rows is waited for, not forever.
        QStringLiteral("set lock_timeout to '30s'"),
        // Read by UDF_GetLocaleID(), the language the metadata of the session is read in.
        QStringLiteral("select set_config('customer_archive.locale', %1, false)")
            .arg(sqlText(locale.isEmpty() ? QStringLiteral("zh-CN") : locale)),
    };
}

std::unique_ptr<PostgresBackend> PostgresBackend::open(const ConnectionText &connection,
                                                       QString &sMsg)
{
    std::unique_ptr<PostgresBackend> backend(new PostgresBackend);
    if (!backend->m_connection.open(connection.postgresConnectionString(), sessionSetup(connection),
                                    sMsg)) {
        return nullptr;
    }
    const QString schema = companySchema(connection);
    const RecordSet found = backend->m_connection.queryStatement(
        QStringLiteral("select 1 from pg_namespace where nspname = $1"), { schema }, sMsg);
    if (!found.IsOpen())
        return nullptr;
    if (found.RecordCount() == 0) {
        sMsg = QStringLiteral("The company database '%1' does not exist on the PostgreSQL server.")
                   .arg(connection.catalogue);
        return nullptr;
    }
    backend->m_schemas = { schema, systemSchema(connection) };
    if (!connection.accountId.isEmpty())
        backend->m_schemas.append(QStringLiteral("kvmeta_") + connection.accountId.toLower());
    backend->m_dialect = std::make_shared<tsql::PostgresDialect>(systemSchema(connection));
    PostgresBackend *self = backend.get();
    backend->m_connection.setShownField([self](const Field &described, unsigned table, int column) {
        return self->shownField(described, table, column);
    });
    backend->m_connection.setSchemaChanged([self] { self->m_catalogueStale = true; });
    backend->loadCatalogue();
    return backend;
}

Field PostgresBackend::shownField(const Field &described, unsigned table, int column)
{
    if (m_catalogueStale)
        loadCatalogue();
    const QString name = m_declaredNames.value(described.name, described.name);
    const QString declared = m_declaredTypes.value({ table, column });
    if (declared.isEmpty()) {
        Field shown = described;
        shown.name = name;
        return shown;
    }
    return fieldOfDeclaredType(name, declared);
}

std::optional<qint64> PostgresBackend::estimatedRows(const QString &select)
{
    QString sMsg;
    const RecordSet plan =
        m_connection.queryStatement(QStringLiteral("explain (format json) ") + select, {}, sMsg);
    if (plan.RecordCount() != 1)
        return std::nullopt;
    const QJsonValue rows = QJsonDocument::fromJson(plan.valueAt(0, 0).toString().toUtf8())
                                .array()
                                .at(0)[QLatin1String("Plan")][QLatin1String("Plan Rows")];
    if (!rows.isDouble())
        return std::nullopt;
    return qint64(rows.toDouble());
}

QString PostgresBackend::schemaVersion()
{
    QString sMsg;
    const RecordSet version = m_connection.queryStatement(
        QStringLiteral("select count(*)::text || '/' || coalesce(max(c.oid::int8), 0) || '/' || "
                       "coalesce(sum(c.relnatts), 0) from pg_class c join pg_namespace n on "
                       "n.oid = c.relnamespace where c.relkind in ('r', 'v', 'p') and "
                       "(n.nspname = any($1) or n.oid = pg_my_temp_schema())"),
        { QStringLiteral("{%1}").arg(m_schemas.join(u',')) }, sMsg);
    return version.valueAt(0, 0).toString();
}

void PostgresBackend::loadCatalogue()
{
    m_catalogueStale = false;
    m_catalogueVersion = schemaVersion();
    m_textColumns.clear();
    m_coarseColumns.clear();
    m_declaredNames.clear();
    m_declaredTypes.clear();
    m_tableColumns.clear();
    const QString schemas = QStringLiteral("{%1}").arg(m_schemas.join(u','));
    QString sMsg;
    const RecordSet columns = m_connection.queryStatement(
        QStringLiteral("select c.relname, a.attname, t.typcategory = 'S', "
                       "split_part(col_description(c.oid, a.attnum), ' ', 1), c.oid::int8, "
                       "a.attnum, substr(col_description(c.oid, a.attnum), "
                       "strpos(col_description(c.oid, a.attnum), ' ') + 1) "
                       "from pg_attribute a join pg_class c on c.oid = a.attrelid "
                       "join pg_namespace n on n.oid = c.relnamespace "
                       "join pg_type t on t.oid = a.atttypid "
                       "where c.relkind in ('r', 'v', 'p') and a.attnum > 0 and not a.attisdropped "
                       "and (n.nspname = any($1) or n.oid = pg_my_temp_schema())"),
        { schemas }, sMsg);
    for (int row = 0; row < columns.RecordCount(); ++row) {
        const QString folded = columns.valueAt(row, 1).toString();
        const QString declared = columns.valueAt(row, 3).toString();
        m_textColumns.addColumn(columns.valueAt(row, 0).toString(), folded,
                                columns.valueAt(row, 2).toBool());
        if (!declared.isEmpty() && declared.toLower() == folded) {
            m_declaredNames.insert(folded, declared);
            m_declaredTypes.insert(
                { unsigned(columns.valueAt(row, 4).toLongLong()), columns.valueAt(row, 5).toInt() },
                columns.valueAt(row, 6).toString());
        }
    }
    const RecordSet stats = m_connection.queryStatement(
        QStringLiteral("select s.tablename, s.attname, s.n_distinct from pg_index i "
                       "join pg_class c on c.oid = i.indrelid "
                       "join pg_namespace n on n.oid = c.relnamespace "
                       "join pg_attribute a on a.attrelid = c.oid and a.attnum = i.indkey[0] "
                       "join pg_stats s on s.schemaname = n.nspname and s.tablename = c.relname "
                       "and s.attname = a.attname where n.nspname = any($1)"),
        { schemas }, sMsg);
    for (int row = 0; row < stats.RecordCount(); ++row) {
        m_coarseColumns.addAnalysedColumn(stats.valueAt(row, 0).toString(),
                                          stats.valueAt(row, 1).toString(),
                                          coarseStatistics(stats.valueAt(row, 2).toDouble()));
    }
}

bool PostgresBackend::tableColumns(const QString &table, TableColumns &columns, QString &sMsg)
{
    if (m_catalogueStale || schemaVersion() != m_catalogueVersion)
        loadCatalogue();
    return m_tableColumns.find(table, columns, sMsg,
                               [this](const QString &name, TableColumns &read, QString &reason) {
                                   return readTableColumns(name, read, reason);
                               });
}

// A primary key of PostgreSQL admits no null, and its index orders as ORDER BY does (citext
// by citext's comparison), so ordering by it gives every row a place of its own.
bool PostgresBackend::readTableColumns(const QString &table, TableColumns &columns, QString &sMsg)
{
    const RecordSet info = m_connection.queryStatement(
        QStringLiteral("select a.attname, format_type(a.atttypid, a.atttypmod), "
                       "col_description(a.attrelid, a.attnum), "
                       "array_position(i.indkey::int2[], a.attnum) from pg_attribute a "
                       "left join pg_index i on i.indrelid = a.attrelid and i.indisprimary "
                       "where a.attrelid = to_regclass($1) and a.attnum > 0 and not a.attisdropped "
                       "order by a.attnum"),
        { regclassName(table, m_schemas.at(1)) }, sMsg);
    if (!info.IsOpen())
        return false;
    if (info.RecordCount() == 0) {
        sMsg = QStringLiteral("The company database has no table %1.").arg(table);
        return false;
    }
    columns = TableColumns();
    QList<std::pair<int, QString>> keyParts;
    for (int row = 0; row < info.RecordCount(); ++row) {
        const QString comment = info.valueAt(row, 2).toString();
        const QString name =
            comment.isEmpty() ? info.valueAt(row, 0).toString() : comment.section(u' ', 0, 0);
        const QString type =
            comment.isEmpty() ? info.valueAt(row, 1).toString() : comment.section(u' ', 1);
        columns.fields.append(fieldOfDeclaredType(name, type));
        if (const QVariant keyOrder = info.valueAt(row, 3); !keyOrder.isNull())
            keyParts.append({ keyOrder.toInt(), name });
    }
    std::sort(keyParts.begin(), keyParts.end());
    for (const auto &part : std::as_const(keyParts))
        columns.primaryKey.append(part.second);
    columns.primaryKeyOrdersRows = !columns.primaryKey.isEmpty();
    return true;
}

bool PostgresBackend::isTextColumn(QStringView qualifier, QStringView column)
{
    std::optional<bool> holdsText = m_textColumns.holdsText(qualifier, column);
    if (!holdsText && (m_catalogueStale || schemaVersion() != m_catalogueVersion)) {
        loadCatalogue();
        holdsText = m_textColumns.holdsText(qualifier, column);
    }
    return holdsText.value_or(false);
}

// Statistics taken anew (ANALYZE, autovacuum) without a change of the tables leave the columns
// as they were read: a column rarely turns from coarse to fine.
bool PostgresBackend::isCoarseColumn(QStringView qualifier, QStringView column)
{
    return m_coarseColumns.isCoarse(qualifier, column);
}

} // namespace suite
