#pragma once

#include <QHash>
#include <QString>

#include <optional>

namespace suite {

// A company connection text as the host hands it to the data service:
// "Provider=SQLite;Data Source=/data/KVDATA_001_2026.db;Initial Catalog=KVDATA_001_2026", or for a
// server "Provider=PostgreSQL;Host=H;Port=P;Database=D;User ID=U;Password=W;Initial Catalog=C".
// Keys compare without regard to case, values may be quoted with " or ' (a doubled quote
// stands for itself) and are trimmed. A text without any key is the path of the company file.
struct ConnectionText
{
    enum class Provider { Sqlite, Postgres };

    Provider provider = Provider::Sqlite;
    QString dataSource;
    QString catalogue;
    // The company database file: the Data Source, or <Data Source>/<catalogue>.db when the
    // Data Source names a folder. Empty for a server, whose company is a schema of its database.
    QString databaseFile;
    // Read from the catalogue name KVDATA_<account>_<year>, else from the file name; empty
    // when neither has that form.
    QString accountId;
    QString year;
    // Every key of the text, lower-cased, with its value; the providers read their own.
    QHash<QString, QString> properties;

    // The folder of the company file, where the system and metadata databases live beside it.
    QString directory() const;

    // The libpq connection string of a server's connection text, each value quoted.
    QString postgresConnectionString() const;

    static std::optional<ConnectionText> parse(const QString &text, QString &sMsg);
};

// The provider named in a connection text; the one place that knows which providers exist.
std::optional<ConnectionText::Provider> providerByName(const QString &name);

} // namespace suite
