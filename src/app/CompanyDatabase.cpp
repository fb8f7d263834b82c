#include "app/CompanyDatabase.h"

#include "app/HostOptions.h"

#include "demo/CompanyIndexes.h"
#include "demo/CompanySearchIndex.h"
#include "demo/DemoCompany.h"
#include "suite/SuiteServices.h"
#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/PlannerStatistics.h"
#include "suite/data/SqliteConnection.h"

#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>

namespace host {

namespace {

bool makeDemoCompany(const QString &file, QString &sMsg)
{
    std::fprintf(stderr, "customer-archive: making the demo company in %s\n",
                 qPrintable(QFileInfo(file).absolutePath()));
    return demo::DemoCompany::create(QFileInfo(file).absolutePath(), demo::DemoSettings(), {},
                                     sMsg);
}

// The quick search's index, which a company made by an earlier version lacks. Building it
// reads every customer once (minutes for a million): the terminal shows how far it is, a
// tenth at a time.
bool addSearchIndex(suite::SqliteConnection &connection, QString &sMsg)
{
    QElapsedTimer clock;
    clock.start();
    int shownTenth = -1;
    const auto progress = [&shownTenth](qint64 done, qint64 total) {
        const int tenth = total > 0 ? int(done * 10 / total) : 10;
        if (tenth == shownTenth)
            return;
        if (shownTenth < 0)
            std::fprintf(stderr,
                         "customer-archive: building the quick-search index of %lld customers, "
                         "once for this company\n",
                         static_cast<long long>(total));
        shownTenth = tenth;
        std::fprintf(stderr, "customer-archive: quick-search index %d %%\n", tenth * 10);
    };
    bool created = false;
    if (!demo::CompanySearchIndex::ensure(connection, progress, created, sMsg))
        return false;
    if (created)
        std::fprintf(stderr, "customer-archive: quick-search index built in %.1f s\n",
                     clock.elapsed() / 1000.0);
    return true;
}

// A company made by an earlier version gets the indexes the list's statements are planned
// for, and a company that grew or shrank since its statistics were taken gets them again. The
// company still opens when it cannot (a read-only file): only slower.
void updateCompanyIndexes(const QString &databaseFile)
{
    suite::SqliteConnection connection;
    QStringList created;
    QString sMsg;
    QStringList analysed;
    if (!connection.open(databaseFile, sMsg, suite::SqliteConnection::OpenMode::ReadWrite)
        || !demo::CompanyIndexes::update(connection, created, sMsg)
        || !addSearchIndex(connection, sMsg)
        || !suite::PlannerStatistics(connection).refreshStale(analysed, sMsg))
        suite::ErrorLog::instance().warning(QStringLiteral("host.openCompany"), sMsg);
}

} // namespace

QString companyConnectionText(const QString &database)
{
    const QString trimmed = database.trimmed();
    if (trimmed.isEmpty())
        return defaultDemoConnectionText();
    QString ignored;
    const std::optional<suite::ConnectionText> parsed =
        suite::ConnectionText::parse(trimmed, ignored);
    if (!parsed || !parsed->properties.isEmpty())
        return trimmed;
    return QStringLiteral("Provider=SQLite;Data Source=%1;Initial Catalog=%2")
        .arg(QFileInfo(parsed->databaseFile).absoluteFilePath(), parsed->catalogue);
}

bool openCompany(const QString &database, OpenedCompany &company, QString &sMsg)
{
    if (database.trimmed().isEmpty() && !QFileInfo::exists(defaultDemoDatabasePath())
        && !makeDemoCompany(defaultDemoDatabasePath(), sMsg))
        return false;
    const QString connectionText = companyConnectionText(database);
    const std::optional<suite::ConnectionText> parsed =
        suite::ConnectionText::parse(connectionText, sMsg);
    if (!parsed)
        return false;

    if (QFileInfo::exists(parsed->databaseFile))
        updateCompanyIndexes(parsed->databaseFile);
    suite::registerSuiteServices();
    company.service =
        suite::createObject<suite::IClsCommon>(QString::fromLatin1(suite::IClsCommon::kProgId));
    if (!company.service) {
        sMsg = QStringLiteral("The data service %1 cannot be created.")
                   .arg(QString::fromLatin1(suite::IClsCommon::kProgId));
        return false;
    }
    company.service->Init(connectionText);
    if (!company.service->Status()) {
        sMsg = company.service->LastError();
        return false;
    }
    company.databaseFile = QFileInfo(parsed->databaseFile).absoluteFilePath();
    company.connectionText = connectionText;
    return true;
}

} // namespace host
