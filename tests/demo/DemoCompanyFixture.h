#pragma once

#include "demo/DemoCompany.h"

#include "suite/data/SqliteConnection.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// One small demo company per test program, built on first use; tests only read it.
class SmallDemoCompany
{
public:
    static constexpr int kCustomers = 200;

    static const SmallDemoCompany &instance()
    {
        static const SmallDemoCompany company;
        return company;
    }

    QString dir() const { return m_dir.path(); }
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }

    // A connection of its own to one of the three databases.
    suite::SqliteConnection open(int which = 0) const
    {
        suite::SqliteConnection connection;
        QString sMsg;
        connection.open(demo::DemoCompany::paths(dir()).at(which), sMsg,
                        suite::SqliteConnection::OpenMode::ReadOnly);
        return connection;
    }

private:
    SmallDemoCompany()
    {
        demo::DemoSettings settings;
        settings.customers = kCustomers;
        m_ok = demo::DemoCompany::create(m_dir.path(), settings, {}, m_error);
    }

    QTemporaryDir m_dir;
    bool m_ok = false;
    QString m_error;
};

// The first column of the first row of a statement, as text; the statement's error otherwise.
inline QString scalar(suite::SqliteConnection &connection, const QString &sql)
{
    QString sMsg;
    const suite::RecordSet rs = connection.query(sql, {}, sMsg);
    if (!rs.IsOpen())
        return QStringLiteral("error: ") + sMsg;
    return rs.Eof() ? QStringLiteral("no row") : rs.Value(0).toString();
}

inline QStringList column(suite::SqliteConnection &connection, const QString &sql)
{
    QString sMsg;
    suite::RecordSet rs = connection.query(sql, {}, sMsg);
    QStringList values;
    if (!rs.IsOpen())
        return { QStringLiteral("error: ") + sMsg };
    for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext())
        values.append(rs.Value(0).toString());
    return values;
}
