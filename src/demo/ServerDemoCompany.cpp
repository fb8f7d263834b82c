#include "demo/ServerDemoCompany.h"

#include "demo/CompanyLoader.h"
#include "demo/CompletionSchedule.h"
#include "demo/CopyTableWriter.h"
#include "demo/SchemaScript.h"

#include "suite/data/PostgresBackend.h"
#include "suite/data/PostgresConnection.h"
#include "suite/data/tsql/PostgresDialect.h"
#include "suite/data/tsql/TsqlTranslator.h"

#include <QRegularExpression>

#include <optional>
#include <thread>

namespace demo {

namespace {

struct Schema
{
    QString name;
    QStringList scripts;

    QString building() const { return name + QStringLiteral("_new"); }
};

QString quoted(const QString &name)
{
    return suite::quotePostgresIdentifier(name);
}

bool execute(suite::PostgresConnection &connection, const QString &sql, QString &sMsg)
{
    QString reason;
    if (connection.execute(sql, reason))
        return true;
    sMsg =
        QStringLiteral("the PostgreSQL server refused to build the demo company: %1").arg(reason);
    return false;
}

bool companyExists(suite::PostgresConnection &connection, const QString &schema, bool &exists,
                   QString &sMsg)
{
    const suite::RecordSet found = connection.queryStatement(
        QStringLiteral("select 1 from pg_namespace where nspname = $1"), { schema }, sMsg);
    exists = found.RecordCount() > 0;
    return found.IsOpen();
}

// A schema of its own, made from nothing by its scripts, under its building name.
bool buildScripted(suite::PostgresConnection &connection, const Schema &schema, QString &sMsg)
{
    const auto dialect = std::make_shared<suite::tsql::PostgresDialect>();
    if (!execute(connection,
                 QStringLiteral("drop schema if exists %1 cascade; create schema %1; "
                                "set search_path to %1, public")
                     .arg(quoted(schema.building())),
                 sMsg)) {
        return false;
    }
    for (const QString &script : schema.scripts) {
        if (!SchemaScript::run(connection, dialect, script, sMsg))
            return false;
    }
    return true;
}

// The language the session reads the metadata in, which every connection of the data service
// sets (see PostgresBackend::sessionSetup).
bool createLocaleFunction(suite::PostgresConnection &connection, QString &sMsg)
{
    return execute(connection,
                   QStringLiteral("create function udf_getlocaleid() returns text language sql "
                                  "stable as $$ select coalesce(current_setting("
                                  "'customer_archive.locale', true), 'zh-CN') $$"),
                   sMsg);
}

// The statements that complete a loaded company: company_postgres.sql (the trigram index of
// the quick search first, which alone takes about as long as all the other indexes together),
// company_indexes.sql translated, and the planner's statistics of every table of the company,
// not of the rest of the server's database. The loaded rows went in frozen and their pages
// all-visible (see CopyTableWriter), so no VACUUM is needed for the lists' index-only reads.
bool readCompletion(suite::PostgresConnection &connection, CompletionSchedule &schedule,
                    QString &sMsg)
{
    QString postgres;
    QString indexes;
    if (!SchemaScript::read(QStringLiteral("company_postgres.sql"), postgres, sMsg)
        || !SchemaScript::read(QStringLiteral("company_indexes.sql"), indexes, sMsg)) {
        return false;
    }
    // Each of the script's statements ends with a semicolon at the end of a line.
    static const QRegularExpression statementEnd(QStringLiteral(";[ \\t]*(\\n|$)"));
    static const QRegularExpression comment(QStringLiteral("--[^\\n]*"));
    for (const QString &statement : postgres.split(statementEnd)) {
        if (!QString(statement).remove(comment).trimmed().isEmpty()
            && !schedule.add(statement, sMsg)) {
            return false;
        }
    }
    suite::tsql::TsqlTranslator translator(std::make_shared<suite::tsql::PostgresDialect>());
    const std::shared_ptr<const suite::tsql::Batch> batch = translator.translate(indexes, sMsg);
    if (!batch)
        return false;
    for (const suite::tsql::Step &step : batch->steps) {
        if (!schedule.add(step.sql, sMsg))
            return false;
    }
    const suite::RecordSet tables = connection.queryStatement(
        QStringLiteral("select quote_ident(c.relname) from pg_class c join pg_namespace n on "
                       "n.oid = c.relnamespace where n.nspname = current_schema() and "
                       "c.relkind = 'r' order by c.relname"),
        {}, sMsg);
    if (!tables.IsOpen())
        return false;
    for (int row = 0; row < tables.RecordCount(); ++row)
        schedule.addAnalyze(tables.valueAt(row, 0).toString());
    return true;
}

// Runs the schedule's statements on one connection until none is left or one fails, telling
// progress after each where given one.
bool complete(suite::PostgresConnection &connection, CompletionSchedule &schedule, QString &sMsg,
              const Progress &progress = {})
{
    for (std::optional<CompletionSchedule::Statement> statement = schedule.take(); statement;
         statement = schedule.take()) {
        const bool done = execute(connection, statement->sql, sMsg);
        schedule.finish(statement->number, done);
        if (!done)
            return false;
        if (progress) {
            const auto [finished, total] = schedule.progress();
            progress(QStringLiteral("indexes"), finished, total);
        }
    }
    return true;
}

// A second connection to the schema being built, completing the company beside the first
// on a thread of its own.
class CompletionBeside
{
public:
    CompletionBeside(suite::PostgresConnection &connection, CompletionSchedule &schedule)
    {
        m_ok = m_beside.open(connection.connectionString(),
                             connection.sessionSetup()
                                 + QStringList{ QStringLiteral("set search_path to ")
                                                + currentSchema(connection) + u',' + u' '
                                                + QStringLiteral("public") },
                             m_error);
        if (m_ok)
            m_thread =
                std::thread([this, &schedule] { m_ok = complete(m_beside, schedule, m_error); });
    }

    bool finish(QString &sMsg)
    {
        if (m_thread.joinable())
            m_thread.join();
        if (!m_ok)
            sMsg = m_error;
        return m_ok;
    }

    ~CompletionBeside()
    {
        if (m_thread.joinable())
            m_thread.join();
    }

private:
    static QString currentSchema(suite::PostgresConnection &connection)
    {
        QString ignored;
        const suite::RecordSet schema = connection.queryStatement(
            QStringLiteral("select quote_ident(current_schema())"), {}, ignored);
        return schema.RecordCount() > 0 ? schema.valueAt(0, 0).toString() : QString();
    }

    suite::PostgresConnection m_beside;
    std::thread m_thread;
    bool m_ok = false;
    QString m_error;
};

bool loadCompany(suite::PostgresConnection &connection, const DemoSettings &settings,
                 const Progress &progress, QString &sMsg)
{
    CompanyLoader loader(connection, std::make_unique<CopyTableWriter>(connection),
                         suite::tsql::PostgresDialect().rowIdentity(), settings.seed);
    if (!loader.prepare(sMsg) || !loader.loadDivisions(sMsg)
        || !loader.loadCustomers(settings.customers, progress, sMsg)) {
        return false;
    }
    progress(QStringLiteral("indexes"), 0, 0);
    CompletionSchedule schedule;
    if (!readCompletion(connection, schedule, sMsg))
        return false;
    CompletionBeside beside(connection, schedule);
    const bool completed = complete(connection, schedule, sMsg, progress);
    return beside.finish(sMsg) && completed;
}

// The old schemas go and the new ones take their names at one commit.
bool swapIn(suite::PostgresConnection &connection, const QList<Schema> &schemas, QString &sMsg)
{
    QStringList statements{ QStringLiteral("begin") };
    for (const Schema &schema : schemas) {
        statements.append(
            QStringLiteral("drop schema if exists %1 cascade").arg(quoted(schema.name)));
        statements.append(QStringLiteral("alter schema %1 rename to %2")
                              .arg(quoted(schema.building()), quoted(schema.name)));
    }
    statements.append(QStringLiteral("commit"));
    if (execute(connection, statements.join(QStringLiteral("; ")), sMsg))
        return true;
    QString ignored;
    connection.execute(QStringLiteral("rollback"), ignored);
    return false;
}

void dropBuilding(suite::PostgresConnection &connection, const QList<Schema> &schemas)
{
    QString ignored;
    for (const Schema &schema : schemas)
        connection.execute(
            QStringLiteral("drop schema if exists %1 cascade").arg(quoted(schema.building())),
            ignored);
}

} // namespace

bool ServerDemoCompany::create(const suite::ConnectionText &server, const DemoSettings &settings,
                               const Progress &progress, QString &sMsg)
{
    const Progress report = progress ? progress : [](const QString &, qint64, qint64) {
    };
    const QString company = suite::PostgresBackend::companySchema(server);
    suite::PostgresConnection connection;
    if (!connection.open(server.postgresConnectionString(),
                         { QStringLiteral("set client_encoding to 'UTF8'"),
                           QStringLiteral("set datestyle to ISO, YMD"),
                           // The indexes of a million customers are sorted in memory. Two
                           // connections build them side by side already; a B-tree's
                           // parallel workers would only take time from the trigram index,
                           // which takes longest and is built by one process.
                           QStringLiteral("set maintenance_work_mem to '512MB'"),
                           QStringLiteral("set max_parallel_maintenance_workers to 0"),
                           QStringLiteral("set synchronous_commit to off") },
                         sMsg)) {
        return false;
    }
    bool exists = false;
    if (!companyExists(connection, company, exists, sMsg))
        return false;
    if (exists && !settings.overwrite) {
        sMsg = QStringLiteral("the company %1 already exists on the PostgreSQL server")
                   .arg(server.catalogue);
        return false;
    }
    QStringList systemScripts{ QStringLiteral("system.sql") };
    if (settings.plugIns)
        systemScripts.append(QStringLiteral("system_plugins.sql"));
    const QList<Schema> schemas = {
        { suite::PostgresBackend::systemSchema(server), systemScripts },
        { QStringLiteral("kvmeta_") + server.accountId.toLower(), { QStringLiteral("meta.sql") } },
        { company, { QStringLiteral("company.sql"), QStringLiteral("company_seed.sql") } },
    };
    if (!execute(connection,
                 QStringLiteral("create extension if not exists citext schema public; "
                                "create extension if not exists pg_trgm schema public"),
                 sMsg)) {
        return false;
    }
    bool built = true;
    for (const Schema &schema : schemas) {
        report(QStringLiteral("schema %1").arg(schema.name), 0, 0);
        built = built && buildScripted(connection, schema, sMsg);
    }
    built = built && createLocaleFunction(connection, sMsg)
        && loadCompany(connection, settings, report, sMsg) && swapIn(connection, schemas, sMsg);
    if (!built)
        dropBuilding(connection, schemas);
    return built;
}

} // namespace demo
