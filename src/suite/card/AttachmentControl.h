#pragma once

#include <QWidget>

#include <functional>
#include <memory>

class QUrl;

namespace suite {

class IClsCommon;
class IFileManagerClient;

// The card's attachment control: the files attached to one record, kept by the file-manager
// client. Files added before the record has its code are kept under a temporary record id and
// handed to the code on save.
class AttachmentControl : public QWidget
{
    Q_OBJECT

public:
    explicit AttachmentControl(QWidget *parent = nullptr);
    ~AttachmentControl() override;

    void Init(const std::shared_ptr<IFileManagerClient> &oFileManager,
              const std::shared_ptr<IClsCommon> &oSrv);

    // Lists the files of the record (cRecordId empty: a new record without files).
    bool LoadFiles(const QString &cObject, const QString &cRecordId);
    // The record-XML fragment: "<bIsCusAttachFile>1</bIsCusAttachFile>" when the record has
    // files, "...0..." otherwise.
    QString GetRecordXml(const QString &cObject) const;
    // Hands files added to a new record to its code once saved.
    bool SaveFiles(const QString &cRecordId, QString &sMsg);

    bool AddFile(const QString &path, QString &sMsg);
    bool RemoveFile(int row, QString &sMsg);
    // Writes the file to a temporary folder and opens it with the desktop's viewer.
    bool OpenFile(int row, QString &sMsg);
    int FileCount() const;
    QString FileName(int row) const;

    // Shows an opened file; QDesktopServices::openUrl unless replaced.
    void SetOpener(std::function<bool(const QUrl &)> opener);

    void Clear();
    // 0 hidden, 1 list and open only, 2 may add and remove.
    void SetRightLevel(int iLevel);
    int RightLevel() const;
    void Release();

signals:
    void filesChanged();

private:
    void refreshList();
    void chooseFile();
    void tellUser(const QString &sMsg);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace suite
