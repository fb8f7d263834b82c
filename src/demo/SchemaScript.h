#pragma once

#include <QString>

#include <memory>

namespace suite {
class SqlConnection;
namespace tsql {
class SqlDialect;
}
} // namespace suite

namespace demo {

// The SQL scripts of the company, system and metadata databases, compiled into the program
// and written in SQL Server's dialect. They reach the database the way every statement of the
// component does: through the T-SQL translator and the batch runner.
class SchemaScript
{
public:
    // The text of a built-in script such as "company.sql".
    static bool read(const QString &name, QString &text, QString &sMsg);
    // Translates the script and runs it in one transaction; on failure nothing of it stays
    // and sMsg names the script and the reason.
    static bool run(suite::SqlConnection &connection, const QString &name, QString &sMsg);
    // The same on a backend of another dialect.
    static bool run(suite::SqlConnection &connection,
                    std::shared_ptr<const suite::tsql::SqlDialect> dialect, const QString &name,
                    QString &sMsg);
};

} // namespace demo
