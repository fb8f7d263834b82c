#include "suite/files/FileManagerClient.h"

#include "suite/core/ObjectFactory.h"
#include "suite/data/ConnectionText.h"
#include "suite/data/DataBackend.h"
#include "suite/login/ILogin.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QUuid>

namespace suite {

namespace {

QString noSuchFile(const QString &cFileId)
{
    return QStringLiteral("There is no attached file with the id '%1'.").arg(cFileId);
}

bool readContent(const QString &path, QByteArray &content, QString &sMsg)
{
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        sMsg = QStringLiteral("The file '%1' does not exist.").arg(path);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        sMsg = QStringLiteral("The file '%1' cannot be read: %2").arg(path, file.errorString());
        return false;
    }
    content = file.readAll();
    return true;
}

bool writeContent(const QString &path, const QByteArray &content, QString &sMsg)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.commit())
        return true;
    sMsg = QStringLiteral("The file '%1' cannot be written: %2").arg(path, file.errorString());
    return false;
}

} // namespace

std::shared_ptr<ILogin> FileManagerClient::LoginObject() const
{
    return m_login;
}

void FileManagerClient::SetLoginObject(std::shared_ptr<ILogin> oLogin)
{
    m_login = std::move(oLogin);
}

std::unique_ptr<DataBackend> FileManagerClient::openCompany(QString &sMsg) const
{
    if (!m_login) {
        sMsg = QStringLiteral("The file manager has no login object.");
        return nullptr;
    }
    const auto connection = ConnectionText::parse(m_login->KvDbName(), sMsg);
    return connection ? openBackend(*connection, sMsg) : nullptr;
}

bool FileManagerClient::StoreFile(const QString &cObject, const QString &cRecordId,
                                  const QString &path, QString &cFileId, QString &sMsg)
{
    QByteArray content;
    if (!readContent(path, content, sMsg))
        return false;
    const std::unique_ptr<DataBackend> company = openCompany(sMsg);
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
    if (!company
        || !company->connection().executeStatement(
            QStringLiteral("insert into AA_AttachFile (cFileId, cObject, cRecordId,"
                           " cFileName, iSize, dUpload, cUser, Content)"
                           " values (?, ?, ?, ?, ?, ?, ?, ?)"),
            { id, cObject, cRecordId, QFileInfo(path).fileName(), qint64(content.size()),
              QDateTime::currentDateTime(), m_login->cUserId(), content },
            sMsg)) {
        return false;
    }
    cFileId = id;
    return true;
}

bool FileManagerClient::ListFiles(const QString &cObject, const QString &cRecordId,
                                  QList<AttachedFile> &files, QString &sMsg)
{
    const std::unique_ptr<DataBackend> company = openCompany(sMsg);
    if (!company)
        return false;
    // Codes compare without regard to case by the columns' own collation; files stored in
    // the same moment keep the order they were stored in.
    const RecordSet rows = company->connection().queryStatement(
        QStringLiteral("select cFileId, cFileName, iSize, dUpload, cUser from AA_AttachFile"
                       " where cObject = ? and cRecordId = ? order by dUpload, ")
            + company->dialect()->rowIdentity(),
        { cObject, cRecordId }, sMsg);
    if (!rows.IsOpen())
        return false;
    files.clear();
    for (int row = 0; row < rows.RecordCount(); ++row) {
        files.append({ rows.valueAt(row, 0).toString(), rows.valueAt(row, 1).toString(),
                       rows.valueAt(row, 2).toLongLong(), rows.valueAt(row, 3).toDateTime(),
                       rows.valueAt(row, 4).toString() });
    }
    return true;
}

bool FileManagerClient::ReadFile(const QString &cFileId, const QString &targetPath, QString &sMsg)
{
    const std::unique_ptr<DataBackend> company = openCompany(sMsg);
    if (!company)
        return false;
    const RecordSet rows = company->connection().queryStatement(
        QStringLiteral("select Content from AA_AttachFile where cFileId = ?"), { cFileId }, sMsg);
    if (!rows.IsOpen())
        return false;
    if (rows.RecordCount() == 0) {
        sMsg = noSuchFile(cFileId);
        return false;
    }
    return writeContent(targetPath, rows.valueAt(0, 0).toByteArray(), sMsg);
}

bool FileManagerClient::RemoveFile(const QString &cFileId, QString &sMsg)
{
    const std::unique_ptr<DataBackend> company = openCompany(sMsg);
    qint64 removed = 0;
    if (!company
        || !company->connection().executeStatement(
            QStringLiteral("delete from AA_AttachFile where cFileId = ?"), { cFileId }, sMsg,
            &removed)) {
        return false;
    }
    if (removed == 0) {
        sMsg = noSuchFile(cFileId);
        return false;
    }
    return true;
}

bool FileManagerClient::MoveFiles(const QString &cObject, const QString &fromRecordId,
                                  const QString &toRecordId, QString &sMsg)
{
    const std::unique_ptr<DataBackend> company = openCompany(sMsg);
    return company
        && company->connection().executeStatement(
            QStringLiteral(
                "update AA_AttachFile set cRecordId = ? where cObject = ? and cRecordId = ?"),
            { toRecordId, cObject, fromRecordId }, sMsg);
}

void registerFileManagerClient()
{
    ObjectFactory::instance().registerClass(QLatin1String(IFileManagerClient::kProgId),
                                            [] { return std::make_shared<FileManagerClient>(); });
}

} // namespace suite
