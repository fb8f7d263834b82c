#pragma once

#include "suite/core/SuiteObject.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>

namespace suite {

class ILogin;

// A file attached to an archive record, without its content.
struct AttachedFile
{
    QString cFileId;
    QString cFileName;
    qint64 iSize = 0;
    QDateTime dUpload;
    QString cUser;
};

// The suite's file-manager client "TarnFileManagerClient.TarnFileManageClient": keeps the files
// attached to archive records in the company database of its login. Every member answers false
// with the reason in sMsg instead of throwing.
class IFileManagerClient : public SuiteObject
{
public:
    static constexpr const char *kProgId = "TarnFileManagerClient.TarnFileManageClient";

    virtual std::shared_ptr<ILogin> LoginObject() const = 0;
    virtual void SetLoginObject(std::shared_ptr<ILogin> oLogin) = 0;

    // Stores a copy of the file at path for the record; cFileId receives the new file's id.
    virtual bool StoreFile(const QString &cObject, const QString &cRecordId, const QString &path,
                           QString &cFileId, QString &sMsg) = 0;
    // The record's files, oldest first.
    virtual bool ListFiles(const QString &cObject, const QString &cRecordId,
                           QList<AttachedFile> &files, QString &sMsg) = 0;
    // Writes the stored content to targetPath, replacing a file there.
    virtual bool ReadFile(const QString &cFileId, const QString &targetPath, QString &sMsg) = 0;
    virtual bool RemoveFile(const QString &cFileId, QString &sMsg) = 0;
    // Hands the files of one record to another, as when a new record gets its code on save.
    virtual bool MoveFiles(const QString &cObject, const QString &fromRecordId,
                           const QString &toRecordId, QString &sMsg) = 0;
};

} // namespace suite
