#include "suite/data/DataBackend.h"

#include "suite/data/PostgresBackend.h"
#include "suite/data/SqliteBackend.h"

namespace suite {

int TableColumns::indexOf(const QString &name) const
{
    for (int i = 0; i < fields.size(); ++i) {
        if (fields.at(i).name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::unique_ptr<DataBackend> openBackend(const ConnectionText &connection, QString &sMsg)
{
    switch (connection.provider) {
    case ConnectionText::Provider::Sqlite:
        return SqliteBackend::open(connection, sMsg);
    case ConnectionText::Provider::Postgres:
        return PostgresBackend::open(connection, sMsg);
    }
    sMsg = QStringLiteral("The connection text names a provider this data service cannot open.");
    return nullptr;
}

} // namespace suite
