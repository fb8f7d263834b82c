#include "demo/DemoCompany.h"

#include "demo/BulkInsert.h"
#include "demo/CompanyLoader.h"
#include "demo/CompanySearchIndex.h"
#include "demo/CompanySwap.h"
#include "demo/SchemaScript.h"

#include "suite/data/SqliteConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace demo {

namespace {

void removeDatabaseFile(const QString &path)
{
    QFile::remove(path);
    QFile::remove(path + QStringLiteral("-journal"));
    QFile::remove(path + QStringLiteral("-wal"));
    QFile::remove(path + QStringLiteral("-shm"));
}

bool openFresh(suite::SqliteConnection &connection, const QString &path, QString &sMsg)
{
    removeDatabaseFile(path);
    QString reason;
    if (!connection.open(path, reason)) {
        sMsg = QStringLiteral("cannot create %1: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    return true;
}

// A database whose only content is what its scripts create.
bool buildScripted(const QString &path, const QStringList &scripts, QString &sMsg)
{
    suite::SqliteConnection connection;
    if (!openFresh(connection, path, sMsg))
        return false;
    for (const QString &script : scripts) {
        if (!SchemaScript::run(connection, script, sMsg))
            return false;
    }
    return true;
}

bool buildCompany(const QString &path, const DemoSettings &settings, const Progress &progress,
                  QString &sMsg)
{
    suite::SqliteConnection connection;
    if (!openFresh(connection, path, sMsg))
        return false;
    // The file is still a temporary one: losing it to a crash costs nothing, so the load need
    // not wait for the disk. Reading through a memory map spares the index builds, which each
    // scan a table of a gigabyte for a million customers, copying every page.
    QString reason;
    if (!connection.execute(QStringLiteral("pragma page_size = 16384; "
                                           "pragma synchronous = off; "
                                           "pragma journal_mode = off; "
                                           "pragma locking_mode = exclusive; "
                                           "pragma cache_size = -262144; "
                                           "pragma mmap_size = 17179869184; "
                                           "pragma temp_store = memory; "
                                           "pragma threads = 2"),
                            reason)) {
        sMsg = QStringLiteral("cannot prepare %1 for loading: %2").arg(path, reason);
        return false;
    }
    progress(QStringLiteral("company schema"), 0, 0);
    if (!SchemaScript::run(connection, QStringLiteral("company.sql"), sMsg)
        || !SchemaScript::run(connection, QStringLiteral("company_seed.sql"), sMsg))
        return false;
    CompanyLoader loader(connection, std::make_unique<SqliteTableWriter>(connection.handle()),
                         QStringLiteral("rowid"), settings.seed);
    if (!loader.prepare(sMsg) || !loader.loadDivisions(sMsg)
        || !loader.loadCustomers(settings.customers, progress, sMsg))
        return false;
    progress(QStringLiteral("indexes"), 0, 0);
    if (!SchemaScript::run(connection, QStringLiteral("company_indexes.sql"), sMsg))
        return false;
    const auto searchProgress = [&progress](qint64 done, qint64 total) {
        progress(QStringLiteral("search index"), done, total);
    };
    if (!CompanySearchIndex::create(connection, searchProgress, sMsg))
        return false;
    // Complete statistics: sampled ones overstate the rows of each index, and at a million
    // customers the planner then counts the list over the wide table instead of its narrow
    // covering index.
    if (!connection.execute(QStringLiteral("pragma analysis_limit = 0; analyze"), reason)) {
        sMsg = QStringLiteral("cannot gather statistics of %1: %2").arg(path, reason);
        return false;
    }
    return true;
}

} // namespace

QString DemoCompany::companyFileName()
{
    return QStringLiteral("KVDATA_001_2026.db");
}

QString DemoCompany::systemFileName()
{
    return QStringLiteral("kvsystem.db");
}

QString DemoCompany::metaFileName()
{
    return QStringLiteral("KvMeta_001.db");
}

QStringList DemoCompany::paths(const QString &dir)
{
    const QDir folder(dir);
    return { folder.absoluteFilePath(companyFileName()), folder.absoluteFilePath(systemFileName()),
             folder.absoluteFilePath(metaFileName()) };
}

bool DemoCompany::create(const QString &dir, const DemoSettings &settings, const Progress &progress,
                         QString &sMsg)
{
    const Progress report = progress ? progress : [](const QString &, qint64, qint64) {
    };
    if (settings.customers < 0 || settings.customers > DemoSettings::kMaxCustomers) {
        sMsg = QStringLiteral("the number of customers must be between 0 and %1, not %2")
                   .arg(DemoSettings::kMaxCustomers)
                   .arg(settings.customers);
        return false;
    }
    if (dir.trimmed().isEmpty()) {
        sMsg = QStringLiteral("no folder was given for the demo company");
        return false;
    }
    if (!QDir().mkpath(dir)) {
        sMsg = QStringLiteral("cannot create the folder %1").arg(QDir::toNativeSeparators(dir));
        return false;
    }
    const QStringList finalPaths = paths(dir);
    if (!settings.overwrite && QFileInfo::exists(finalPaths.first())) {
        sMsg = QStringLiteral("the company database %1 already exists")
                   .arg(QDir::toNativeSeparators(finalPaths.first()));
        return false;
    }
    // Built beside the old company and swapped in only when whole; the folder goes with the
    // replaced files.
    QTemporaryDir fresh(QDir(dir).filePath(QStringLiteral(".new-company-XXXXXX")));
    if (!fresh.isValid()) {
        sMsg = QStringLiteral("cannot make a folder to build the company in %1: %2")
                   .arg(QDir::toNativeSeparators(dir), fresh.errorString());
        return false;
    }
    const QStringList building = paths(fresh.path());
    report(QStringLiteral("system database"), 0, 0);
    QStringList systemScripts{ QStringLiteral("system.sql") };
    if (settings.plugIns)
        systemScripts.append(QStringLiteral("system_plugins.sql"));
    bool built = buildScripted(building[1], systemScripts, sMsg);
    if (built) {
        report(QStringLiteral("metadata database"), 0, 0);
        built = buildScripted(building[2], { QStringLiteral("meta.sql") }, sMsg);
    }
    built = built && buildCompany(building[0], settings, report, sMsg);
    return built && swapCompanyFiles(fresh.path(), finalPaths, sMsg);
}

} // namespace demo
