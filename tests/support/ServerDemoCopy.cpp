#include "ServerDemoCopy.h"

#include "demo/SchemaScript.h"
#include "demo/ServerDemoCompany.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PostgresBackend.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QThread>

namespace {

const QString kCatalogue = QStringLiteral("KVDATA_001_2026");

QString serverText()
{
    return qEnvironmentVariable("CUSTOMER_ARCHIVE_PG");
}

// The server's connection text with the company on another database of the server.
QString textOn(const QString &database)
{
    return serverText()
        + QStringLiteral(";Database=%1;Initial Catalog=%2").arg(database, kCatalogue);
}

std::optional<suite::ConnectionText> parsed(const QString &text, QString &sMsg)
{
    return suite::ConnectionText::parse(text, sMsg);
}

bool openAdmin(suite::PostgresConnection &admin, QString &sMsg)
{
    if (serverText().isEmpty()) {
        sMsg = QStringLiteral("CUSTOMER_ARCHIVE_TEST_BACKEND=postgres needs a server in "
                              "CUSTOMER_ARCHIVE_PG; run the tests through "
                              "scripts/with-postgres.sh");
        return false;
    }
    const std::optional<suite::ConnectionText> server =
        parsed(serverText() + QStringLiteral(";Initial Catalog=") + kCatalogue, sMsg);
    return server && admin.open(server->postgresConnectionString(), {}, sMsg);
}

// Builds the template under a name of its own and gives it its real name only when it is
// whole, so that a template that exists is complete. The caller holds the build lock.
bool buildTemplate(suite::PostgresConnection &admin, int customers, QString &sMsg)
{
    const QString name = ServerDemoCopy::templateName(customers);
    const QString building = name + QStringLiteral("_building");
    if (!admin.execute(QStringLiteral("drop database if exists %1 with (force)").arg(building),
                       sMsg)
        || !admin.execute(QStringLiteral("create database %1").arg(building), sMsg)) {
        return false;
    }
    const std::optional<suite::ConnectionText> text = parsed(textOn(building), sMsg);
    demo::DemoSettings settings;
    settings.customers = customers;
    // A test that wants plug-ins configures its own.
    settings.plugIns = false;
    return text && demo::ServerDemoCompany::create(*text, settings, {}, sMsg)
        && admin.execute(QStringLiteral("alter database %1 rename to %2").arg(building, name),
                         sMsg);
}

bool ensureTemplate(suite::PostgresConnection &admin, int customers, QString &sMsg)
{
    // Every test process asks; one builds while the others wait on the lock.
    if (!admin.execute(QStringLiteral("select pg_advisory_lock(hashtext('demo template'))"), sMsg))
        return false;
    const suite::RecordSet found =
        admin.queryStatement(QStringLiteral("select 1 from pg_database where datname = $1"),
                             { ServerDemoCopy::templateName(customers) }, sMsg);
    bool made =
        found.IsOpen() && (found.RecordCount() > 0 || buildTemplate(admin, customers, sMsg));
    QString ignored;
    admin.execute(QStringLiteral("select pg_advisory_unlock(hashtext('demo template'))"), ignored);
    return made;
}

// A database copied from a template refuses while another session is connected to the
// template, which is only ever for a moment (another process checking it exists). Copying the
// files is about twice as fast as writing the copy through the log, for a 12 MB company (0.35
// against 0.65 s): the server's checkpoint costs little with fsync off.
bool copyTemplate(suite::PostgresConnection &admin, const QString &copy, int customers,
                  QString &sMsg)
{
    const QString statement = QStringLiteral("create database %1 template %2 strategy file_copy")
                                  .arg(copy, ServerDemoCopy::templateName(customers));
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (admin.execute(statement, sMsg))
            return true;
        if (!sMsg.contains(QStringLiteral("is being accessed by other users")))
            return false;
        QThread::msleep(100);
    }
    return false;
}

} // namespace

ServerDemoCopy::ServerDemoCopy(int customers)
{
    static QAtomicInt copies;
    m_database = QStringLiteral("demo_copy_%1_%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(copies.fetchAndAddRelaxed(1));
    QString sMsg;
    m_ok = openAdmin(m_admin, sMsg) && ensureTemplate(m_admin, customers, sMsg)
        && copyTemplate(m_admin, m_database, customers, sMsg);
    m_error = sMsg;
}

ServerDemoCopy::~ServerDemoCopy()
{
    QString ignored;
    // Connections the test left open are ended with it.
    if (m_ok)
        m_admin.execute(QStringLiteral("drop database if exists %1 with (force)").arg(m_database),
                        ignored);
}

// A server kept between runs gets a template of its own for each version of the scripts.
QString ServerDemoCopy::templateName(int customers)
{
    static const QString version = [] {
        QCryptographicHash hash(QCryptographicHash::Sha1);
        for (const char *script : { "system.sql", "meta.sql", "company.sql", "company_seed.sql",
                                    "company_indexes.sql" }) {
            QString text;
            QString ignored;
            demo::SchemaScript::read(QLatin1String(script), text, ignored);
            hash.addData(text.toUtf8());
        }
        return QString::fromLatin1(hash.result().toHex().left(10));
    }();
    return QStringLiteral("demo_template_%1_%2").arg(customers).arg(version);
}

QString ServerDemoCopy::connectionText() const
{
    return textOn(m_database);
}

bool ServerDemoCopy::connect(suite::PostgresConnection &connection, int database,
                             QString &sMsg) const
{
    const std::optional<suite::ConnectionText> text = parsed(connectionText(), sMsg);
    if (!text)
        return false;
    QStringList setup = suite::PostgresBackend::sessionSetup(*text);
    if (database == 1)
        setup.append(QStringLiteral("set search_path to %1, public")
                         .arg(suite::PostgresBackend::systemSchema(*text)));
    else if (database == 2)
        setup.append(
            QStringLiteral("set search_path to kvmeta_%1, public").arg(text->accountId.toLower()));
    return connection.open(text->postgresConnectionString(), setup, sMsg);
}

bool ServerDemoCopy::execute(int database, const QString &sql, QString &sMsg) const
{
    suite::PostgresConnection connection;
    return connect(connection, database, sMsg) && connection.execute(sql, sMsg);
}

suite::RecordSet ServerDemoCopy::query(int database, const QString &sql, QString &sMsg) const
{
    suite::PostgresConnection connection;
    if (!connect(connection, database, sMsg))
        return {};
    return connection.queryStatement(sql, {}, sMsg);
}
