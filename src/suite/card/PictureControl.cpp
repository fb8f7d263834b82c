#include "suite/card/PictureControl.h"

#include "suite/card/PictureFile.h"
#include "suite/controls/ModalDisplay.h"
#include "suite/data/RecordSet.h"
#include "suite/pub/IPub.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace suite {

namespace {

constexpr int kExclamation = 48;

} // namespace

struct PictureControl::Private
{
    std::shared_ptr<IPub> pub;
    qint64 maxKilobytes = 1024;
    PictureFile picture;
    bool changed = false;
    int rightLevel = 2;
    QLabel *view = nullptr;
    QPushButton *load = nullptr;
    QPushButton *clear = nullptr;
};

PictureControl::PictureControl(QWidget *parent)
    : QWidget(parent)
    , d(new Private)
{
    d->view = new QLabel(this);
    d->view->setObjectName(QStringLiteral("picture"));
    d->view->setAlignment(Qt::AlignCenter);
    d->view->setMinimumSize(120, 120);
    d->view->setFrameShape(QFrame::StyledPanel);
    d->load = new QPushButton(QStringLiteral("…"), this);
    d->load->setObjectName(QStringLiteral("load"));
    d->clear = new QPushButton(QStringLiteral("×"), this);
    d->clear->setObjectName(QStringLiteral("clear"));
    connect(d->load, &QPushButton::clicked, this, &PictureControl::chooseFile);
    connect(d->clear, &QPushButton::clicked, this, [this] {
        if (d->rightLevel < 2 || d->picture.isEmpty())
            return;
        d->picture = {};
        d->changed = true;
        showPicture();
        emit pictureChanged();
    });
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(d->load);
    buttons->addWidget(d->clear);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(d->view, 1);
    layout->addLayout(buttons);
}

PictureControl::~PictureControl() = default;

void PictureControl::Init(const QString &cMaxSize, const std::shared_ptr<IPub> &oPub)
{
    d->pub = oPub;
    d->maxKilobytes = cMaxSize.trimmed().toLongLong();
}

bool PictureControl::LoadFromFile(const QString &path)
{
    if (d->rightLevel < 2)
        return false;
    PictureFile picture;
    QString problemKey;
    if (!PictureFile::read(path, d->maxKilobytes, picture, problemKey)) {
        if (d->pub)
            d->pub->MsgBox(
                d->pub->GetResFormatString(problemKey, { path, QString::number(d->maxKilobytes) }),
                kExclamation,
                d->pub->GetResString(QStringLiteral("Tarn.AA.ARCHIVE.COMMON.information")));
        return false;
    }
    d->picture = picture;
    d->changed = true;
    showPicture();
    emit pictureChanged();
    return true;
}

void PictureControl::LoadFromRecordSet(const RecordSet &pictures)
{
    d->picture = {};
    d->changed = false;
    if (pictures.IsOpen() && pictures.RecordCount() > 0) {
        const QByteArray data =
            pictures.valueAt(0, pictures.FieldIndex(QStringLiteral("Picture"))).toByteArray();
        const int typeColumn = pictures.FieldIndex(QStringLiteral("cPictureType"));
        const QString type =
            typeColumn >= 0 ? pictures.valueAt(0, typeColumn).toString() : QString();
        d->picture = { data, type.isEmpty() ? PictureFile::typeOf(data) : type };
    }
    showPicture();
}

bool PictureControl::WritePicture(const RecordSet &stored, bool, QString &sData,
                                  QString &cType) const
{
    if (!d->changed)
        return false;
    if (d->picture.isEmpty() && !(stored.IsOpen() && stored.RecordCount() > 0))
        return false;
    sData = QString::fromLatin1(d->picture.data.toBase64());
    cType = d->picture.type;
    return true;
}

void PictureControl::Clear()
{
    d->picture = {};
    d->changed = false;
    showPicture();
}

void PictureControl::SetRightLevel(int iLevel)
{
    d->rightLevel = iLevel;
    d->view->setVisible(iLevel > 0);
    d->load->setEnabled(iLevel >= 2);
    d->clear->setEnabled(iLevel >= 2);
}

int PictureControl::RightLevel() const
{
    return d->rightLevel;
}

bool PictureControl::HasPicture() const
{
    return !d->picture.isEmpty();
}

bool PictureControl::IsChanged() const
{
    return d->changed;
}

QByteArray PictureControl::PictureData() const
{
    return d->picture.data;
}

QString PictureControl::PictureType() const
{
    return d->picture.type;
}

void PictureControl::chooseFile()
{
    if (d->rightLevel < 2)
        return;
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("*.png *.jpg *.jpeg *.bmp *.gif"));
    showModal(&dialog);
    if (dialog.result() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        LoadFromFile(dialog.selectedFiles().constFirst());
}

void PictureControl::showPicture()
{
    QPixmap pixmap;
    if (d->picture.isEmpty() || !pixmap.loadFromData(d->picture.data)) {
        d->view->clear();
        return;
    }
    d->view->setPixmap(pixmap.scaled(d->view->contentsRect().size(), Qt::KeepAspectRatio,
                                     Qt::SmoothTransformation));
}

void PictureControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    showPicture();
}

} // namespace suite
