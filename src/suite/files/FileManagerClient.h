#pragma once

#include "suite/files/IFileManagerClient.h"

namespace suite {

class DataBackend;

// Keeps attached files in the table AA_AttachFile of the login's company database. The data
// service takes SQL text only, and file contents do not belong in SQL text, so the client opens
// the company database itself for every call, with the backend of its provider, and binds the
// content as a parameter.
class FileManagerClient : public IFileManagerClient
{
public:
    std::shared_ptr<ILogin> LoginObject() const override;
    void SetLoginObject(std::shared_ptr<ILogin> oLogin) override;

    bool StoreFile(const QString &cObject, const QString &cRecordId, const QString &path,
                   QString &cFileId, QString &sMsg) override;
    bool ListFiles(const QString &cObject, const QString &cRecordId, QList<AttachedFile> &files,
                   QString &sMsg) override;
    bool ReadFile(const QString &cFileId, const QString &targetPath, QString &sMsg) override;
    bool RemoveFile(const QString &cFileId, QString &sMsg) override;
    bool MoveFiles(const QString &cObject, const QString &fromRecordId, const QString &toRecordId,
                   QString &sMsg) override;

private:
    std::unique_ptr<DataBackend> openCompany(QString &sMsg) const;

    std::shared_ptr<ILogin> m_login;
};

void registerFileManagerClient();

} // namespace suite
