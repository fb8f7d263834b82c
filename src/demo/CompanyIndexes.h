#pragma once

#include <QString>
#include <QStringList>

namespace suite {
class SqliteConnection;
}

namespace demo {

// The secondary indexes of a company database, as company_indexes.sql lists them. A new
// company gets them all once its data is loaded; a company made by an earlier version is
// brought up to date here, so that its statements run with the same plans as on a new one.
class CompanyIndexes
{
public:
    // The names of the indexes the script creates, in its order.
    static bool names(QStringList &names, QString &sMsg);
    // Indexes earlier versions made that the script has dropped because they misled the query
    // planner.
    static QStringList retired();

    // Drops the retired indexes the database has, creates the script's indexes it lacks and
    // gathers statistics of the new ones for the query planner. Nothing changes on failure;
    // created receives the names of the new indexes.
    static bool update(suite::SqliteConnection &connection, QStringList &created, QString &sMsg);
};

} // namespace demo
