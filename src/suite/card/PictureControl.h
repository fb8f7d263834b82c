#pragma once

#include <QWidget>

#include <memory>

namespace suite {

class IPub;
class RecordSet;

// The card's picture control: shows one picture scaled into its frame, takes a new one from a
// file (no larger than the maximum size in kilobytes) and gives it back for the record XML as
// base64 text of the file's bytes with its format.
class PictureControl : public QWidget
{
    Q_OBJECT

public:
    explicit PictureControl(QWidget *parent = nullptr);
    ~PictureControl() override;

    // cMaxSize is the largest accepted file in kilobytes, as text ("1024").
    void Init(const QString &cMaxSize, const std::shared_ptr<IPub> &oPub);

    // Takes the picture of a file; a file that is too large or not a picture is refused with a
    // message through the public service and leaves the shown picture as it was.
    bool LoadFromFile(const QString &path);
    // Shows the picture in the first row of a record set with a column Picture (and optionally
    // cPictureType); an empty record set clears the control.
    void LoadFromRecordSet(const RecordSet &pictures);
    // Whether the record XML must carry a picture: only after the user changed it since the
    // last load. sData receives the picture as base64 and cType its format ("png", "jpeg");
    // a picture the user removed while stored has one row gives true with both empty, so that
    // the stored picture is dropped.
    bool WritePicture(const RecordSet &stored, bool bWeb, QString &sData, QString &cType) const;
    void Clear();
    // 0 hidden, 1 read-only, 2 may change.
    void SetRightLevel(int iLevel);
    int RightLevel() const;

    bool HasPicture() const;
    bool IsChanged() const;
    QByteArray PictureData() const;
    QString PictureType() const;

signals:
    void pictureChanged();

private:
    void chooseFile();
    void showPicture();
    void resizeEvent(QResizeEvent *event) override;

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace suite
