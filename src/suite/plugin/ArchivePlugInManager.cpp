#include "suite/plugin/ArchivePlugInManager.h"

#include "suite/core/ErrorLog.h"
#include "suite/core/ObjectFactory.h"
#include "suite/core/SqlQuote.h"
#include "suite/data/IClsCommon.h"
#include "suite/login/ILogin.h"
#include "suite/plugin/GuardedArchivePlugIn.h"

#include <QCoreApplication>
#include <QDir>
#include <QJsonObject>
#include <QPluginLoader>

namespace suite {

namespace {

const QString kWhere = QStringLiteral("ArchivePlugInManager");

// "suite.ArchivePlugIn/1.0" is interface "suite.ArchivePlugIn", version "1.0".
QString interfaceOf(const QString &iid)
{
    return iid.section(u'/', 0, 0);
}

QString versionOf(const QString &iid)
{
    return iid.section(u'/', 1);
}

} // namespace

bool ArchivePlugInManager::Init(const QString &cAcc_id, std::shared_ptr<ILogin> oLogin)
{
    m_initialised = false;
    m_configured.clear();
    if (!oLogin) {
        ErrorLog::instance().error(kWhere, QStringLiteral("Init was called without a login."));
        return false;
    }
    m_installPath = oLogin->GetIstallPath();
    m_accountFolder.clear();
    m_initialised = readConfiguration(cAcc_id, *oLogin);
    return m_initialised;
}

bool ArchivePlugInManager::readConfiguration(const QString &cAcc_id, const ILogin &login)
{
    const auto service = createObject<IClsCommon>(QLatin1String(IClsCommon::kProgId));
    if (!service) {
        ErrorLog::instance().error(kWhere, QStringLiteral("The data service cannot be created."));
        return false;
    }
    service->Init(login.KvDbName());
    if (!service->Status()) {
        ErrorLog::instance().error(kWhere, service->LastError());
        return false;
    }
    const RecordSet rows = service->OpenX(
        QStringLiteral("select cArchive, cPlugInName, cPlugInFile from kvsystem..AA_ArchivePlugIn"
                       " where cAcc_Id=%1 and bEnabled=1 order by iOrder, cPlugInName")
            .arg(sqlUnicode(cAcc_id)));
    if (!rows.IsOpen()) {
        ErrorLog::instance().error(
            kWhere,
            QStringLiteral("The archive plug-ins cannot be read: %1").arg(service->LastError()));
        return false;
    }
    for (int row = 0; row < rows.RecordCount(); ++row) {
        m_configured.append({ rows.valueAt(row, 0).toString().trimmed(),
                              rows.valueAt(row, 1).toString().trimmed(),
                              rows.valueAt(row, 2).toString().trimmed() });
    }
    readAccountFolder(cAcc_id, *service);
    return true;
}

// A company made before accounts had a plug-in folder has no such column: its plug-ins are
// then found in the installation folder, as they always were.
void ArchivePlugInManager::readAccountFolder(const QString &cAcc_id, IClsCommon &service)
{
    const RecordSet account =
        service.OpenX(QStringLiteral("select * from kvsystem..ua_account where cAcc_Id=%1")
                          .arg(sqlUnicode(cAcc_id)));
    if (account.IsOpen() && account.RecordCount() > 0)
        m_accountFolder = account.Value(QStringLiteral("cPlugInPath")).toString().trimmed();
}

std::shared_ptr<PlugInCollection> ArchivePlugInManager::GetDefaultPlugInObjectList(
    const QString &cArchive, QMap<QString, bool> &status)
{
    if (!m_initialised)
        return nullptr;
    QList<std::shared_ptr<IArchivePlugIn>> loaded;
    for (const Configured &entry : std::as_const(m_configured)) {
        if (entry.archive.compare(cArchive, Qt::CaseInsensitive) != 0)
            continue;
        auto plugIn = load(entry);
        status.insert(entry.name, plugIn != nullptr);
        if (plugIn)
            loaded.append(std::move(plugIn));
    }
    return std::make_shared<PlugInCollection>(std::move(loaded));
}

bool ArchivePlugInManager::AccountPluginEnabled() const
{
    return !m_configured.isEmpty();
}

std::shared_ptr<IArchivePlugIn> ArchivePlugInManager::load(const Configured &entry) const
{
    // The library stays loaded for the rest of the process: the plug-in objects handed out
    // live on in the cards, and Qt shares one root instance per library file anyway.
    QPluginLoader loader(libraryPath(entry.file));
    if (!acceptsInterface(loader, entry))
        return nullptr;
    QObject *root = loader.instance();
    if (!root) {
        ErrorLog::instance().error(kWhere,
                                   QStringLiteral("The plug-in %1 cannot be loaded: %2")
                                       .arg(entry.name, loader.errorString()));
        return nullptr;
    }
    auto *factory = qobject_cast<IArchivePlugInFactory *>(root);
    if (!factory) {
        ErrorLog::instance().error(
            kWhere,
            QStringLiteral("The library %1 of the plug-in %2 is no archive plug-in.")
                .arg(loader.fileName(), entry.name));
        return nullptr;
    }
    std::shared_ptr<IArchivePlugIn> plugIn;
    try {
        plugIn = factory->createPlugIn(entry.archive);
    } catch (...) {
        ErrorLog::instance().error(
            kWhere, QStringLiteral("The plug-in %1 failed to make its object.").arg(entry.name));
        return nullptr;
    }
    if (!plugIn) {
        ErrorLog::instance().error(
            kWhere,
            QStringLiteral("The plug-in %1 serves no archive %2.").arg(entry.name, entry.archive));
        return nullptr;
    }
    return std::make_shared<GuardedArchivePlugIn>(entry.name, std::move(plugIn));
}

// The interface id is read from the library's metadata, before its code is loaded: a library
// built for another version of the interfaces never runs, it would read objects laid out
// differently. A file without plug-in metadata is left to the loader, which says why.
bool ArchivePlugInManager::acceptsInterface(const QPluginLoader &loader,
                                            const Configured &entry) const
{
    const QJsonObject metaData = loader.metaData();
    if (metaData.isEmpty())
        return true;
    const QString iid = metaData.value(QStringLiteral("IID")).toString();
    const QString expected = QString::fromLatin1(kArchivePlugInIid);
    if (iid == expected)
        return true;
    if (interfaceOf(iid) == interfaceOf(expected)) {
        ErrorLog::instance().error(
            kWhere,
            QStringLiteral("The plug-in %1 (%2) was built for version %3 of the archive plug-in "
                           "interface; this program takes version %4. Install the plug-in's "
                           "build for this version.")
                .arg(entry.name, loader.fileName(), versionOf(iid), versionOf(expected)));
    } else {
        ErrorLog::instance().error(
            kWhere,
            QStringLiteral("The library %1 of the plug-in %2 is no archive plug-in (it declares "
                           "%3).")
                .arg(loader.fileName(), entry.name, iid));
    }
    return false;
}

QString ArchivePlugInManager::libraryPath(const QString &file) const
{
    if (QDir::isAbsolutePath(file))
        return file;
    const QString overridden = qEnvironmentVariable(kPlugInDirVariable);
    if (!overridden.isEmpty())
        return QDir(overridden).filePath(file);
    if (!m_accountFolder.isEmpty())
        return QDir(QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(m_accountFolder))
            .filePath(file);
    return QDir(m_installPath).filePath(file);
}

void registerArchivePlugInManager()
{
    ObjectFactory::instance().registerClass(QLatin1String(IArchivePlugInManager::kProgId), [] {
        return std::make_shared<ArchivePlugInManager>();
    });
}

} // namespace suite
