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

    // Statements past the services, in the schema of the company's database of that number, as
    // a demo company numbers its files: 0 the company, 1 the system, 2 the metadata.
    bool execute(int database, const QString &sql, QString &sMsg) const;
    suite::RecordSet query(int database, const QString &sql, QString &sMsg) const;

    static QString templateName(int customers);

private:
    bool connect(suite::PostgresConnection &connection, int database, QString &sMsg) const;

    suite::PostgresConnection m_admin;
    QString m_database;
    bool m_ok = false;
    QString m_error;
};
