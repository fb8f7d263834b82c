#pragma once

#include "suite/core/XmlDocument.h"

#include <QWidget>

#include <memory>

namespace suite {

class IClsCommon;
class ILogin;
class RecordSet;

// The card's user-defined-field control: one labelled edit per user-defined field that the
// company defined for an archive (table userdef, class given by the object caption). The values
// live in a record element, the one the card keeps and hands to the public service when a
// reference changes the fields it copies.
class UserDefineControl : public QWidget
{
    Q_OBJECT

public:
    explicit UserDefineControl(QWidget *parent = nullptr);
    ~UserDefineControl() override;

    // Reads the field definitions of the archive and lays out one edit per defined field.
    // Returns the record element holding one child per field, named prefix + item number.
    XmlElement Init(const QString &cObjectCaption, const QString &cFieldPrefix, bool bWeb,
                    const QString &cUrl, const std::shared_ptr<ILogin> &oLogin,
                    const std::shared_ptr<IClsCommon> &oSrv);
    // The card's context (user, database, dates, rights) as the card builds it at set-up.
    void SetContext(const std::shared_ptr<ILogin> &oLogin, const std::shared_ptr<IClsCommon> &oSrv,
                    const QString &cContextXml);

    XmlElement RecordElement() const;
    // The fields as record-XML elements: "<cCusDefine1>value</cCusDefine1>..." in item order,
    // values escaped for element text.
    QString GetRecordXml() const;
    // Takes the fields' values from the current row of a customer record.
    void LoadFromRecord(const RecordSet &record);
    // Shows again what the record element holds, after someone else changed it.
    void RefreshFromElement();
    void Clear();
    // 0 hidden values, 1 read-only, 2 editable.
    void SetRightLevel(int iLevel);
    int RightLevel() const;
    // False (after telling the user which field) when a value does not fit its field's type.
    bool CheckValid(QString &sMsg) const;
    void Release();

    QStringList FieldNames() const;
    QString FieldValue(const QString &cFieldName) const;
    bool SetFieldValue(const QString &cFieldName, const QString &value);

signals:
    void valueChanged(const QString &cFieldName);

private:
    void takeEdit(const QString &cFieldName, const QString &value);

    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace suite
