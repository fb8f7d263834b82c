#include "suite/data/SqliteBackend.h"

#include "suite/data/tsql/SqliteDialect.h"

#include <QFileInfo>

#include <sqlite3.h>

#include <algorithm>

namespace suite {

namespace {

// The language the metadata of the session is read in (aa_busobject_base.langid ...): the
// connection text's "Locale Identifier", Chinese when it names none.
QString localeOf(const ConnectionText &connection)
{
    const QString locale = connection.properties.value(QStringLiteral("locale identifier"));
    return locale.isEmpty() ? QStringLiteral("zh-CN") : locale;
}

void localeIdFunction(sqlite3_context *context, int, sqlite3_value **)
{
    const auto *locale = static_cast<const QByteArray *>(sqlite3_user_data(context));
    sqlite3_result_text(context, locale->constData(), int(locale->size()), SQLITE_TRANSIENT);
}

// Whether the column admits no null and ORDER BY compares it by the collation.
bool comparesNotNullBy(sqlite3 *db, const QString &table, const QString &column,
                       const QString &collation)
{
    const char *declared = nullptr;
    int notNull = 0;
    const int code = sqlite3_table_column_metadata(db, nullptr, table.toUtf8().constData(),
                                                   column.toUtf8().constData(), nullptr, &declared,
                                                   &notNull, nullptr, nullptr);
    return code == SQLITE_OK && notNull != 0
        && collation.compare(QString::fromUtf8(declared), Qt::CaseInsensitive) == 0;
}

} // namespace

std::unique_ptr<SqliteBackend> SqliteBackend::open(const ConnectionText &connection, QString &sMsg)
{
    const QFileInfo file(connection.databaseFile);
    if (!file.isFile()) {
        sMsg = QStringLiteral("The company database file '%1' does not exist.")
                   .arg(connection.databaseFile);
        return nullptr;
    }
    std::unique_ptr<SqliteBackend> backend(new SqliteBackend);
    if (!backend->m_connection.open(file.filePath(), sMsg, SqliteConnection::OpenMode::ReadWrite))
        return nullptr;
    backend->m_dialect = std::make_shared<tsql::SqliteDialect>(&backend->m_searchStatistics);
    if (!backend->registerFunctions(connection, sMsg))
        return nullptr;
    if (!backend->attachBeside(connection, QStringLiteral("kvsystem"), sMsg))
        return nullptr;
    if (!connection.accountId.isEmpty()
        && !backend->attachBeside(connection, QStringLiteral("KvMeta_") + connection.accountId,
                                  sMsg)) {
        return nullptr;
    }
    backend->loadTextColumns();
    return backend;
}

bool SqliteBackend::registerFunctions(const ConnectionText &connection, QString &sMsg)
{
    m_localeId = localeOf(connection).toUtf8();
    const int code = sqlite3_create_function_v2(m_connection.handle(), "UDF_GetLocaleID", 0,
                                                SQLITE_UTF8 | SQLITE_DETERMINISTIC, &m_localeId,
                                                localeIdFunction, nullptr, nullptr, nullptr);
    if (code == SQLITE_OK)
        return true;
    sMsg = QStringLiteral("Cannot register UDF_GetLocaleID: %1")
               .arg(QString::fromUtf8(sqlite3_errstr(code)));
    return false;
}

bool SqliteBackend::attachBeside(const ConnectionText &connection, const QString &schema,
                                 QString &sMsg)
{
    const QString path = connection.directory() + u'/' + schema + QStringLiteral(".db");
    if (!QFileInfo(path).isFile())
        return true;
    return m_connection.execute(
        QStringLiteral("attach database ? as %1").arg(quoteSqliteIdentifier(schema)),
        { SqliteConnection::openName(path) }, sMsg);
}

// Kept while the schema stays as it was: every page a list reads asks for the columns of its
// table and of each table it joins.
bool SqliteBackend::tableColumns(const QString &table, TableColumns &columns, QString &sMsg)
{
    const QString version = schemaVersion();
    if (version != m_tableColumnsVersion) {
        m_tableColumns.clear();
        m_tableColumnsVersion = version;
    }
    return m_tableColumns.find(table, columns, sMsg,
                               [this](const QString &name, TableColumns &read, QString &reason) {
                                   return readTableColumns(name, read, reason);
                               });
}

bool SqliteBackend::readTableColumns(const QString &table, TableColumns &columns, QString &sMsg)
{
    const RecordSet info = m_connection.query(
        QStringLiteral("select name, type, pk from pragma_table_info(?) order by cid"), { table },
        sMsg);
    if (!info.IsOpen())
        return false;
    if (info.RecordCount() == 0) {
        sMsg = QStringLiteral("The company database has no table %1.").arg(table);
        return false;
    }
    columns = TableColumns();
    QList<std::pair<int, QString>> keyParts;
    for (int row = 0; row < info.RecordCount(); ++row) {
        const QString name = info.valueAt(row, 0).toString();
        columns.fields.append(fieldOfDeclaredType(name, info.valueAt(row, 1).toString()));
        if (const int keyOrder = info.valueAt(row, 2).toInt(); keyOrder > 0)
            keyParts.append({ keyOrder, name });
    }
    std::sort(keyParts.begin(), keyParts.end());
    for (const auto &part : std::as_const(keyParts))
        columns.primaryKey.append(part.second);
    columns.primaryKeyOrdersRows = keyOrdersRows(table, columns.primaryKey);
    return true;
}

// A key whose unique index compares a column by another collation than the column's own, which
// ORDER BY uses, lets rows tie in that order ('a' and 'A' under NOCASE); so do nulls, which
// SQLite admits in a key column not declared NOT NULL. The rowid, a key without an index of
// its own, is never null.
bool SqliteBackend::keyOrdersRows(const QString &table, const QStringList &key)
{
    QString sMsg;
    const RecordSet keyIndex = m_connection.query(
        QStringLiteral("select x.name, x.coll from pragma_index_list(?1) l, "
                       "pragma_index_xinfo(l.name) x where l.origin = 'pk' and x.key = 1"),
        { table }, sMsg);
    if (key.isEmpty() || !keyIndex.IsOpen())
        return false;
    if (keyIndex.RecordCount() == 0)
        return key.size() == 1;
    for (int row = 0; row < keyIndex.RecordCount(); ++row) {
        if (!comparesNotNullBy(m_connection.handle(), table, keyIndex.valueAt(row, 0).toString(),
                               keyIndex.valueAt(row, 1).toString())) {
            return false;
        }
    }
    return true;
}

QString SqliteBackend::schemaVersion()
{
    QString sMsg;
    const RecordSet main =
        m_connection.query(QStringLiteral("pragma main.schema_version"), {}, sMsg);
    const RecordSet temp =
        m_connection.query(QStringLiteral("pragma temp.schema_version"), {}, sMsg);
    return main.valueAt(0, 0).toString() + u'/' + temp.valueAt(0, 0).toString();
}

void SqliteBackend::loadTextColumns()
{
    m_textColumns.clear();
    m_textColumnsVersion = schemaVersion();
    QString sMsg;
    const RecordSet schemas =
        m_connection.query(QStringLiteral("select name from pragma_database_list"), {}, sMsg);
    for (int schema = 0; schema < schemas.RecordCount(); ++schema) {
        const QString name = schemas.valueAt(schema, 0).toString();
        const RecordSet columns = m_connection.query(
            QStringLiteral("select m.name, p.name, p.type from %1.sqlite_master m"
                           " join pragma_table_info(m.name, ?) p where m.type in ('table', 'view')")
                .arg(quoteSqliteIdentifier(name)),
            { name }, sMsg);
        for (int row = 0; row < columns.RecordCount(); ++row) {
            const Field field = fieldOfDeclaredType(columns.valueAt(row, 1).toString(),
                                                    columns.valueAt(row, 2).toString());
            m_textColumns.addColumn(columns.valueAt(row, 0).toString(), field.name,
                                    typeFamily(field.type) == TypeFamily::Text);
        }
    }
}

bool SqliteBackend::isTextColumn(QStringView qualifier, QStringView column)
{
    std::optional<bool> holdsText = m_textColumns.holdsText(qualifier, column);
    if (!holdsText && schemaVersion() != m_textColumnsVersion) {
        loadTextColumns();
        holdsText = m_textColumns.holdsText(qualifier, column);
    }
    return holdsText.value_or(false);
}

// Read again when the schema changes. Statistics taken anew without a change of the schema
// leave the columns as they were read: a column rarely turns from coarse to fine.
bool SqliteBackend::isCoarseColumn(QStringView qualifier, QStringView column)
{
    const QString version = schemaVersion();
    if (version != m_coarseColumnsVersion) {
        m_coarseColumns.load(m_connection);
        m_coarseColumnsVersion = version;
    }
    return m_coarseColumns.isCoarse(qualifier, column);
}

} // namespace suite
