#pragma once

#include "ServerDemoCopy.h"
#include "TestBackend.h"

#include "demo/DemoCompany.h"

#include "suite/data/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A text expression as SQLite's quote() writes it, in SQL both backends take: 'it''s', or
// NULL when it is null.
inline QString quotedInSql(const QString &expression)
{
    return QStringLiteral("coalesce('''' || replace(%1, '''', '''''') || '''', 'NULL')")
        .arg(expression);
}

// A demo company of its own for one test, of Customers customers, on the backend the process
// tests (see TestBackend). On SQLite: the databases of a demo company built once per test
// program, copied into a fresh folder. On PostgreSQL: a database of its own on the server (see
// ServerDemoCopy).
template<int Customers = 20> class DemoCompanyCopy
{
public:
    static constexpr int kCustomers = Customers;
    enum Database { Company = 0, System = 1 };

    DemoCompanyCopy()
    {
        if (testBackend() == TestBackend::Postgres) {
            m_server = std::make_unique<ServerDemoCopy>(kCustomers);
            m_ok = m_server->ok();
            m_error = m_server->error();
            return;
        }
        const Template &built = Template::instance();
        m_error = built.error;
        m_ok = built.ok;
        for (const QString &file : demo::DemoCompany::paths(built.dir.path())) {
            const QString copy = m_dir.filePath(QFileInfo(file).fileName());
            if (m_ok && !QFile::copy(file, copy)) {
                m_ok = false;
                m_error = QStringLiteral("cannot copy %1 to %2").arg(file, copy);
            }
        }
    }

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    // The folder and files of a company on SQLite; a test of the files skips itself on the
    // server (SKIP_ON_SERVER_BACKEND).
    QString dir() const { return m_dir.path(); }
    QString file(Database which) const { return demo::DemoCompany::paths(dir()).at(which); }
    // The company as a user names it to the host: its file on SQLite, its connection text on
    // the server.
    QString database() const { return m_server ? m_server->connectionText() : file(Company); }
    QString connectionText() const
    {
        if (m_server)
            return m_server->connectionText();
        return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=KVDATA_001_2026")
            .arg(file(Company));
    }

    // Statements run past the services, on a connection of their own, in SQL both backends
    // understand.
    void run(Database which, const QString &sql) const
    {
        QString sMsg;
        if (m_server) {
            ASSERT_TRUE(m_server->execute(int(which), sql, sMsg)) << qPrintable(sMsg);
            return;
        }
        suite::SqliteConnection db;
        ASSERT_TRUE(db.open(file(which), sMsg)) << qPrintable(sMsg);
        ASSERT_TRUE(db.execute(sql, sMsg)) << qPrintable(sMsg);
    }

    // The values of the first column, row after row, as text.
    QStringList column(Database which, const QString &sql) const
    {
        QStringList values;
        for (const QStringList &row : rows(which, sql))
            values.append(row.value(0));
        return values;
    }

    // Whether the database has a table of that name, whatever its case.
    bool hasTable(Database which, const QString &name) const
    {
        const QString sql = m_server
            ? QStringLiteral("select 1 from pg_tables where schemaname = current_schema() and "
                             "tablename = lower('%1')")
            : QStringLiteral("select 1 from sqlite_master where type = 'table' and name = '%1' "
                             "collate nocase");
        return rows(which, sql.arg(name)) == QList<QStringList>{ { QStringLiteral("1") } };
    }

    // Makes every later update of the table fail with the message, as a fault in the middle of
    // a write would.
    void refuseUpdates(Database which, const QString &table, const QString &message) const
    {
        run(which,
            m_server ? QStringLiteral("create function refuse_%1() returns trigger language "
                                      "plpgsql as $$ begin raise exception '%2'; end $$; "
                                      "create trigger refuse_%1 before update on %1 for each "
                                      "row execute function refuse_%1()")
                           .arg(table, message)
                     : QStringLiteral("create trigger refuse_%1 before update on %1 begin "
                                      "select raise(abort, '%2'); end")
                           .arg(table, message));
    }

    // The first value of a query as the backend reads it; null when there is none.
    QVariant value(Database which, const QString &sql) const
    {
        QString sMsg;
        const suite::RecordSet result = query(which, sql, sMsg);
        return result.RecordCount() > 0 ? result.valueAt(0, 0) : QVariant();
    }

    // The names of the database's tables, in order.
    QStringList tableNames(Database which) const
    {
        return column(which,
                      m_server ? QStringLiteral("select tablename from pg_tables where "
                                                "schemaname = current_schema() order by 1")
                               : QStringLiteral("select name from sqlite_master where type = "
                                                "'table' order by name"));
    }

    // The columns of a table as it declares them, in order, each with its declared type
    // ("cCusCode" / "nvarchar(20)"); the server keeps the declaration in the column's comment
    // when the company's scripts made the table.
    QList<std::pair<QString, QString>> declaredColumns(Database which, const QString &table) const
    {
        const QString sql = m_server
            ? QStringLiteral("select coalesce(split_part(d, ' ', 1), attname), coalesce(substr(d, "
                             "strpos(d, ' ') + 1), format_type(atttypid, atttypmod)) from "
                             "(select a.*, col_description(a.attrelid, a.attnum) d from "
                             "pg_attribute a where a.attrelid = to_regclass(lower('%1')) and "
                             "a.attnum > 0 and not a.attisdropped) c order by attnum")
            : QStringLiteral("select name, type from pragma_table_info('%1') order by cid");
        QList<std::pair<QString, QString>> columns;
        for (const QStringList &row : rows(which, sql.arg(table)))
            columns.append({ row.value(0), row.value(1) });
        return columns;
    }

    // The rows of a table, in the order of all its columns, each value written so that NULL,
    // '' and 5000 against 5000.0 tell apart, for comparing a table before and after.
    QList<QStringList> tableSnapshot(Database which, const QString &table) const
    {
        QStringList positions;
        for (int column = 1; column <= int(declaredColumns(which, table).size()); ++column)
            positions.append(QString::number(column));
        QString sMsg;
        const suite::RecordSet result = query(
            which, QStringLiteral("select * from %1 order by %2").arg(table, positions.join(u',')),
            sMsg);
        if (!result.IsOpen())
            return { { QStringLiteral("error: ") + sMsg } };
        QList<QStringList> lines;
        for (int row = 0; row < result.RecordCount(); ++row) {
            QStringList values;
            for (int field = 0; field < result.FieldCount(); ++field)
                values.append(written(result.valueAt(row, field)));
            lines.append(values);
        }
        return lines;
    }

    // Every row of a query, each as its values as the backend reads them; one row holding
    // "error: ..." on failure.
    QList<QVariantList> cells(Database which, const QString &sql) const
    {
        QString sMsg;
        const suite::RecordSet result = query(which, sql, sMsg);
        if (!result.IsOpen())
            return { { QStringLiteral("error: ") + sMsg } };
        QList<QVariantList> lines;
        for (int row = 0; row < result.RecordCount(); ++row) {
            QVariantList values;
            for (int field = 0; field < result.FieldCount(); ++field)
                values.append(result.valueAt(row, field));
            lines.append(values);
        }
        return lines;
    }

    // Every row of a query, each as its values as text; one row "error: ..." on failure.
    QList<QStringList> rows(Database which, const QString &sql) const
    {
        QList<QStringList> lines;
        for (const QVariantList &cellsOfRow : cells(which, sql)) {
            QStringList values;
            for (const QVariant &cell : cellsOfRow)
                values.append(cell.toString());
            lines.append(values);
        }
        return lines;
    }

private:
    static QString written(const QVariant &value)
    {
        if (value.isNull())
            return QStringLiteral("NULL");
        switch (value.typeId()) {
        case QMetaType::Double: {
            const QString number = QString::number(value.toDouble(), 'g', 17);
            return number.contains(u'.') || number.contains(u'e') ? number
                                                                  : number + QStringLiteral(".0");
        }
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::Bool:
            return QString::number(value.toLongLong());
        case QMetaType::QDateTime:
            return value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        case QMetaType::QByteArray:
            return QStringLiteral("X'%1'").arg(QString::fromLatin1(value.toByteArray().toHex()));
        default:
            return u'\'' + value.toString() + u'\'';
        }
    }

    // A query of the test that fails fails the test: an error row on both sides of a
    // comparison would otherwise pass it.
    suite::RecordSet query(Database which, const QString &sql, QString &sMsg) const
    {
        suite::RecordSet result = read(which, sql, sMsg);
        if (!result.IsOpen())
            ADD_FAILURE() << "the test's query failed: " << qPrintable(sMsg) << "\n"
                          << qPrintable(sql);
        return result;
    }

    suite::RecordSet read(Database which, const QString &sql, QString &sMsg) const
    {
        if (m_server)
            return m_server->query(int(which), sql, sMsg);
        suite::SqliteConnection db;
        if (!db.open(file(which), sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
            return {};
        return db.query(sql, {}, sMsg);
    }

    struct Template
    {
        QTemporaryDir dir;
        bool ok = false;
        QString error;

        static const Template &instance()
        {
            static const Template built = [] {
                Template made;
                demo::DemoSettings settings;
                settings.customers = kCustomers;
                // A test that wants plug-ins configures its own.
                settings.plugIns = false;
                made.ok = demo::DemoCompany::create(made.dir.path(), settings, {}, made.error);
                return made;
            }();
            return built;
        }
    };

    QTemporaryDir m_dir;
    std::unique_ptr<ServerDemoCopy> m_server;
    bool m_ok = false;
    QString m_error;
};
