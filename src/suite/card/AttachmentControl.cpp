#include "suite/card/AttachmentControl.h"

#include "suite/controls/ModalDisplay.h"
#include "suite/data/IClsCommon.h"
#include "suite/files/IFileManagerClient.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QUuid>
#include <QVBoxLayout>

namespace suite {

struct AttachmentControl::Private
{
    std::shared_ptr<IFileManagerClient> files;
    std::shared_ptr<IClsCommon> srv;
    std::function<bool(const QUrl &)> opener = [](const QUrl &url) {
        return QDesktopServices::openUrl(url);
    };
    QString object = QStringLiteral("customer");
    // The record's code, or a temporary id while a new record has none.
    QString recordId;
    bool isNewRecord = true;
    QList<AttachedFile> list;
    int rightLevel = 2;
    QListWidget *view = nullptr;
    QPushButton *add = nullptr;
    QPushButton *open = nullptr;
    QPushButton *remove = nullptr;
};

namespace {

QString temporaryRecordId()
{
    return QStringLiteral("new-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

} // namespace

AttachmentControl::AttachmentControl(QWidget *parent)
    : QWidget(parent)
    , d(new Private)
{
    d->recordId = temporaryRecordId();
    d->view = new QListWidget(this);
    d->view->setObjectName(QStringLiteral("files"));
    d->add = new QPushButton(QStringLiteral("+"), this);
    d->add->setObjectName(QStringLiteral("add"));
    d->open = new QPushButton(QStringLiteral("↗"), this);
    d->open->setObjectName(QStringLiteral("open"));
    d->remove = new QPushButton(QStringLiteral("−"), this);
    d->remove->setObjectName(QStringLiteral("remove"));
    connect(d->add, &QPushButton::clicked, this, &AttachmentControl::chooseFile);
    connect(d->open, &QPushButton::clicked, this, [this] {
        QString sMsg;
        if (!OpenFile(d->view->currentRow(), sMsg))
            tellUser(sMsg);
    });
    connect(d->remove, &QPushButton::clicked, this, [this] {
        QString sMsg;
        if (!RemoveFile(d->view->currentRow(), sMsg))
            tellUser(sMsg);
    });
    connect(d->view, &QListWidget::itemDoubleClicked, d->open, &QPushButton::click);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(d->add);
    buttons->addWidget(d->open);
    buttons->addWidget(d->remove);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(d->view, 1);
}

AttachmentControl::~AttachmentControl() = default;

void AttachmentControl::Init(const std::shared_ptr<IFileManagerClient> &oFileManager,
                             const std::shared_ptr<IClsCommon> &oSrv)
{
    d->files = oFileManager;
    d->srv = oSrv;
}

bool AttachmentControl::LoadFiles(const QString &cObject, const QString &cRecordId)
{
    d->object = cObject;
    d->isNewRecord = cRecordId.isEmpty();
    d->recordId = d->isNewRecord ? temporaryRecordId() : cRecordId;
    d->list.clear();
    QString sMsg;
    const bool ok =
        d->isNewRecord || !d->files || d->files->ListFiles(d->object, d->recordId, d->list, sMsg);
    refreshList();
    return ok;
}

QString AttachmentControl::GetRecordXml(const QString &cObject) const
{
    if (cObject.compare(QStringLiteral("customer"), Qt::CaseInsensitive) != 0)
        return {};
    return d->list.isEmpty() ? QStringLiteral("<bIsCusAttachFile>0</bIsCusAttachFile>")
                             : QStringLiteral("<bIsCusAttachFile>1</bIsCusAttachFile>");
}

bool AttachmentControl::SaveFiles(const QString &cRecordId, QString &sMsg)
{
    if (!d->isNewRecord || cRecordId.isEmpty())
        return true;
    if (!d->list.isEmpty()
        && (!d->files || !d->files->MoveFiles(d->object, d->recordId, cRecordId, sMsg)))
        return false;
    d->recordId = cRecordId;
    d->isNewRecord = false;
    return true;
}

bool AttachmentControl::AddFile(const QString &path, QString &sMsg)
{
    if (d->rightLevel < 2 || !d->files)
        return false;
    QString cFileId;
    if (!d->files->StoreFile(d->object, d->recordId, path, cFileId, sMsg))
        return false;
    if (!d->files->ListFiles(d->object, d->recordId, d->list, sMsg))
        return false;
    refreshList();
    emit filesChanged();
    return true;
}

bool AttachmentControl::RemoveFile(int row, QString &sMsg)
{
    if (d->rightLevel < 2 || !d->files || row < 0 || row >= d->list.size())
        return false;
    if (!d->files->RemoveFile(d->list.at(row).cFileId, sMsg))
        return false;
    d->list.removeAt(row);
    refreshList();
    emit filesChanged();
    return true;
}

bool AttachmentControl::OpenFile(int row, QString &sMsg)
{
    if (d->rightLevel < 1 || !d->files || row < 0 || row >= d->list.size())
        return false;
    const AttachedFile &file = d->list.at(row);
    QDir folder(QStandardPaths::writableLocation(QStandardPaths::TempLocation));
    const QString subfolder = QStringLiteral("attachments-") + file.cFileId;
    if (!folder.mkpath(subfolder)) {
        sMsg = folder.filePath(subfolder);
        return false;
    }
    // Only the file-name part of the stored name, so a name cannot point outside the folder.
    const QString target =
        QDir(folder.filePath(subfolder)).filePath(QFileInfo(file.cFileName).fileName());
    if (!d->files->ReadFile(file.cFileId, target, sMsg))
        return false;
    if (d->opener(QUrl::fromLocalFile(target)))
        return true;
    sMsg = target;
    return false;
}

int AttachmentControl::FileCount() const
{
    return int(d->list.size());
}

QString AttachmentControl::FileName(int row) const
{
    return row >= 0 && row < d->list.size() ? d->list.at(row).cFileName : QString();
}

void AttachmentControl::SetOpener(std::function<bool(const QUrl &)> opener)
{
    d->opener = std::move(opener);
}

void AttachmentControl::Clear()
{
    d->list.clear();
    d->isNewRecord = true;
    d->recordId = temporaryRecordId();
    refreshList();
}

void AttachmentControl::SetRightLevel(int iLevel)
{
    d->rightLevel = iLevel;
    d->view->setVisible(iLevel > 0);
    d->open->setEnabled(iLevel > 0);
    d->add->setEnabled(iLevel >= 2);
    d->remove->setEnabled(iLevel >= 2);
}

int AttachmentControl::RightLevel() const
{
    return d->rightLevel;
}

void AttachmentControl::Release()
{
    d->files.reset();
    d->srv.reset();
}

void AttachmentControl::refreshList()
{
    d->view->clear();
    for (const AttachedFile &file : std::as_const(d->list))
        d->view->addItem(file.cFileName);
}

void AttachmentControl::chooseFile()
{
    if (d->rightLevel < 2)
        return;
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    showModal(&dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    for (const QString &path : dialog.selectedFiles()) {
        QString sMsg;
        if (!AddFile(path, sMsg))
            tellUser(sMsg);
    }
}

void AttachmentControl::tellUser(const QString &sMsg)
{
    if (sMsg.isEmpty())
        return;
    QMessageBox box(QMessageBox::Warning, windowTitle(), sMsg, QMessageBox::Ok, this);
    showModal(&box);
}

} // namespace suite
