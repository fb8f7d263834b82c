#include "suite/data/ConnectionText.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace suite {

namespace {

const QString kProviderKey = QStringLiteral("provider");
const QString kDataSourceKey = QStringLiteral("data source");
const QString kCatalogueKey = QStringLiteral("initial catalog");

// A text whose first '=' comes after a path separator, or that has none, is a file path:
// "/data/a=b/KVDATA_001_2026.db" must not read as the key "/data/a".
bool isBarePath(const QString &text)
{
    const qsizetype equals = text.indexOf(u'=');
    if (equals < 0)
        return true;
    const QStringView key = QStringView(text).left(equals);
    return key.contains(u'/') || key.contains(u'\\');
}

// Reads the value starting at pos (just after '='), leaving pos after its ';' or at the end.
std::optional<QString> readValue(const QString &text, qsizetype &pos, const QString &key,
                                 QString &sMsg)
{
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    if (pos >= text.size() || (text.at(pos) != u'"' && text.at(pos) != u'\'')) {
        const qsizetype end = text.indexOf(u';', pos);
        const qsizetype stop = end < 0 ? text.size() : end;
        const QString value = text.mid(pos, stop - pos).trimmed();
        pos = stop + 1;
        return value;
    }
    const QChar quote = text.at(pos++);
    QString value;
    for (;;) {
        if (pos >= text.size()) {
            sMsg = QStringLiteral("The value of '%1' in the connection text has no closing %2.")
                       .arg(key, quote);
            return std::nullopt;
        }
        const QChar c = text.at(pos++);
        if (c != quote) {
            value += c;
        } else if (pos < text.size() && text.at(pos) == quote) {
            value += quote;
            ++pos;
        } else {
            break;
        }
    }
    while (pos < text.size() && text.at(pos).isSpace())
        ++pos;
    if (pos < text.size() && text.at(pos) != u';') {
        sMsg = QStringLiteral("Unexpected text after the quoted value of '%1' in the connection "
                              "text: %2")
                   .arg(key, text.mid(pos));
        return std::nullopt;
    }
    ++pos;
    return value;
}

std::optional<QHash<QString, QString>> readProperties(const QString &text, QString &sMsg)
{
    QHash<QString, QString> properties;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype equals = text.indexOf(u'=', pos);
        const qsizetype semicolon = text.indexOf(u';', pos);
        if (equals < 0 || (semicolon >= 0 && semicolon < equals)) {
            const qsizetype stop = semicolon < 0 ? text.size() : semicolon;
            const QString part = text.mid(pos, stop - pos).trimmed();
            if (!part.isEmpty()) {
                sMsg = QStringLiteral("The part '%1' of the connection text is not key=value.")
                           .arg(part);
                return std::nullopt;
            }
            pos = stop + 1;
            continue;
        }
        const QString key = text.mid(pos, equals - pos).simplified().toLower();
        if (key.isEmpty()) {
            sMsg = QStringLiteral("The connection text has a value without a key at '%1'.")
                       .arg(text.mid(pos).trimmed());
            return std::nullopt;
        }
        pos = equals + 1;
        const std::optional<QString> value = readValue(text, pos, key, sMsg);
        if (!value)
            return std::nullopt;
        properties.insert(key, *value);
    }
    return properties;
}

// KVDATA_001_2026 names account 001 of the year 2026.
void readAccountAndYear(ConnectionText &connection)
{
    static const QRegularExpression companyName(QStringLiteral("^KVDATA_(\\w+)_(\\d{4})$"),
                                                QRegularExpression::CaseInsensitiveOption);
    for (const QString &name :
         { connection.catalogue, QFileInfo(connection.databaseFile).completeBaseName() }) {
        const QRegularExpressionMatch match = companyName.match(name);
        if (match.hasMatch()) {
            connection.accountId = match.captured(1);
            connection.year = match.captured(2);
            return;
        }
    }
}

// A server's company is the schema named by the catalogue, which the account and year are read
// from as for a file.
bool settleServerCompany(ConnectionText &connection, QString &sMsg)
{
    if (connection.properties.value(QStringLiteral("database")).isEmpty()) {
        sMsg = QStringLiteral("The connection text names no Database on the PostgreSQL server.");
        return false;
    }
    if (connection.catalogue.isEmpty()) {
        sMsg = QStringLiteral("The connection text names no Initial Catalog (the company) on the "
                              "PostgreSQL server.");
        return false;
    }
    return true;
}

bool settleDatabaseFile(ConnectionText &connection, QString &sMsg)
{
    if (connection.provider == ConnectionText::Provider::Postgres)
        return settleServerCompany(connection, sMsg);
    if (connection.dataSource.isEmpty()) {
        sMsg = QStringLiteral("The connection text names no Data Source (the company database "
                              "file).");
        return false;
    }
    if (!QFileInfo(connection.dataSource).isDir()) {
        connection.databaseFile = connection.dataSource;
        if (connection.catalogue.isEmpty())
            connection.catalogue = QFileInfo(connection.dataSource).completeBaseName();
        return true;
    }
    if (connection.catalogue.isEmpty()) {
        sMsg = QStringLiteral("The Data Source '%1' is a folder, and no Initial Catalog names the "
                              "company database in it.")
                   .arg(connection.dataSource);
        return false;
    }
    connection.databaseFile =
        QFileInfo(connection.dataSource + u'/' + connection.catalogue + QStringLiteral(".db"))
            .filePath();
    return true;
}

} // namespace

std::optional<ConnectionText::Provider> providerByName(const QString &name)
{
    if (name.compare(QLatin1String("SQLite"), Qt::CaseInsensitive) == 0)
        return ConnectionText::Provider::Sqlite;
    if (name.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0)
        return ConnectionText::Provider::Postgres;
    return std::nullopt;
}

QString ConnectionText::postgresConnectionString() const
{
    static const std::pair<const char *, const char *> keys[] = {
        { "host", "host" },    { "port", "port" },         { "database", "dbname" },
        { "user id", "user" }, { "password", "password" },
    };
    QStringList parts;
    for (const auto &[ours, libpq] : keys) {
        const QString value = properties.value(QLatin1String(ours));
        if (value.isEmpty())
            continue;
        QString quoted = value;
        quoted.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        parts.append(QLatin1String(libpq) + QStringLiteral("='") + quoted + u'\'');
    }
    // A server that stops answering is noticed within seconds, not after the system's time-out.
    parts.append(QStringLiteral(
        "connect_timeout=10 keepalives_idle=30 application_name='customer-archive'"));
    return parts.join(u' ');
}

QString ConnectionText::directory() const
{
    return QFileInfo(databaseFile).absolutePath();
}

std::optional<ConnectionText> ConnectionText::parse(const QString &text, QString &sMsg)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        sMsg = QStringLiteral("The connection text is empty.");
        return std::nullopt;
    }
    ConnectionText connection;
    if (isBarePath(trimmed)) {
        connection.dataSource = trimmed;
    } else {
        std::optional<QHash<QString, QString>> properties = readProperties(trimmed, sMsg);
        if (!properties)
            return std::nullopt;
        connection.properties = std::move(*properties);
        const QString providerName = connection.properties.value(kProviderKey);
        if (!providerName.isEmpty()) {
            const std::optional<Provider> provider = providerByName(providerName);
            if (!provider) {
                sMsg = QStringLiteral("The provider '%1' is not supported; the data service "
                                      "opens Provider=SQLite and Provider=PostgreSQL databases.")
                           .arg(providerName);
                return std::nullopt;
            }
            connection.provider = *provider;
        }
        connection.dataSource = connection.properties.value(kDataSourceKey);
        connection.catalogue = connection.properties.value(kCatalogueKey);
    }
    if (!settleDatabaseFile(connection, sMsg))
        return std::nullopt;
    readAccountAndYear(connection);
    return connection;
}

} // namespace suite
