#include "app/CustomerCodeCheck.h"

#include "suite/data/RecordSet.h"
#include "suite/data/SqliteConnection.h"

namespace host {

std::optional<bool> customerExists(const QString &databaseFile, const QString &code, QString &sMsg)
{
    suite::SqliteConnection connection;
    if (!connection.open(databaseFile, sMsg, suite::SqliteConnection::OpenMode::ReadOnly))
        return std::nullopt;
    const suite::RecordSet found = connection.query(
        QStringLiteral("select count(*) from Customer where cCusCode = ? collate nocase"), { code },
        sMsg);
    if (!found.IsOpen() || found.RecordCount() != 1)
        return std::nullopt;
    return found.valueAt(0, 0).toInt() > 0;
}

} // namespace host
