#include "demo/CompanySearchIndex.h"

#include "demo/SchemaScript.h"

#include "suite/data/SqliteConnection.h"

#include <algorithm>

namespace demo {

namespace {

const QString kScript = QStringLiteral("company_search_sqlite.sql");
// Customers indexed per step: small enough for a progress line that moves every second or so.
constexpr qint64 kStepRows = 50000;

bool customerRowids(suite::SqliteConnection &connection, qint64 &first, qint64 &last, qint64 &count,
                    QString &sMsg)
{
    const suite::RecordSet range = connection.query(
        QStringLiteral("select min(rowid), max(rowid), count(*) from Customer"), {}, sMsg);
    if (range.RecordCount() != 1)
        return false;
    first = range.valueAt(0, 0).toLongLong();
    last = range.valueAt(0, 1).toLongLong();
    count = range.valueAt(0, 2).toLongLong();
    return true;
}

bool fill(suite::SqliteConnection &connection, const CompanySearchIndex::Progress &progress,
          QString &sMsg)
{
    qint64 first = 0;
    qint64 last = 0;
    qint64 total = 0;
    if (!customerRowids(connection, first, last, total, sMsg))
        return false;
    if (progress)
        progress(0, total);
    // The rows an insert reports changed count the index's own rows too: the progress goes by
    // the share of the rowids done.
    const qint64 span = last - first + 1;
    for (qint64 from = first; total > 0 && from <= last; from += kStepRows) {
        const qint64 to = from + kStepRows;
        if (!connection.execute(
                QStringLiteral("insert into CustomerSearch (rowid, body) select id, body from "
                               "CustomerSearchText where id >= ?1 and id < ?2"),
                { from, to }, sMsg)) {
            return false;
        }
        if (progress)
            progress(std::min(total, total * (to - first) / span), total);
    }
    // One segment per level instead of one per step: the searches read fewer doclists.
    return connection.execute(
        QStringLiteral("insert into CustomerSearch (CustomerSearch) values ('optimize')"), sMsg);
}

bool createIn(suite::SqliteConnection &connection, const CompanySearchIndex::Progress &progress,
              QString &sMsg)
{
    QString script;
    return SchemaScript::read(kScript, script, sMsg) && connection.execute(script, sMsg)
        && fill(connection, progress, sMsg);
}

} // namespace

bool CompanySearchIndex::exists(suite::SqliteConnection &connection, bool &found, QString &sMsg)
{
    const suite::RecordSet rows = connection.query(
        QStringLiteral("select 1 from sqlite_master where name = 'CustomerSearch'"), {}, sMsg);
    found = rows.RecordCount() > 0;
    return rows.IsOpen();
}

bool CompanySearchIndex::create(suite::SqliteConnection &connection, const Progress &progress,
                                QString &sMsg)
{
    QString reason;
    if (!connection.beginTransaction(reason)) {
        sMsg = QStringLiteral("%1: %2").arg(kScript, reason);
        return false;
    }
    if (createIn(connection, progress, reason) && connection.commitTransaction(reason))
        return true;
    QString ignored;
    connection.rollbackTransaction(ignored);
    sMsg = QStringLiteral("%1 failed: %2").arg(kScript, reason);
    return false;
}

bool CompanySearchIndex::ensure(suite::SqliteConnection &connection, const Progress &progress,
                                bool &created, QString &sMsg)
{
    created = false;
    bool found = false;
    if (!exists(connection, found, sMsg))
        return false;
    if (found)
        return true;
    created = create(connection, progress, sMsg);
    return created;
}

} // namespace demo
