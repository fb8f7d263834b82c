#pragma once

#include <QString>

#include <functional>

namespace suite {
class SqliteConnection;
}

namespace demo {

// The quick-search index of the customer list (company_search_sqlite.sql): made once the
// customers of a new company are loaded, and added to a company an earlier version made when
// it is opened.
class CompanySearchIndex
{
public:
    // Customers indexed so far, of all of them.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    // Whether the company has the index; false with the reason in sMsg when that cannot be read.
    static bool exists(suite::SqliteConnection &connection, bool &found, QString &sMsg);

    // Creates the index, its triggers, and indexes every customer, in one transaction: on
    // failure nothing of it stays. Filling it at once is far cheaper than through the insert
    // trigger a row at a time, so a bulk load runs before.
    static bool create(suite::SqliteConnection &connection, const Progress &progress,
                       QString &sMsg);

    // Creates the index when the company lacks it; created tells whether it did.
    static bool ensure(suite::SqliteConnection &connection, const Progress &progress, bool &created,
                       QString &sMsg);
};

} // namespace demo
