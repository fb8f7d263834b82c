#pragma once

#include "suite/data/PostgresConnection.h"
#include "suite/data/RecordSet.h"

#include <QString>

// A demo company of its own for one test on the PostgreSQL test server (CUSTOMER_ARCHIVE_PG):
// a database made from a template database that holds the demo company of that many customers.
// The template is built once per server and version of the schema scripts, by whichever test
// process comes first while the others wait for it; each copy is a database of its own, named after
// the process, and is dropped when the test ends.
class ServerDemoCopy
{
public:
    explicit ServerDemoCopy(int customers);
    ~ServerDemoCopy();
    ServerDemoCopy(const ServerDemoCopy &) = delete;
    ServerDemoCopy &operator=(const ServerDemoCopy &) = delete;

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString database() const { return m_database; }
    QString connectionText() const;

    // Statements past the services, in the company's schema or (system) in the system schema.
    bool execute(bool system, const QString &sql, QString &sMsg) const;
    suite::RecordSet query(bool system, const QString &sql, QString &sMsg) const;

    static QString templateName(int customers);

private:
    bool connect(suite::PostgresConnection &connection, bool system, QString &sMsg) const;

    suite::PostgresConnection m_admin;
    QString m_database;
    bool m_ok = false;
    QString m_error;
};
